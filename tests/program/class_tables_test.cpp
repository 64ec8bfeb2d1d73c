// The program's class tables: method tables, bound events and the
// introspection entries with their attributes.
#include "app.h"
#include "main_window.h"
#include "menu_bar.h"
#include "row_name.h"

#include "runtime/class_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pwgen {
namespace {

std::vector<std::string> Names(const std::vector<fw::MethodEntry>& entries)
{
    std::vector<std::string> names;
    for (const fw::MethodEntry& entry : entries)
        names.push_back(entry.name + " " + entry.signature);
    return names;
}

// "name signature" of each entry from `first` on.
std::vector<std::string> EntriesFrom(const fw::ClassTable& table, std::size_t first)
{
    const std::vector<std::string> all = Names(table.methods->Entries());
    return { all.begin() + static_cast<std::ptrdiff_t>(std::min(first, all.size())), all.end() };
}

std::vector<std::string> BoundEvents(const fw::ClassTable& table)
{
    std::vector<std::string> bound;
    for (const fw::EventSlot& slot : table.events) {
        if (slot.handler)
            bound.push_back(slot.name);
    }
    return bound;
}

std::vector<std::string> EventNames(const fw::ClassTable& table)
{
    std::vector<std::string> names;
    for (const fw::EventSlot& slot : table.events)
        names.push_back(slot.name);
    return names;
}

struct ClassCase {
    const char* name;
    const fw::ClassTable* (*lookup)();
    const fw::ClassTable* (*parent)();
    std::string className;
    // The parent's entries in its order, except these slots replaced.
    std::vector<std::string> replaced;
    // The class's own entries after the parent's.
    std::vector<std::string> own;
    std::vector<std::string> boundEvents;
    // Introspection: the entries in order, and the one marked Hidden.
    std::vector<std::string> introspected;
    std::string hidden;
    friend void PrintTo(const ClassCase& row, std::ostream* os) { *os << row.name; }
};

class ClassTableTest : public ::testing::TestWithParam<ClassCase> { };

TEST_P(ClassTableTest, StartsWithTheParentsEntriesThenItsOwnInOrder)
{
    const ClassCase& c = GetParam();
    const fw::ClassTable& table = *c.lookup();
    const fw::ClassTable& parent = *c.parent();
    EXPECT_EQ(table.name, c.className);
    EXPECT_EQ(table.parent, &parent);

    const std::vector<std::string> inherited = Names(parent.methods->Entries());
    const std::vector<std::string> entries = Names(table.methods->Entries());
    ASSERT_EQ(entries.size(), inherited.size() + c.own.size());
    EXPECT_EQ(std::vector<std::string>(entries.begin(), entries.begin() + inherited.size()), inherited);
    EXPECT_EQ(EntriesFrom(table, inherited.size()), c.own);
}

TEST_P(ClassTableTest, ReplacesOnlyItsOwnVersionsOfTheParentsEntries)
{
    const ClassCase& c = GetParam();
    const fw::ClassTable& table = *c.lookup();
    const fw::ClassTable& parent = *c.parent();

    // A replaced slot calls the class's member, which the parent's table
    // cannot: on an object of the parent's class it refuses.
    const Ref<fw::Object> parentObject = fw::RuntimeNewObject(&parent);
    std::vector<std::string> replaced;
    for (std::size_t slot = 0; slot < parent.methods->Size(); ++slot) {
        const fw::Thunk& thunk = (*table.methods)[slot].thunk;
        if (thunk.target_type() == (*parent.methods)[slot].thunk.target_type())
            continue;
        replaced.push_back((*table.methods)[slot].name);
        EXPECT_THROW(thunk(*parentObject, {}), fw::RaisedException) << (*table.methods)[slot].name;
    }
    EXPECT_EQ(replaced, c.replaced);
}

TEST_P(ClassTableTest, BindsOnlyItsHandledEventsOfTheParentsTable)
{
    const ClassCase& c = GetParam();
    const fw::ClassTable& table = *c.lookup();
    EXPECT_EQ(EventNames(table), EventNames(*c.parent()));
    EXPECT_EQ(BoundEvents(table), c.boundEvents);
}

TEST_P(ClassTableTest, IntrospectsItsOwnMethodsAsPublic)
{
    const ClassCase& c = GetParam();
    const fw::ClassTable& table = *c.lookup();
    const fw::AttributeTable publicScope = { { "__Scope", fw::String("Public") } };
    const fw::AttributeTable hiddenToo = { { "__Scope", fw::String("Public") }, { "Hidden", std::nullopt } };

    std::vector<std::string> names;
    for (const fw::IntrospectionEntry& entry : table.introspection) {
        names.push_back(entry.name);
        EXPECT_EQ(entry.attributes, entry.name == c.hidden ? hiddenToo : publicScope) << entry.name;
        EXPECT_TRUE(entry.invoke) << entry.name;
    }
    EXPECT_EQ(names, c.introspected);
}

const std::vector<std::string> kWindow1Own = { "Layout ()", "CreateControls ()", "_CreateControls0 ()",
    "Generate () as PushButton", "UseCaps () as CheckBox", "UseNumbers () as CheckBox", "UseSymbols () as CheckBox",
    "PassSize () as Slider", "Label1 () as Label", "TextArea1 () as TextArea", "Generate_Action (PushButton)",
    "UseCaps_Action (CheckBox)", "UseNumbers_Action (CheckBox)", "UseSymbols_Action (CheckBox)",
    "PassSize_ValueChanged (Slider)", "EditMenu () as MenuItem", "EditSelectAll () as MenuItem",
    "EditSeparator2 () as MenuItem", "EditClear () as MenuItem", "EditPaste () as MenuItem", "EditCopy () as MenuItem",
    "EditCut () as MenuItem", "EditSeparator1 () as MenuItem", "EditUndo () as MenuItem", "FileMenu () as MenuItem",
    "FileQuit () as QuitMenuItem", "Event_Close ()" };

// The introspected names: the own entries' names.
std::vector<std::string> NamesOnly(const std::vector<std::string>& entries)
{
    std::vector<std::string> names;
    for (const std::string& entry : entries)
        names.push_back(entry.substr(0, entry.find(' ')));
    return names;
}

const std::vector<std::string> kAppOwn = { "Event_Open ()", "pickone (String) as String", "assemble (String, Boolean)",
    "copy_to_clipboard (String)", "valid_letters () as String", "Constructor ()" };

INSTANTIATE_TEST_SUITE_P(Classes, ClassTableTest,
    ::testing::Values(ClassCase { "App", &App::__Lookup, &fw::Application::__Lookup, "App", {}, kAppOwn, { "Open" },
                          NamesOnly(kAppOwn), "" },
        ClassCase { "Window1", &Window1::__Lookup, &fw::Window::__Lookup, "Window1.Window1", {}, kWindow1Own,
            { "Close", "CreateControls", "Layout" }, NamesOnly(kWindow1Own), "_CreateControls0" },
        ClassCase { "MainMenuBar", &MainMenuBar::__Lookup, &fw::MenuBar::__Lookup, "MainMenuBar.MainMenuBar",
            { "Constructor" }, { "Untitled0 ()", "Untitled1 ()" }, {}, { "Untitled0", "Untitled1", "Constructor" },
            "" }),
    RowName);

} // namespace
} // namespace pwgen
