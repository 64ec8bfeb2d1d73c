// The menu bar: its tree, how each item is built, what a failed build
// leaves, what the window shows of it, the one global instance, and the
// window's accessors of its items.
#include "expected_menus.h"
#include "program_fixture.h"
#include "row_name.h"

#include "runtime/exception.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <ostream>
#include <string>
#include <vector>

namespace pwgen {
namespace {

using namespace pwgen::testing;
using namespace test_support::menus;

// Each test starts and ends with no bar held.
class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override { MainMenuBar_implicitInstance::__Exit(); }
    void TearDown() override { MainMenuBar_implicitInstance::__Exit(); }

    fw::TraceRecorder trace;
};

// "menu/name "text" class [shortcut]" for every menu and item, in order.
std::vector<std::string> DescribeTree(const fw::MenuItem& bar)
{
    std::vector<std::string> rows;
    const auto describe = [&rows](const std::string& menu, const fw::MenuItem& item) {
        EXPECT_TRUE(item.AutoEnable()) << item.Name().Bytes();
        EXPECT_TRUE(item.Visible()) << item.Name().Bytes();
        rows.push_back(menu + "/" + item.Name().Bytes() + " \"" + item.Text().Bytes() + "\" " + item.Class()->name
            + " [" + item.KeyboardShortcut().Bytes() + "]");
    };
    for (const Ref<fw::MenuItem>& menu : bar.Children()) {
        describe("", *menu);
        for (const Ref<fw::MenuItem>& item : menu->Children()) {
            describe(menu->Name().Bytes(), *item);
            EXPECT_TRUE(item->Children().empty()) << item->Name().Bytes();
        }
    }
    return rows;
}

// DescribeTree's rows for the menu table.
std::vector<std::string> ExpectedTree()
{
    std::vector<std::string> rows;
    for (const MenuEntry& entry : kMenuBar) {
        rows.push_back(std::string(entry.menu ? entry.menu : "") + "/" + entry.name + " \"" + entry.text + "\" "
            + std::string(ClassName(entry.itemClass)) + " [" + (entry.shortcut ? entry.shortcut : "") + "]");
    }
    return rows;
}

TEST_F(MenuBarTest, BuildsTheFileMenuThenTheEditMenu)
{
    const Ref<MainMenuBar> bar = global::MainMenuBar();

    EXPECT_EQ(DescribeTree(*bar), ExpectedTree());
}

// The trace of building one item: created, constructed, its properties set
// in their order, then its menu looked up on the bar and the item appended.
std::vector<std::string> ExpectedBuildTrace(const MenuEntry& item)
{
    const std::string name = item.name;
    std::vector<std::string> trace = { "RuntimeNewObject " + std::string(ClassName(item.itemClass)),
        "MenuItem.Constructor", "MenuItem.Name " + name, "MenuItem.AutoEnable true",
        std::string("MenuItem.Text ") + item.text, "MenuItem.Visible true" };
    if (item.shortcut)
        trace.push_back("MenuItem.KeyboardShortcut " + name + " " + item.shortcut);
    if (item.menu) {
        trace.push_back(std::string("MenuItem.Child ") + item.menu);
        trace.push_back(std::string("MenuItem.Append ") + item.menu + " " + name);
    } else {
        trace.push_back("MenuItem.Append  " + name); // the bar has no name
    }
    return trace;
}

TEST_F(MenuBarTest, SetsEachItemsPropertiesInOrderBeforeAttachingIt)
{
    global::MainMenuBar();

    std::vector<std::string> expected = { "RuntimeNewObject MainMenuBar.MainMenuBar" };
    for (const MenuEntry& item : kMenuBar) {
        const std::vector<std::string> built = ExpectedBuildTrace(item);
        expected.insert(expected.end(), built.begin(), built.end());
    }
    std::vector<std::string> building;
    for (const std::string& entry : trace.Entries()) {
        if (entry.starts_with("RuntimeNewObject") || entry.starts_with("MenuItem."))
            building.push_back(entry);
    }
    EXPECT_EQ(building, expected);
}

TEST_F(MenuBarTest, ExitReleasesTheHeldBarAndThenDoesNothing)
{
    const Ref<MainMenuBar> first = global::MainMenuBar();
    ASSERT_EQ(MainMenuBar_implicitInstance::Held(), first);
    const int references = first->RefCount();

    MainMenuBar_implicitInstance::__Exit();
    EXPECT_EQ(MainMenuBar_implicitInstance::Held(), nullptr);
    EXPECT_EQ(first->RefCount(), references - 1);

    MainMenuBar_implicitInstance::__Exit();
    EXPECT_EQ(MainMenuBar_implicitInstance::Held(), nullptr);
    EXPECT_EQ(first->RefCount(), references - 1);

    // Asked for again, a new bar is built.
    const Ref<MainMenuBar> second = global::MainMenuBar();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->Children().size(), 2u);
}

