// Misuse of the object model that would read or write out of bounds if it
// went unchecked raises a RuntimeException in every build, release included.
#include "row_name.h"
#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "runtime/thunk.h"
#include "services/random.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace fw {
namespace {

struct MisuseCase {
    const char* name;
    std::function<void()> misuse;
    const char* message; // what the raised exception's message says
    friend void PrintTo(const MisuseCase& row, std::ostream* os) { *os << row.name; }
};

ClassTable* NewClassWithOneMethod()
{
    ClassTable* table = RuntimeNewClass(RuntimeException::__Lookup());
    table->name = "Probe";
    RuntimeNewVtable(table)->Append(MakeEntry("SetMessage", "(String)", &RuntimeException::SetMessage));
    return table;
}

const Thunk& SetMessageThunk() { return (*NewClassWithOneMethod()->methods)[0].thunk; }

class InvariantTest : public ::testing::TestWithParam<MisuseCase> { };

TEST_P(InvariantTest, RaisesARuntimeExceptionThatSaysWhat)
{
    const MisuseCase& c = GetParam();
    try {
        c.misuse();
        ADD_FAILURE() << "nothing raised";
    } catch (const RaisedException& raised) {
        ASSERT_TRUE(RuntimeObjectIsa(raised.Exception().get(), RuntimeException::__Lookup())) << raised.what();
        EXPECT_EQ(static_cast<const RuntimeException&>(*raised.Exception()).Message().Bytes(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Misuses, InvariantTest,
    ::testing::Values(MisuseCase { "thunkWithTooFewArguments",
                          [] {
                              RuntimeException receiver;
                              SetMessageThunk()(receiver, {});
                          },
                          "a method of 1 parameters called with 0 arguments" },
        MisuseCase { "thunkWithTooManyArguments",
            [] {
                RuntimeException receiver;
                const Value arguments[] = { Value(String("a")), Value(String("b")) };
                SetMessageThunk()(receiver, arguments);
            },
            "a method of 1 parameters called with 2 arguments" },
        MisuseCase { "replaceOfAMissingEntry",
            [] {
                NewClassWithOneMethod()->methods->Replace(
                    MakeEntry("SetMessage", "(Integer)", &RuntimeException::SetMessage));
            },
            "no method-table entry SetMessage (Integer) to replace" },
        MisuseCase { "bindingAMissingEvent", [] { NewClassWithOneMethod()->BindEvent("Open", SetMessageThunk()); },
            "class Probe has no event Open to bind" },
        MisuseCase { "handlerOfAnEventPastTheEnd", [] { NewClassWithOneMethod()->EventHandler(15); },
            "class Probe has no event 15" },
        MisuseCase { "handlerOfANegativeEvent", [] { NewClassWithOneMethod()->EventHandler(-1); },
            "class Probe has no event -1" },
        MisuseCase { "newObjectOfNoClass", [] { RuntimeNewObject(nullptr); }, "RuntimeNewObject: the class is nil" },
        MisuseCase { "castOfAnObjectWhoseTableLies",
            [] {
                const Ref<Object> random = RuntimeNewObject(Random::__Lookup());
                random->SetClass(RuntimeException::__Lookup());
                RuntimeCheckCast<RuntimeException>(random, RuntimeException::__Lookup());
            },
            "an object of class RuntimeException is not the C++ class that class RuntimeException stands for" }),
    RowName);

} // namespace
} // namespace fw
