// The menu bar: its tree and shortcuts, the one global instance, and the
// window's accessors of its items.
#include "program_fixture.h"
#include "row_name.h"

#include "runtime/exception.h"

#include <ostream>
#include <string>
#include <vector>

namespace pwgen {
namespace {

using namespace pwgen::testing;

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

TEST_F(MenuBarTest, BuildsTheFileMenuThenTheEditMenu)
{
    const Ref<MainMenuBar> bar = global::MainMenuBar();

    EXPECT_EQ(DescribeTree(*bar),
        (std::vector<std::string> {
            "/FileMenu \"&File\" MenuItem []",
            "FileMenu/FileQuit \"&Quit\" QuitMenuItem [Cmd+Q]",
            "/EditMenu \"&Edit\" MenuItem []",
            "EditMenu/EditUndo \"&Undo\" MenuItem [Cmd+Z]",
            "EditMenu/EditSeparator1 \"-\" MenuItem []",
            "EditMenu/EditCut \"Cu&t\" MenuItem [Cmd+X]",
            "EditMenu/EditCopy \"&Copy\" MenuItem [Cmd+C]",
            "EditMenu/EditPaste \"&Paste\" MenuItem [Cmd+V]",
            "EditMenu/EditClear \"&Delete\" MenuItem []",
            "EditMenu/EditSeparator2 \"-\" MenuItem []",
            "EditMenu/EditSelectAll \"Select &All\" MenuItem [Cmd+A]",
        }));
}

TEST_F(MenuBarTest, GivesEveryItemButTheSeparatorsItsShortcut)
{
    global::MainMenuBar();

    EXPECT_EQ(EntriesStartingWith(trace.Entries(), "MenuItem.KeyboardShortcut"),
        (std::vector<std::string> {
            "MenuItem.KeyboardShortcut FileMenu ",
            "MenuItem.KeyboardShortcut FileQuit Cmd+Q",
            "MenuItem.KeyboardShortcut EditMenu ",
            "MenuItem.KeyboardShortcut EditUndo Cmd+Z",
            "MenuItem.KeyboardShortcut EditCut Cmd+X",
            "MenuItem.KeyboardShortcut EditCopy Cmd+C",
            "MenuItem.KeyboardShortcut EditPaste Cmd+V",
            "MenuItem.KeyboardShortcut EditClear ",
            "MenuItem.KeyboardShortcut EditSelectAll Cmd+A",
        }));
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

class MenuBarFailureTest : public MenuBarTest, public ::testing::WithParamInterface<const char*> { };

TEST_P(MenuBarFailureTest, FailedBuildHoldsNothingAndTheNextRequestBuildsAnew)
{
    trace.FailOn(GetParam());

    EXPECT_THROW(global::MainMenuBar(), fw::RaisedException);
    EXPECT_EQ(MainMenuBar_implicitInstance::Held(), nullptr);

    const Ref<MainMenuBar> bar = global::MainMenuBar();
    EXPECT_EQ(MainMenuBar_implicitInstance::Held(), bar);
    ASSERT_EQ(bar->Children().size(), 2u);
    EXPECT_EQ(bar->Children()[1]->Children().size(), 8u);
}

// The first append of the File menu, and a look-up inside the Edit menu
// after the File menu is complete.
INSTANTIATE_TEST_SUITE_P(Operations, MenuBarFailureTest, ::testing::Values("MenuItem.Append", "MenuItem.Child"),
    [](const auto& info) { return std::string(info.param).substr(std::string("MenuItem.").size()); });

using SharedMenuBarTest = ProgramTest;

TEST_F(SharedMenuBarTest, ApplicationAndWindowShowTheOneBar)
{
    const Ref<fw::MenuBar> bar = global::MainMenuBar();
    EXPECT_EQ(global::App()->MenuBar(), bar);
    EXPECT_EQ(Window()->MenuBar(), bar);
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
