// Random user actions on the program's window, through Qt's input events:
// box clicks, slider keys, and pushes of the button by mouse and by Return.
// After every action the text area must hold a password of the slider's
// length from the characters the boxes allow, the label must give that
// length, and the clipboard must have changed only on a push. The resident
// memory is printed after a warm-up, at every 10,000 actions and at the end.
//
//   stress_test [--actions=N] [--seed=N] [gtest flags]
//
// The run prints its seed; the same seed and count repeat the same actions.
#include "program_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace pwgen::testing {
namespace {

// The slider of the window's record.
constexpr int kMinimum = 8;
constexpr int kMaximum = 200;
constexpr int kStart = 32;
constexpr int kLineStep = 2;
constexpr int kPageStep = 20;

constexpr std::uint64_t kWarmUpActions = 1000;
constexpr std::uint64_t kCheckpointEvery = 10000;

// --- options ------------------------------------------------------------------

struct Options {
    std::uint64_t actions = 10000;
    std::uint64_t seed = 20240611;
};

// The value of `--name=N` in `argument`, into `value`; false for another
// argument.
bool ReadFlag(const QString& argument, const char* name, std::uint64_t& value)
{
    const QString prefix = QString("--%1=").arg(name);
    if (!argument.startsWith(prefix))
        return false;
    bool ok = false;
    value = argument.mid(prefix.size()).toULongLong(&ok);
    if (!ok)
        ADD_FAILURE() << "not a number: " << argument.toStdString();
    return true;
}

// The flags that the test main left to the QApplication.
Options ReadOptions()
{
    Options options;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        if (!ReadFlag(argument, "actions", options.actions) && !ReadFlag(argument, "seed", options.seed))
            ADD_FAILURE() << "unknown argument " << argument.toStdString() << "; use --actions=N --seed=N";
    }
    return options;
}

// --- actions and what they should do ------------------------------------------

enum class Kind { ClickBox, SliderKey, ClickButton, PressReturn };

struct Action {
    const char* name;
    // How often it comes, against the others.
    double weight;
    Kind kind;
    int box = 0; // for ClickBox: UseCaps, UseNumbers, UseSymbols
    Qt::Key key = Qt::Key_unknown; // for SliderKey
};

// Home and End are rare, so that the slider walks through every length
// between its ends rather than jumping back to them.
const Action kActions[] = {
    { "click UseCaps", 1, Kind::ClickBox, 0 },
    { "click UseNumbers", 1, Kind::ClickBox, 1 },
    { "click UseSymbols", 1, Kind::ClickBox, 2 },
    { "slider Right", 2, Kind::SliderKey, 0, Qt::Key_Right },
    { "slider Left", 2, Kind::SliderKey, 0, Qt::Key_Left },
    { "slider Up", 2, Kind::SliderKey, 0, Qt::Key_Up },
    { "slider Down", 2, Kind::SliderKey, 0, Qt::Key_Down },
    { "slider PageUp", 1, Kind::SliderKey, 0, Qt::Key_PageUp },
    { "slider PageDown", 1, Kind::SliderKey, 0, Qt::Key_PageDown },
    { "slider Home", 0.1, Kind::SliderKey, 0, Qt::Key_Home },
    { "slider End", 0.1, Kind::SliderKey, 0, Qt::Key_End },
    { "click Generate", 1, Kind::ClickButton },
    { "Return", 1, Kind::PressReturn },
};

// What the controls should show: the boxes' states and the slider's value.
struct Model {
    std::array<bool, 3> boxes { true, true, true };
    int length = kStart;

    std::string Allowed() const { return AllowedLetters(boxes[0], boxes[1], boxes[2]); }
};

int SliderAfter(int value, Qt::Key key)
{
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        return std::min(value + kLineStep, kMaximum);
    case Qt::Key_Left:
    case Qt::Key_Down:
        return std::max(value - kLineStep, kMinimum);
    case Qt::Key_PageUp:
        return std::min(value + kPageStep, kMaximum);
    case Qt::Key_PageDown:
        return std::max(value - kPageStep, kMinimum);
    case Qt::Key_Home:
        return kMinimum;
    default:
        return kMaximum;
    }
}

bool IsPush(const Action& action) { return action.kind == Kind::ClickButton || action.kind == Kind::PressReturn; }

Ref<CheckBox> Box(int index)
{
    Ref<Window1> window = global::Window1();
    return index == 0 ? window->UseCaps() : index == 1 ? window->UseNumbers() : window->UseSymbols();
}

// Whether the box's widget shows it checked.
bool ShownChecked(const CheckBox& box) { return qobject_cast<QCheckBox*>(box.Widget())->isChecked(); }

void Perform(const Action& action)
{
    Ref<Window1> window = global::Window1();
    switch (action.kind) {
    case Kind::ClickBox:
        ClickOn(*Box(action.box));
        break;
    case Kind::SliderKey:
        QTest::keyClick(window->PassSize()->Widget(), action.key);
        break;
    case Kind::ClickButton:
        ClickOn(*window->Generate());
        break;
    case Kind::PressReturn:
        QTest::keyClick(window->TopLevelWidget(), Qt::Key_Return);
        break;
    }
    // The repaints and whatever else the event loop would run next.
    QCoreApplication::processEvents();
}

// --- what the window shows ------------------------------------------------------

