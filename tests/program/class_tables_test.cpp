// The class tables of the framework classes the program derives from and of
// the program's own classes: every method-table entry and event in order, the
// slots a class fills with its own version, the events it binds and what
// raising them runs, and the introspection entries with their attributes.
// Every expected list is written down here, never read from a table.
#include "program_fixture.h"
#include "row_name.h"

#include "runtime/class_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace pwgen {
namespace {

using namespace pwgen::testing;

// Application's entries, known by name only.
const std::vector<std::string> kApplicationEntries = { "AddTrayItem", "DoEvents", "NewDocument", "OpenDocument",
    "RemoveTrayItem", "SleepCurrentThread", "YieldToNextThread", "_AddMenuHandler", "_AddPollableObject",
    "_DependencyList", "_DoSingleEvent", "_RemovePollableObject" };

const std::vector<std::string> kApplicationEvents = { "Activate", "CancelClose", "Close", "Deactivate",
    "EnableMenuItems", "HandleAppleEvent", "NewDocument", "Open", "OpenDocument", "UnhandledException" };

const std::vector<std::string> kAppOwn = { "Event_Open ()", "pickone (String) as String", "assemble (String, Boolean)",
    "copy_to_clipboard (String)", "valid_letters () as String", "Constructor ()" };

const std::vector<std::string> kWindowEntries = { "AcceptFileDrop (String)", "AcceptMacDataDrop (String)",
    "AcceptPictureDrop ()", "AcceptRawDataDrop (String)", "AcceptTextDrop ()", "Close ()", "Constructor ()",
    "Control (Int32) as Control", "DrawInto (Graphics, Int32, Int32, Boolean)", "FocusNext ()", "FocusPrevious ()",
    "Hide ()", "Invalidate (Boolean)", "Invalidate (Int32, Int32, Int32, Int32, Boolean)", "Maximize ()", "Minimize ()",
    "Operator_Convert () as WindowPtr", "Refresh (Boolean)", "RefreshRect (Int32, Int32, Int32, Int32, Boolean)",
    "Restore ()", "SetFocus ()", "Show ()", "ShowModal ()", "ShowModalWithin (Window)", "ShowWithin (Window, Int32)",
    "TrueWindow () as Window", "UpdateNow ()", "Window ()", "_AddControl (String, Object)",
    "_AddMenuHandler (String, Ptr)", "_ControlByName (String) as Object",
    "_ControlByNameIndex (String, Int32) as Object", "_DependencyList ()", "_Move (Int32, Int32, Int32, Int32)",
    "__New (Ptr) as Object" };

const std::vector<std::string> kWindowEvents = { "Activate", "AddMenuHandlers", "CancelClose", "Close",
    "ConstructContextualMenu", "ContentsChanged", "ContextualMenuAction", "CreateControls", "Deactivate", "DragEnter",
    "DragExit", "DragOver", "DropObject", "EnableMenuItems", "KeyDown", "KeyUp", "Layout", "Maximize", "Minimize",
    "MouseDown", "MouseDrag", "MouseEnter", "MouseExit", "MouseMove", "MouseUp", "MouseWheel", "Moved", "Open", "Paint",
    "Resized", "Resizing", "Restore", "SetupBindings" };

const std::vector<std::string> kWindow1Own = { "Layout ()", "CreateControls ()", "_CreateControls0 ()",
    "Generate () as PushButton", "UseCaps () as CheckBox", "UseNumbers () as CheckBox", "UseSymbols () as CheckBox",
    "PassSize () as Slider", "Label1 () as Label", "TextArea1 () as TextArea", "Generate_Action (PushButton)",
    "UseCaps_Action (CheckBox)", "UseNumbers_Action (CheckBox)", "UseSymbols_Action (CheckBox)",
    "PassSize_ValueChanged (Slider)", "EditMenu () as MenuItem", "EditSelectAll () as MenuItem",
    "EditSeparator2 () as MenuItem", "EditClear () as MenuItem", "EditPaste () as MenuItem", "EditCopy () as MenuItem",
    "EditCut () as MenuItem", "EditSeparator1 () as MenuItem", "EditUndo () as MenuItem", "FileMenu () as MenuItem",
    "FileQuit () as QuitMenuItem", "Event_Close ()" };

const std::vector<std::string> kMenuBarEntries = { "Append (MenuItem)", "Child (String) as MenuItem",
    "Clone () as MenuItem", "Close ()", "Constructor ()", "Constructor (MenuItem)", "Constructor (String, Variant)",
    "Count () as Int32", "Enable ()", "Handle (MenuItem.HandleType) as Int32", "Insert (Int32, MenuItem)",
    "Item (Int32) as MenuItem", "MenuItem ()", "MenuItem (String, Variant)", "PopUp () as MenuItem",
    "PopUp (Int32, Int32) as MenuItem", "Remove (Int32)", "Remove (MenuItem)", "Remove (String)", "_DependencyList ()",
    "_DisableEntirely ()", "_Lookup (String) as MenuItem", "_Lookup (String, Int32) as MenuItem", "_SelfEnable ()",
    "_Swap (String, MenuItem)", "_InstallClone (MenuItem)" };

const std::vector<std::string> kMainMenuBarOwn = { "Untitled0 ()", "Untitled1 ()" };

const std::vector<std::string> kMenuItemEvents = { "Action", "EnableMenu" };

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

bool HasSignature(const std::string& expectedEntry) { return expectedEntry.find('(') != std::string::npos; }

// "name signature" of each entry, or the name alone where the expected row
// has no signature.
std::vector<std::string> Describe(const fw::MethodTable& methods, const std::vector<std::string>& expected)
{
    std::vector<std::string> described;
    for (std::size_t slot = 0; slot < methods.Size(); ++slot) {
        const fw::MethodEntry& entry = methods[slot];
        const bool typed = slot >= expected.size() || HasSignature(expected[slot]);
        described.push_back(typed ? entry.name + " " + entry.signature : entry.name);
    }
    return described;
}

// The number of parameters in a signature such as "(String, Int32) as Object".
std::size_t ParameterCount(const std::string& signature)
{
    const std::string parameters = signature.substr(1, signature.find(')') - 1);
    return parameters.empty() ? 0 : static_cast<std::size_t>(std::count(parameters.begin(), parameters.end(), ',')) + 1;
}

std::vector<std::string> EventNames(const fw::ClassTable& table)
{
    std::vector<std::string> names;
    for (const fw::EventSlot& slot : table.events)
        names.push_back(slot.name);
    return names;
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

struct ClassCase {
    const char* name;
    const fw::ClassTable* (*lookup)();
    const fw::ClassTable* (*parent)();
    std::string className;
    // Every entry in slot order, as "name (parameters) as result".
    std::vector<std::string> entries;
    // The parent's slots that hold the class's own version.
    std::vector<std::string> replaced;
    std::vector<std::string> events;
    std::vector<std::string> boundEvents;
    friend void PrintTo(const ClassCase& row, std::ostream* os) { *os << row.name; }
};

class ClassTableTest : public ::testing::TestWithParam<ClassCase> { };

TEST_P(ClassTableTest, HoldsItsEntriesInSlotOrder)
{
    const ClassCase& c = GetParam();
    const fw::ClassTable& table = *c.lookup();
    EXPECT_EQ(table.name, c.className);
    EXPECT_EQ(table.parent, c.parent());
    ASSERT_NE(table.methods, nullptr);
    EXPECT_EQ(Describe(*table.methods, c.entries), c.entries);
}

TEST_P(ClassTableTest, ReplacesOnlyItsOwnVersionsOfTheParentsEntries)
{
    const ClassCase& c = GetParam();
    const fw::ClassTable& table = *c.lookup();
    const fw::ClassTable& parent = *c.parent();

    // A replaced slot calls the class's member, which the parent's table
    // cannot: on an object of the parent's class it refuses.
    std::vector<std::string> replaced;
    for (std::size_t slot = 0; slot < parent.methods->Size() && slot < table.methods->Size(); ++slot) {
        const fw::MethodEntry& entry = (*table.methods)[slot];
        if (entry.thunk.target_type() == (*parent.methods)[slot].thunk.target_type())
            continue;
        replaced.push_back(entry.name + " " + entry.signature);
        const Ref<fw::Object> parentObject = fw::RuntimeNewObject(&parent);
        const std::vector<fw::Value> arguments(ParameterCount(entry.signature));
        EXPECT_THROW(entry.thunk(*parentObject, arguments), fw::RaisedException) << entry.name;
    }
    EXPECT_EQ(replaced, c.replaced);
}

TEST_P(ClassTableTest, HasItsEventsInOrderAndBindsOnlyItsHandledOnes)
{
    const ClassCase& c = GetParam();
    const fw::ClassTable& table = *c.lookup();
    EXPECT_EQ(EventNames(table), c.events);
    EXPECT_EQ(BoundEvents(table), c.boundEvents);
}

const fw::ClassTable* ObjectClass() { return fw::ObjectClass(); }

INSTANTIATE_TEST_SUITE_P(Classes, ClassTableTest,
    ::testing::Values(ClassCase { "Application", &fw::Application::__Lookup, &ObjectClass, "Application",
                          kApplicationEntries, {}, kApplicationEvents, {} },
        ClassCase { "Window", &fw::Window::__Lookup, &ObjectClass, "Window", kWindowEntries, {}, kWindowEvents, {} },
        ClassCase { "MenuBar", &fw::MenuBar::__Lookup, &fw::MenuItem::__Lookup, "MenuBar", kMenuBarEntries,
            { "_DependencyList ()", "_InstallClone (MenuItem)" }, kMenuItemEvents, {} },
        ClassCase { "App", &App::__Lookup, &fw::Application::__Lookup, "App", Joined(kApplicationEntries, kAppOwn), {},
            kApplicationEvents, { "Open" } },
        ClassCase { "Window1", &Window1::__Lookup, &fw::Window::__Lookup, "Window1.Window1",
            Joined(kWindowEntries, kWindow1Own), {}, kWindowEvents, { "Close", "CreateControls", "Layout" } },
        ClassCase { "MainMenuBar", &MainMenuBar::__Lookup, &fw::MenuBar::__Lookup, "MainMenuBar.MainMenuBar",
            Joined(kMenuBarEntries, kMainMenuBarOwn), { "Constructor ()" }, kMenuItemEvents, {} }),
    RowName);

struct OwnMembersCase {
    const char* name;
    const fw::ClassTable* (*lookup)();
    // The introspected methods in order, as "name (parameters) as result".
    std::vector<std::string> introspected;
    // The one method that also carries Hidden, if any.
    std::string hidden;
    fw::AttributeTable classAttributes;
    friend void PrintTo(const OwnMembersCase& row, std::ostream* os) { *os << row.name; }
};

class OwnMembersTest : public ::testing::TestWithParam<OwnMembersCase> { };

std::string Describe(const fw::IntrospectionEntry& entry)
{
    std::string described = entry.name + " (";
    for (std::size_t i = 0; i < entry.parameterTypes.size(); ++i)
        described += (i == 0 ? "" : ", ") + entry.parameterTypes[i];
    described += ")";
    if (!entry.resultType.empty())
        described += " as " + entry.resultType;
    return described;
}

TEST_P(OwnMembersTest, IntrospectsItsOwnMethodsWithTheirTypesAsPublic)
{
    const OwnMembersCase& c = GetParam();
    const fw::ClassTable& table = *c.lookup();
    const fw::AttributeTable publicScope = { { "__Scope", fw::String("Public") } };
    const fw::AttributeTable hiddenToo = { { "__Scope", fw::String("Public") }, { "Hidden", std::nullopt } };

    std::vector<std::string> introspected;
    for (const fw::IntrospectionEntry& entry : table.introspection) {
        introspected.push_back(Describe(entry));
        EXPECT_EQ(entry.attributes, entry.name == c.hidden ? hiddenToo : publicScope) << entry.name;
        EXPECT_TRUE(entry.invoke) << entry.name;
    }
    EXPECT_EQ(introspected, c.introspected);
}

TEST_P(OwnMembersTest, AddsNoDataNoPropertiesAndOnlyItsClassAttributes)
{
    const OwnMembersCase& c = GetParam();
    const fw::ClassTable& table = *c.lookup();
    EXPECT_EQ(table.instanceSize, table.parent->instanceSize);
    EXPECT_TRUE(table.properties.empty());
    EXPECT_EQ(table.attributes, c.classAttributes);
}

INSTANTIATE_TEST_SUITE_P(Classes, OwnMembersTest,
    ::testing::Values(OwnMembersCase { "App", &App::__Lookup, kAppOwn, "", {} },
        OwnMembersCase {
            "Window1", &Window1::__Lookup, kWindow1Own, "_CreateControls0", { { "__Scope", fw::String("Public") } } },
        OwnMembersCase { "MainMenuBar", &MainMenuBar::__Lookup, { "Untitled0 ()", "Untitled1 ()", "Constructor ()" },
            "", { { "__Scope", fw::String("Public") } } }),
    RowName);

// Raising each event of a class and watching what it does tells which method
// the event runs, if any.
using EventHandlerTest = ProgramTest;

// What an application event did to the shown password.
std::string EffectOnPassword(const std::string& before, const std::string& after, const std::vector<std::string>& trace)
{
    if (EntriesStartingWith(trace, "Random.InRange").size() == 200 && after != before && after.size() == 32)
        return " a new password";
    return trace.empty() ? "" : " something else";
}

// Each handled event with what its handler does; the others do nothing.
std::vector<std::string> ExpectedEffects(
    const std::vector<std::string>& events, const std::map<std::string, std::string>& handled)
{
    std::vector<std::string> expected;
    for (const std::string& event : events)
        expected.push_back(event + ":" + (handled.contains(event) ? handled.at(event) : ""));
    return expected;
}

TEST_F(EventHandlerTest, OnlyTheApplicationsOpenRunsProgramCodeAndItMakesAPassword)
{
    const Ref<fw::Application> application = fw::getAppObject();
    std::vector<std::string> observed;
    for (std::size_t index = 0; index < kApplicationEvents.size(); ++index) {
        const std::string before = Password();
        Trace().Clear();
        application->RaiseEvent(static_cast<fw::Application::Event>(index));
        ASSERT_FALSE(fw::HasPendingException()) << kApplicationEvents[index];
        // Taken before reading the password, which is traced too.
        const std::vector<std::string> trace = Trace().Entries();
        observed.push_back(kApplicationEvents[index] + ":" + EffectOnPassword(before, Password(), trace));
    }
    EXPECT_EQ(observed, ExpectedEffects(kApplicationEvents, { { "Open", " a new password" } }));
}

// What an event did to a new, unconstructed window.
std::string EffectOnNewWindow(const Window1& window, const std::vector<std::string>& trace)
{
    std::string effect;
    if (window.MenuBar().get() == MainMenuBar_implicitInstance::Held().get()
        && window.Title().Bytes() == "Password Generator")
        effect += " the menu bar and the window's properties";
    if (window.Controls().size() == 7)
        effect += " the seven controls";
    if (CountOf(trace, "Quit 0") == 1)
        effect += " quit";
    if (effect.empty() && !trace.empty())
        effect = " something else";
    return effect;
}

TEST_F(EventHandlerTest, WindowEventsRunOnlyTheirOwnHandlers)
{
    const fw::ClassTable& table = *Window1::__Lookup();
    std::vector<std::string> observed;
    for (std::size_t index = 0; index < kWindowEvents.size(); ++index) {
        const Ref<Window1> window = fw::RuntimeCheckCast<Window1>(fw::RuntimeNewObject(&table), &table);
        Trace().Clear();
        // As the framework raises a window's event: the class's handler, if
        // it binds one, with the window.
        if (const fw::Thunk* handler = table.EventHandler(static_cast<int>(index)))
            (*handler)(*window, {});
        observed.push_back(kWindowEvents[index] + ":" + EffectOnNewWindow(*window, Trace().Entries()));
        // The controls' handlers hold the window: dropping the controls lets
        // it go.
        window->ReleaseControls();
    }

    EXPECT_EQ(observed,
        ExpectedEffects(kWindowEvents,
            { { "Close", " quit" }, { "CreateControls", " the seven controls" },
                { "Layout", " the menu bar and the window's properties" } }));
}

} // namespace
} // namespace pwgen
