// Names of the rows of parameterised tests.
//
// Every row type has a `name` (a valid test-name part: letters, digits,
// underscores) and a hidden-friend PrintTo that prints it, so gtest names a
// test after its row and prints the row by name when a check fails, instead of
// the row's bytes. ctest names stay the same from one build to the next.
#pragma once

#include <string>
#include <tuple>

namespace test_support {

template <typename Row> std::string NameOfRow(const Row& row) { return std::string(row.name); }

// A row combined with further parameters (::testing::Combine) is named after
// all of them, joined by underscores.
template <typename... Parts> std::string NameOfRow(const std::tuple<Parts...>& rows)
{
    std::string joined;
    std::apply([&](const auto&... part) { ((joined += (joined.empty() ? "" : "_") + NameOfRow(part)), ...); }, rows);
    return joined;
}

// The name generator for INSTANTIATE_TEST_SUITE_P.
inline constexpr auto RowName = [](const auto& info) { return NameOfRow(info.param); };

} // namespace test_support

using test_support::RowName;