struct FailureCase {
    const char* name;
    std::string operation;
    // The failing call of the operation, counted from 1.
    int occurrence;
    // "menu/item" for every item still in the bar after the failure.
    std::vector<std::string> kept;
    friend void PrintTo(const FailureCase& row, std::ostream* os) { *os << row.name; }
};

class MenuBarFailureTest : public MenuBarTest, public ::testing::WithParamInterface<FailureCase> { };

TEST_P(MenuBarFailureTest, FailedBuildHoldsNothingAndTheNextRequestBuildsAnew)
{
    trace.FailOn(GetParam().operation, GetParam().occurrence);

    EXPECT_THROW(global::MainMenuBar(), fw::RaisedException);
    EXPECT_EQ(MainMenuBar_implicitInstance::Held(), nullptr);

    const Ref<MainMenuBar> bar = global::MainMenuBar();
    EXPECT_EQ(MainMenuBar_implicitInstance::Held(), bar);
    ASSERT_EQ(bar->Children().size(), 2u);
    EXPECT_EQ(bar->Children()[1]->Children().size(), 8u);
}

TEST_P(MenuBarFailureTest, KeepsExactlyTheItemsAppendedBeforeTheFailure)
{
    const fw::ClassTable* table = MainMenuBar::__Lookup();
    const Ref<MainMenuBar> bar = fw::RuntimeCheckCast<MainMenuBar>(fw::RuntimeNewObject(table), table);
    trace.FailOn(GetParam().operation, GetParam().occurrence);

    EXPECT_THROW(bar->Constructor(), fw::RaisedException);

    std::vector<std::string> kept;
    for (const Ref<fw::MenuItem>& menu : bar->Children()) {
        kept.push_back(menu->Name().Bytes());
        for (const Ref<fw::MenuItem>& item : menu->Children())
            kept.push_back(menu->Name().Bytes() + "/" + item->Name().Bytes());
    }
    EXPECT_EQ(kept, GetParam().kept);
}

const std::vector<std::string> kFileMenuBuilt = { "FileMenu", "FileMenu/FileQuit" };

std::vector<std::string> FileMenuAndEditMenuUpTo(std::vector<std::string> editItems)
{
    std::vector<std::string> kept = kFileMenuBuilt;
    kept.push_back("EditMenu");
    for (const std::string& item : editItems)
        kept.push_back("EditMenu/" + item);
    return kept;
}