struct Shown {
    std::string text;
    std::string clipboard;
};

Shown Look() { return { global::Window1()->TextArea1()->Text().Bytes(), ClipboardText() }; }

// Every rule, after `action` took the window from `before` to `after`.
::testing::AssertionResult Consistent(
    const Model& model, const Action& action, bool newPassword, const Shown& before, const Shown& after)
{
    if (HasPendingException())
        return ::testing::AssertionFailure() << "a handler failed";
    Ref<Window1> window = global::Window1();
    for (int i = 0; i < 3; ++i) {
        const Ref<CheckBox> box = Box(i);
        if (box->Value() != model.boxes[i] || ShownChecked(*box) != model.boxes[i])
            return ::testing::AssertionFailure() << box->Name().Bytes() << " is not " << model.boxes[i];
    }
    if (const int value = window->PassSize()->Value(); value != model.length)
        return ::testing::AssertionFailure() << "the slider is at " << value << ", not " << model.length;
    if (const std::string label = window->Label1()->Text().Bytes();
        label != std::to_string(model.length) + " chars long")
        return ::testing::AssertionFailure() << "the label reads '" << label << "' at " << model.length;

    const std::string& text = after.text;
    if (text.size() != static_cast<std::size_t>(model.length))
        return ::testing::AssertionFailure() << "'" << text << "' has not " << model.length << " characters";
    if (!AllCharactersIn(text, model.Allowed()))
        return ::testing::AssertionFailure() << "'" << text << "' has a character the boxes do not allow";
    // A repeat of the whole password is as likely as 26^-8: it means no new
    // one was made.
    if (newPassword == (text == before.text))
        return ::testing::AssertionFailure() << (newPassword ? "no new password" : "a new password unasked");

    if (!IsPush(action)) {
        if (after.clipboard != before.clipboard)
            return ::testing::AssertionFailure() << "the clipboard changed without a push";
        return ::testing::AssertionSuccess();
    }
    if (after.clipboard != text)
        return ::testing::AssertionFailure() << "the clipboard holds '" << after.clipboard << "', not '" << text << "'";
    const Ref<TextArea> area = window->TextArea1();
    if (area->SelStart() != 0 || area->SelLength() != model.length)
        return ::testing::AssertionFailure() << "selected " << area->SelLength() << " from " << area->SelStart();
    return ::testing::AssertionSuccess();
}

// --- memory -----------------------------------------------------------------------

// A line of /proc/self/status such as VmRSS, in KiB.
long StatusKib(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    ADD_FAILURE() << "no " << field << " in /proc/self/status";
    return 0;
}

long PrintMemory(std::uint64_t actions)
{
    const long rss = StatusKib("VmRSS");
    std::cout << "after " << actions << " actions: VmRSS " << rss << " KiB, VmHWM " << StatusKib("VmHWM") << " KiB"
              << std::endl;
    return rss;
}

#if defined(__SANITIZE_ADDRESS__)
// Freed memory waits in the sanitizer's quarantine, so the resident size
// grows without a leak; LeakSanitizer checks for leaks at exit instead.
constexpr bool kBoundResidentGrowth = false;
#else
constexpr bool kBoundResidentGrowth = true;
#endif
constexpr long kResidentGrowthBoundKib = 20 * 1024;

// The program runs from the fixture's start-up to its Open event, as in the
// program's tests.
class StressTest : public ProgramTest { };

TEST_F(StressTest, RandomUserActionsKeepPasswordLabelAndClipboardConsistent)
{
    // Recording every call of so many actions would cost.
    StopTrace();
    const Options options = ReadOptions();
    ASSERT_FALSE(HasFailure()) << "bad arguments";
    ASSERT_GT(options.actions, 0u) << "no actions to run";
    std::cout << "stress: " << options.actions << " actions from seed " << options.seed
              << " (again with --actions=" << options.actions << " --seed=" << options.seed << ")" << std::endl;
    std::mt19937_64 choose(options.seed);
    std::vector<double> weights;
    for (const Action& action : kActions)
        weights.push_back(action.weight);
    std::discrete_distribution<std::size_t> anyAction(weights.begin(), weights.end());

    QCoreApplication::processEvents();
    Model model;
    Shown before = Look();
    long warmRss = 0;
    for (std::uint64_t done = 0; done < options.actions;) {
        const Action& action = kActions[anyAction(choose)];
        bool newPassword = true;
        if (action.kind == Kind::ClickBox) {
            model.boxes[action.box] = !model.boxes[action.box];
        } else if (action.kind == Kind::SliderKey) {
            const int length = SliderAfter(model.length, action.key);
            newPassword = length != model.length;
            model.length = length;
        }
        Perform(action);
        const Shown after = Look();
        ++done;
        ASSERT_TRUE(Consistent(model, action, newPassword, before, after))
            << "after action " << done << " (" << action.name << "), seed " << options.seed;
        before = after;

        if (done == std::min(kWarmUpActions, options.actions))
            warmRss = PrintMemory(done);
        else if (done % kCheckpointEvery == 0 || done == options.actions)
            PrintMemory(done);
    }
    const long endRss = StatusKib("VmRSS");
    if (kBoundResidentGrowth) {
        EXPECT_LT(endRss - warmRss, kResidentGrowthBoundKib) << "resident memory grew from the warm-up to the end";
    }
}

} // namespace
} // namespace pwgen::testing
