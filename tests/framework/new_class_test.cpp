// The class set-up every class goes through: where its method table starts,
// and which classes the run time can make an instance of.
#include "row_name.h"
#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "runtime/thunk.h"
#include "services/random.h"
#include "ui/clipboard.h"
#include "ui/control.h"
#include "ui/push_button.h"
#include "ui/rect_control.h"
#include "ui/window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace fw {
namespace {

std::vector<std::string> EntryNames(const ClassTable& table)
{
    std::vector<std::string> names;
    for (const MethodEntry& entry : table.methods->Entries())
        names.push_back(entry.name);
    return names;
}

// An object made directly, not through the run time's factory, knows its
// class as well: a window, a control and a service alike.
TEST(NewClassTest, MakeRefGivesEveryObjectItsClassTable)
{
    const Ref<Window> window = MakeRef<Window>();
    ASSERT_NE(window->Class(), nullptr);
    EXPECT_EQ(window->Class()->name, "Window");

    const Ref<PushButton> button = MakeRef<PushButton>();
    ASSERT_NE(button->Class(), nullptr);
    EXPECT_EQ(button->Class()->name, "PushButton");

    const Ref<Random> random = MakeRef<Random>();
    ASSERT_NE(random->Class(), nullptr);
    EXPECT_EQ(random->Class()->name, "Random");

    const Ref<Clipboard> clipboard = MakeRef<Clipboard>();
    ASSERT_NE(clipboard->Class(), nullptr);
    EXPECT_EQ(clipboard->Class()->name, "Clipboard");
}

TEST(NewClassTest, MethodTableStartsWithTheParentsEntriesOrEmpty)
{
    ClassTable* parent = NewClass<RuntimeException>(RuntimeException::__Lookup(), "EntriesParent");
    parent->methods->Append(MakeEntry("SetMessage", "(String)", &RuntimeException::SetMessage));

    const ClassTable* inheriting = NewClass<RuntimeException>(parent, "Inheriting");
    EXPECT_EQ(EntryNames(*inheriting), std::vector<std::string> { "SetMessage" });

    const ClassTable* ownOnly = NewClass<RuntimeException>(parent, "OwnOnly", Entries::Own);
    EXPECT_EQ(EntryNames(*ownOnly), std::vector<std::string> {});
    EXPECT_EQ(EntryNames(*parent), std::vector<std::string> { "SetMessage" }) << "the parent keeps its entries";
}

// An exception that is made only with a message: its parent can be made, it
// cannot.
class MessageOnlyException : public RuntimeException {
public:
    explicit MessageOnlyException(String message)
        : RuntimeException(std::move(message))
    { }
};

const ClassTable* MessageOnlyClass()
{
    static const ClassTable* table = NewClass<MessageOnlyException>(RuntimeException::__Lookup(), "MessageOnly");
    return table;
}

struct FactoryCase {
    const char* name;
    const ClassTable* (*table)();
    bool (*madeRight)(const Object& object); // nullptr when the class cannot be made
    const char* refused; // the RuntimeException's message when it cannot
    friend void PrintTo(const FactoryCase& row, std::ostream* os) { *os << row.name; }
};

class FactoryTest : public ::testing::TestWithParam<FactoryCase> { };

TEST_P(FactoryTest, MakesAnInstanceOfTheClassOrRefuses)
{
    const FactoryCase& c = GetParam();
    const ClassTable* table = c.table();
    try {
        const Ref<Object> object = RuntimeNewObject(table);
        ASSERT_NE(c.madeRight, nullptr) << "made an instance of " << table->name;
        EXPECT_EQ(object->Class(), table);
        EXPECT_TRUE(c.madeRight(*object));
    } catch (const RaisedException& raised) {
        ASSERT_NE(c.refused, nullptr) << raised.what();
        const auto* exception = dynamic_cast<const RuntimeException*>(raised.Exception().get());
        ASSERT_NE(exception, nullptr) << raised.what();
        EXPECT_EQ(exception->Message().Bytes(), c.refused);
    }
}

INSTANTIATE_TEST_SUITE_P(Classes, FactoryTest,
    ::testing::Values(FactoryCase { "defaultConstructible", &Random::__Lookup,
                          [](const Object& o) { return dynamic_cast<const Random*>(&o) != nullptr; }, nullptr },
        FactoryCase { "exceptionWithAnEmptyMessage", &IllegalCastException::__Lookup,
            [](const Object& o) {
                const auto* exception = dynamic_cast<const IllegalCastException*>(&o);
                return exception && exception->Message().IsEmpty();
            },
            nullptr },
        FactoryCase {
            "madeOnlyThroughSubclasses", &Control::__Lookup, nullptr, "class Control cannot be instantiated" },
        FactoryCase { "abstract", &RectControl::__Lookup, nullptr, "class RectControl cannot be instantiated" },
        FactoryCase {
            "madeOnlyWithArguments", &MessageOnlyClass, nullptr, "class MessageOnly cannot be instantiated" }),
    RowName);

} // namespace
} // namespace fw