INSTANTIATE_TEST_SUITE_P(Operations, MenuBarFailureTest,
    ::testing::Values(FailureCase { "firstAppend", "MenuItem.Append", 1, {} },
        FailureCase { "fileMenuLookup", "MenuItem.Child", 1, { "FileMenu" } },
        FailureCase { "editMenuAppend", "MenuItem.Append", 3, kFileMenuBuilt },
        // The sixth append is EditCut's, the seventh look-up EditClear's menu,
        // the ninth shortcut EditSelectAll's.
        FailureCase {
            "editCutAppend", "MenuItem.Append", 6, FileMenuAndEditMenuUpTo({ "EditUndo", "EditSeparator1" }) },
        FailureCase { "editClearLookup", "MenuItem.Child", 7,
            FileMenuAndEditMenuUpTo({ "EditUndo", "EditSeparator1", "EditCut", "EditCopy", "EditPaste" }) },
        FailureCase { "editSelectAllShortcut", "MenuItem.KeyboardShortcut", 9,
            FileMenuAndEditMenuUpTo(
                { "EditUndo", "EditSeparator1", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSeparator2" }) }),
    RowName);

using SharedMenuBarTest = ProgramTest;

TEST_F(SharedMenuBarTest, ApplicationAndWindowShowTheOneBar)
{
    const Ref<fw::MenuBar> bar = global::MainMenuBar();
    EXPECT_EQ(global::App()->MenuBar(), bar);
    EXPECT_EQ(Window()->MenuBar(), bar);
}

// What the user sees in the window's menu bar: each menu's title, then its
// entries, a separator as a line.
std::vector<std::string> DescribeQtMenus(const QMenuBar& bar)
{
    std::vector<std::string> rows;
    for (const QAction* title : bar.actions()) {
        rows.push_back(title->text().toStdString() + (title->isVisible() ? "" : " (hidden)"));
        const QMenu* menu = title->menu();
        if (!menu)
            continue;
        for (const QAction* action : menu->actions()) {
            std::string row = action->isSeparator() ? "  ----"
                                                    : "  " + action->text().toStdString() + " ["
                    + action->shortcut().toString(QKeySequence::PortableText).toStdString() + "]";
            if (!action->isVisible())
                row += " (hidden)";
            if (!action->isEnabled())
                row += " (disabled)";
            rows.push_back(row);
        }
    }
    return rows;
}

TEST_F(SharedMenuBarTest, TheWindowShowsFileThenEditWithTheirItemsInOrder)
{
    auto* mainWindow = qobject_cast<QMainWindow*>(Window()->TopLevelWidget());
    ASSERT_NE(mainWindow, nullptr);
    const QMenuBar* bar = mainWindow->menuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());

    std::vector<std::string> expected;
    for (const MenuEntry& entry : kMenuBar) {
        if (!entry.menu)
            expected.push_back(entry.text);
        else if (IsSeparator(entry))
            expected.push_back("  ----");
        else
            expected.push_back("  " + std::string(entry.text) + " [" + ShownShortcut(entry) + "]");
    }
    EXPECT_EQ(DescribeQtMenus(*bar), expected);
}

struct AccessorCase {
    const char* name;
    Ref<fw::MenuItem> (*get)(Window1&);
    const fw::ClassTable* (*itemClass)();
    friend void PrintTo(const AccessorCase& row, std::ostream* os) { *os << row.name; }
};

class MenuItemAccessorTest : public ProgramTest, public ::testing::WithParamInterface<AccessorCase> { };

TEST_P(MenuItemAccessorTest, GivesTheItemOfItsNameOnTheWindowsBar)
{
    const AccessorCase& c = GetParam();
    const Ref<Window1> window = Window();

    const Ref<fw::MenuItem> item = c.get(*window);

    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Name().Bytes(), c.name);
    EXPECT_EQ(item->Class(), c.itemClass());
    EXPECT_EQ(c.get(*window), item);
    const fw::MenuItem* root = item.get();
    while (root->Parent())
        root = root->Parent();
    EXPECT_EQ(root, window->MenuBar().get());
}

TEST_P(MenuItemAccessorTest, LooksTheNameUpOnceWithTheFormThatTakesTheNameAlone)
{
    const Ref<Window1> window = Window();
    Trace().Clear();

    GetParam().get(*window);

    // The form with an occurrence would add it to the entry: "... EditCopy 0".
    EXPECT_EQ(EntriesStartingWith(Trace().Entries(), "MenuItem._Lookup"),
        std::vector<std::string> { "MenuItem._Lookup " + std::string(GetParam().name) });
}

TEST_P(MenuItemAccessorTest, RaisesNilObjectExceptionWhenTheWindowHasNoBar)
{
    const Ref<Window1> window = Window();
    window->SetMenuBar(nullptr);
    try {
        GetParam().get(*window);
        ADD_FAILURE() << "nothing was raised";
    } catch (const fw::RaisedException& raised) {
        EXPECT_TRUE(fw::RuntimeObjectIsa(raised.Exception().get(), fw::NilObjectException::__Lookup()))
            << raised.what();
    }
}

const fw::ClassTable* PlainItem() { return fw::MenuItem::__Lookup(); }
const fw::ClassTable* QuitItem() { return fw::QuitMenuItem::__Lookup(); }

INSTANTIATE_TEST_SUITE_P(Items, MenuItemAccessorTest,
    ::testing::Values(AccessorCase { "EditMenu", [](Window1& w) { return w.EditMenu(); }, PlainItem },
        AccessorCase { "EditSelectAll", [](Window1& w) { return w.EditSelectAll(); }, PlainItem },
        AccessorCase { "EditSeparator2", [](Window1& w) { return w.EditSeparator2(); }, PlainItem },
        AccessorCase { "EditClear", [](Window1& w) { return w.EditClear(); }, PlainItem },
        AccessorCase { "EditPaste", [](Window1& w) { return w.EditPaste(); }, PlainItem },
        AccessorCase { "EditCopy", [](Window1& w) { return w.EditCopy(); }, PlainItem },
        AccessorCase { "EditCut", [](Window1& w) { return w.EditCut(); }, PlainItem },
        AccessorCase { "EditSeparator1", [](Window1& w) { return w.EditSeparator1(); }, PlainItem },
        AccessorCase { "EditUndo", [](Window1& w) { return w.EditUndo(); }, PlainItem },
        AccessorCase { "FileMenu", [](Window1& w) { return w.FileMenu(); }, PlainItem },
        AccessorCase { "FileQuit", [](Window1& w) { return Ref<fw::MenuItem>(w.FileQuit()); }, QuitItem }),
    RowName);

} // namespace
} // namespace pwgen
