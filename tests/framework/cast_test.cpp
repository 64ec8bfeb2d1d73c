#include "row_name.h"
#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "services/random.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

struct CastCase {
    const char* name;
    const ClassTable* (*objectClass)(); // nullptr for nil
    const char* raised; // the IllegalCastException's message, or nullptr
    friend void PrintTo(const CastCase& row, std::ostream* os) { *os << row.name; }
};

class CastTest : public ::testing::TestWithParam<CastCase> { };

// Casts to RuntimeException: nil stays nil, an object of the class or a
// subclass comes back as itself, any other object raises.
TEST_P(CastTest, GivesTheSameObjectOrRaises)
{
    const CastCase& c = GetParam();
    const Ref<Object> object = c.objectClass ? RuntimeNewObject(c.objectClass()) : nullptr;
    try {
        const Ref<RuntimeException> cast = RuntimeCheckCast<RuntimeException>(object, RuntimeException::__Lookup());
        EXPECT_EQ(static_cast<Object*>(cast.get()), object.get());
        EXPECT_EQ(c.raised, nullptr) << "nothing raised";
    } catch (const RaisedException& raised) {
        ASSERT_NE(c.raised, nullptr) << raised.what();
        const auto* exception = dynamic_cast<const IllegalCastException*>(raised.Exception().get());
        ASSERT_NE(exception, nullptr) << raised.what();
        EXPECT_EQ(exception->Message().Bytes(), c.raised);
    }
}

INSTANTIATE_TEST_SUITE_P(Objects, CastTest,
    ::testing::Values(CastCase { "nil", nullptr, nullptr },
        CastCase { "ofTheClass", &RuntimeException::__Lookup, nullptr },
        CastCase { "ofASubclass", &NilObjectException::__Lookup, nullptr },
        CastCase { "ofAnotherClass", &Random::__Lookup, "cannot cast an object of class Random to RuntimeException" }),
    RowName);

} // namespace
} // namespace fw
