// Names of the rows of parameterised tests: one way for both the test's name
// and the row printed in a failure.
//
// Every row type prints its name through a hidden-friend PrintTo, and the
// name is a valid test-name part (letters, digits, underscores):
//
//     struct WidthCase {
//         const char* name;
//         ...
//         friend void PrintTo(const WidthCase& row, std::ostream* os) { *os << row.name; }
//     };
//
// gtest prints a row with that PrintTo when a check fails, and RowName, the
// name generator for INSTANTIATE_TEST_SUITE_P, names the test with the same
// text, so ctest names stay the same from one build to the next and a failure
// names its row the way the test list does. A row type without a PrintTo
// would print as its bytes, which gtest refuses as a test name at start.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace test_support {

// A parameter as it prints; a row combined with further parameters
// (::testing::Combine) is named after all of them, joined by underscores.
template <typename Param> std::string NameOfRow(const Param& param) { return ::testing::PrintToString(param); }

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
