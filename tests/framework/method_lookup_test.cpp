// Taking an entry out of a class's method table: the entry of that name, or a
// RuntimeException that names the class and the entry. The suite is built
// with NDEBUG, so these tests also show that the check is no assert.
#include "row_name.h"
#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "runtime/thunk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>

namespace fw {
namespace {

class Probe : public Object {
public:
    std::int32_t Answer() { return 42; }
};

// A class whose method table holds Answer and nothing else.
const ClassTable* ProbeClass()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<Probe>(ObjectClass(), "Probe", Entries::Own);
        t->methods->Append(MakeEntry("Answer", "() as Int32", &Probe::Answer));
        return t;
    }();
    return table;
}

// A class whose set-up never made a method table.
const ClassTable* TablelessClass()
{
    static const ClassTable* table = [] {
        ClassTable* t = RuntimeNewClass(ObjectClass());
        t->name = "Tableless";
        return t;
    }();
    return table;
}

TEST(MethodLookupTest, GivesTheEntryOfThatName)
{
    const MethodEntry& entry = ProbeClass()->RequireMethod("Answer");
    Probe probe;
    EXPECT_EQ(entry.name, "Answer");
    EXPECT_EQ(std::get<std::int32_t>(entry.thunk(probe, {})), 42);
}

struct MissingCase {
    const char* name;
    const ClassTable* (*table)();
    const char* method;
    const char* message;
    friend void PrintTo(const MissingCase& row, std::ostream* os) { *os << row.name; }
};

class MissingMethodTest : public ::testing::TestWithParam<MissingCase> { };

TEST_P(MissingMethodTest, RaisesNamingTheClassAndTheEntry)
{
    const MissingCase& c = GetParam();
    try {
        const MethodEntry& entry = c.table()->RequireMethod(c.method);
        ADD_FAILURE() << "no exception raised; got the entry " << entry.name;
    } catch (const RaisedException& raised) {
        const auto* exception = dynamic_cast<const RuntimeException*>(raised.Exception().get());
        ASSERT_NE(exception, nullptr) << raised.what();
        EXPECT_EQ(exception->Message().Bytes(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, MissingMethodTest,
    ::testing::Values(MissingCase { "entryMissing", &ProbeClass, "Event_Close",
                          "Probe has no method Event_Close in its method table" },
        MissingCase { "otherLetterCase", &ProbeClass, "answer", "Probe has no method answer in its method table" },
        MissingCase {
            "noMethodTable", &TablelessClass, "Answer", "Tableless has no method Answer in its method table" }),
    RowName);

} // namespace
} // namespace fw
