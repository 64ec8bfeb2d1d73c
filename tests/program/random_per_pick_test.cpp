// Every pick of a password draws from a Random object made for that pick:
// 200 new objects per password, whatever made the password. The run time's
// trace records each object it makes (RuntimeNewObject) and each draw.
#include "program_fixture.h"
#include "row_name.h"

#include <Qt>

#include <string>
#include <vector>

namespace pwgen {
namespace {

using namespace pwgen::testing;

constexpr int kPicksPerPassword = 200;

// The Random objects made and the draws from them, in order: "new" for each
// object, "draw" for each InRange.
std::vector<std::string> RandomObjectsAndDraws(const std::vector<std::string>& trace)
{
    std::vector<std::string> steps;
    for (const std::string& entry : trace) {
        if (entry == "RuntimeNewObject Random")
            steps.emplace_back("new");
        else if (entry.starts_with("Random.InRange "))
            steps.emplace_back("draw");
    }
    return steps;
}

// One password: a new object, then one draw from it, for every pick.
std::vector<std::string> OnePasswordOfPicks()
{
    std::vector<std::string> steps;
    for (int pick = 0; pick < kPicksPerPassword; ++pick) {
        steps.emplace_back("new");
        steps.emplace_back("draw");
    }
    return steps;
}

struct ActionCase {
    const char* name;
    void (*act)(Window1& window);
    friend void PrintTo(const ActionCase& row, std::ostream* os) { *os << row.name; }
};

// The program started; the application's Open, its first password, is the
// test's to raise.
class RandomPerPickTest : public ProgramTest, public ::testing::WithParamInterface<ActionCase> {
protected:
    void SetUp() override { StartProgram(); }

    std::vector<std::string> TakeRandomObjectsAndDraws()
    {
        std::vector<std::string> steps = RandomObjectsAndDraws(Trace().Entries());
        Trace().Clear();
        return steps;
    }
};

TEST_P(RandomPerPickTest, EveryPasswordMakesANewRandomObjectForEachPick)
{
    Trace().Clear();
    RaiseOpen();
    EXPECT_EQ(TakeRandomObjectsAndDraws(), OnePasswordOfPicks()) << "the first password, at Open";

    // Twice: an object kept from one password would serve the next.
    for (int time = 1; time <= 2; ++time) {
        SCOPED_TRACE(time);
        GetParam().act(*Window());
        EXPECT_EQ(TakeRandomObjectsAndDraws(), OnePasswordOfPicks());
    }
}

INSTANTIATE_TEST_SUITE_P(Actions, RandomPerPickTest,
    ::testing::Values(ActionCase { "useCapsClick", [](Window1& w) { ClickOn(*w.UseCaps()); } },
        ActionCase { "sliderKey", [](Window1& w) { QTest::keyClick(w.PassSize()->Widget(), Qt::Key_Left); } },
        ActionCase { "generateClick", [](Window1& w) { ClickOn(*w.Generate()); } }),
    RowName);

} // namespace
} // namespace pwgen
