// The Quit item ends the event loop through the framework's quit, with exit
// status 0, however the user chooses it.
#include "menu_fixture.h"
#include "row_name.h"

#include "runtime/trace.h"

#include <algorithm>

namespace fw::test {
namespace {

// The ways a user chooses Quit.
void Trigger(MenuTest& test) { test.Action("FileQuit").trigger(); }
void ClickInTheMenu(MenuTest& test)
{
    QMenu& file = test.Menu("&File");
    test.Open(file);
    MenuTest::Click(file, test.Action("FileQuit"));
}
void MnemonicInTheMenu(MenuTest& test)
{
    QMenu& file = test.Menu("&File");
    test.Open(file);
    QTest::keyClick(&file, Qt::Key_Q);
}
void CtrlQ(MenuTest& test) { QTest::keyClick(&test.Editor(), Qt::Key_Q, Qt::ControlModifier); }

struct ChoiceCase {
    const char* name;
    void (*choose)(MenuTest& test);
    friend void PrintTo(const ChoiceCase& row, std::ostream* os) { *os << row.name; }
};

class QuitItemTest : public MenuTest, public ::testing::WithParamInterface<ChoiceCase> { };

TEST_P(QuitItemTest, EndsTheEventLoopWithStatusZero)
{
    TraceRecorder trace;

    EXPECT_EQ(RunLoop([this] { GetParam().choose(*this); }), 0);
    const std::vector<std::string>& entries = trace.Entries();
    EXPECT_NE(std::find(entries.begin(), entries.end(), "QuitMenuAction FileQuit"), entries.end())
        << "the loop did not end through the quit item";
}

INSTANTIATE_TEST_SUITE_P(Choices, QuitItemTest,
    ::testing::Values(ChoiceCase { "triggered", Trigger }, ChoiceCase { "clickedInTheMenu", ClickInTheMenu },
        ChoiceCase { "mnemonicInTheMenu", MnemonicInTheMenu }, ChoiceCase { "ctrlQ", CtrlQ }),
    RowName);

} // namespace
} // namespace fw::test
