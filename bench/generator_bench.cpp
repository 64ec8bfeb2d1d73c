// What a password and the user's actions cost, offscreen, next to the bare
// parts a password is made of, all in one run so that the ratios hold on a
// noisy machine. The debug log is on and standard error goes to /dev/null,
// so each password's 200 log writes are measured.
//
//   generator_bench [--benchmark_repetitions=N ...]
//
// After the table it prints each goal with the measured ratio.
#include "program_session.h"
#include "services/debug_log_testing.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QSlider>
#include <QTest>
#include <QTextEdit>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace pwgen::harness {
namespace {

constexpr int kPicks = 200;
// Every character the program may use, with all three boxes on.
constexpr char kAllCharacters[] = "qwertyuiopasdfghjklzxcvbnmQWERTYUIOPASDFGHJKLZXCVBNM1234567890!#$%&/()=?*+-:;,.";
constexpr std::uint32_t kAllCount = sizeof(kAllCharacters) - 1;
static_assert(kAllCount == 79);
// The two lengths measured: the slider's start and its maximum.
constexpr int kStartLength = 32;
constexpr int kMaxLength = 200;

using Clock = std::chrono::steady_clock;

// The benchmarks' names, which the goals look up.
constexpr char kPasswordNoCopy[] = "password, copy=false";
constexpr char kPasswordCopy[] = "password, copy=true";
constexpr char kSliderKey[] = "slider key to repainted password";
constexpr char kCheckBoxClick[] = "check-box click to repainted password";
constexpr char kBareSetPlainText[] = "bare QTextEdit::setPlainText";
constexpr char kBareDraws[] = "bare 200 arc4random_uniform(79)";
constexpr char kBareWrites[] = "bare 200 write(2) to /dev/null";

// Runs the pending events (the repaints), as the event loop would between
// two of the user's actions.
void RunPendingEvents() { QCoreApplication::processEvents(); }

// Times `timed` alone in every iteration; `between` runs outside the clock.
template <class Timed, class Between> void TimeOnly(benchmark::State& state, Timed timed, Between between)
{
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        timed();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        between();
    }
}

// Puts the slider at the benchmark's length from code (which raises no
// event) and back to the start after.
class SliderLength {
public:
    explicit SliderLength(std::int64_t length) { global::Window1()->PassSize()->SetValue(static_cast<int>(length)); }
    ~SliderLength() { global::Window1()->PassSize()->SetValue(kStartLength); }
    SliderLength(const SliderLength&) = delete;
    SliderLength& operator=(const SliderLength&) = delete;
};

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QWidget& TextAreaViewport() { return *WidgetOf<QAbstractScrollArea>(*global::Window1()->TextArea1()).viewport(); }

// --- the program ------------------------------------------------------------

void Password(benchmark::State& state, bool copy)
{
    const SliderLength length(state.range(0));
    TimeOnly(
        state,
        [copy] {
            Ref<App> application = global::App();
            application->assemble(application->valid_letters(), copy);
        },
        &RunPendingEvents);
    if (Len(global::Window1()->TextArea1()->Text()) != state.range(0))
        state.SkipWithError("the text area does not hold a password of the slider's length");
}

// One user action and the repaint it causes: fails the benchmark when the
// text area did not paint the new password.
template <class Act> void ActionToRepaint(benchmark::State& state, Act act)
{
    PaintCounter counter(TextAreaViewport());
    for (auto _ : state) {
        const int paintsBefore = counter.paints;
        act();
        RunPendingEvents();
        if (counter.paints == paintsBefore) {
            state.SkipWithError("the action did not repaint the text area");
            break;
        }
    }
}

void SliderKey(benchmark::State& state)
{
    const Ref<Slider> slider = global::Window1()->PassSize();
    QSlider& bar = WidgetOf<QSlider>(*slider);
    bool right = true;
    ActionToRepaint(state, [&] {
        QTest::keyClick(&bar, right ? Qt::Key_Right : Qt::Key_Left);
        right = !right;
    });
    if (Len(global::Window1()->TextArea1()->Text()) != slider->Value())
        state.SkipWithError("the text area does not hold a password of the slider's length");
}

void CheckBoxClick(benchmark::State& state)
{
    const Ref<CheckBox> box = global::Window1()->UseSymbols();
    QCheckBox& widget = WidgetOf<QCheckBox>(*box);
    const QPoint indicator = IndicatorCentre(widget);
    const bool before = box->Value();
    ActionToRepaint(state, [&] { QTest::mouseClick(&widget, Qt::LeftButton, {}, indicator); });
    if (box->Value() != (before != (state.iterations() % 2 == 1)))
        state.SkipWithError("a click did not toggle the box");
    box->SetValue(true);
}

// --- the baselines ------------------------------------------------------------

void BareSetPlainText(benchmark::State& state)
{
    QTextEdit edit;
    edit.resize(444, 89);
    edit.show();
    RunPendingEvents();
    // Two texts in turn, so that no iteration sets what is already there.
    const QString all = QString::fromLatin1(kAllCharacters);
    const std::int64_t length = state.range(0);
    const QString texts[] = { (all + all + all).left(length), (all + all + all).right(length) };
    int next = 0;
    TimeOnly(
        state,
        [&] {
            edit.setPlainText(texts[next]);
            next = 1 - next;
        },
        &RunPendingEvents);
}

void Draws(benchmark::State& state)
{
    for (auto _ : state) {
        for (int pick = 0; pick < kPicks; ++pick)
            benchmark::DoNotOptimize(arc4random_uniform(kAllCount));
    }
}

void Writes(benchmark::State& state)
{
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (devNull < 0) {
        state.SkipWithError("cannot open /dev/null");
        return;
    }
    static constexpr char kLine[] = "42picked\n";
    for (auto _ : state) {
        for (int pick = 0; pick < kPicks; ++pick)
            benchmark::DoNotOptimize(::write(devNull, kLine, sizeof(kLine) - 1));
    }
    ::close(devNull);
}

// --- the goals ----------------------------------------------------------------

// The console table, and each benchmark's real time per iteration kept (the
// median when repeated) for the goals printed after it.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal.
    GoalReporter()
        : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
    { }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Iteration)
                samples_[run.run_name.str()].push_back(run.GetAdjustedRealTime());
            else if (run.aggregate_name == "median")
                medians_[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }

    // The median time of a benchmark in microseconds, or a negative number
    // when it did not run.
    double Micros(const std::string& name) const
    {
        if (const auto median = medians_.find(name); median != medians_.end())
            return median->second;
        const auto found = samples_.find(name);
        if (found == samples_.end())
            return -1;
        std::vector<double> values = found->second;
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return values[values.size() / 2];
    }

    void PrintGoals() const
    {
        std::printf("\nGoals (median real time per iteration):\n");
        for (const int length : { kStartLength, kMaxLength })
            PrintPasswordGoal(length);
        const double slider = Micros(kSliderKey);
        if (slider >= 0)
            std::printf(
                "  %s: %.1f us, goal under 1000 us: %s\n", kSliderKey, slider, slider < 1000 ? "met" : "MISSED");
    }

private:
    void PrintPasswordGoal(int length) const
    {
        const std::string suffix = "/" + std::to_string(length) + "/manual_time";
        const double whole = Micros(kPasswordNoCopy + suffix);
        const double text = Micros(kBareSetPlainText + suffix);
        const double draws = Micros(kBareDraws);
        const double writes = Micros(kBareWrites);
        if (whole < 0 || text < 0 || draws < 0 || writes < 0)
            return;
        const double parts = draws + writes + text;
        const double ratio = whole / parts;
        std::printf("  password of %d, copy=false: %.1f us; parts %.1f us (draws %.1f + writes %.1f + "
                    "setPlainText %.1f); ratio %.2f, goal within 1.3: %s\n",
            length, whole, parts, draws, writes, text, ratio, ratio <= 1.3 ? "met" : "MISSED");
    }

    std::map<std::string, std::vector<double>> samples_;
    std::map<std::string, double> medians_; // from repetitions
};

// Points standard error at /dev/null while it lives.
class QuietStandardError {
public:
    QuietStandardError()
        : saved_(::dup(STDERR_FILENO))
    {
        const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ < 0 || devNull < 0 || ::dup2(devNull, STDERR_FILENO) < 0) {
            std::perror("cannot send standard error to /dev/null");
            std::exit(1);
        }
        ::close(devNull);
    }
    ~QuietStandardError()
    {
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_;
};

// Both lengths, timed by TimeOnly.
void AtBothLengths(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(kStartLength)->Arg(kMaxLength)->UseManualTime();
}

void RegisterAll()
{
    using benchmark::kMicrosecond;
    benchmark::RegisterBenchmark(kPasswordNoCopy, &Password, false)->Apply(&AtBothLengths)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark(kPasswordCopy, &Password, true)->Apply(&AtBothLengths)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark(kSliderKey, &SliderKey)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark(kCheckBoxClick, &CheckBoxClick)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark(kBareSetPlainText, &BareSetPlainText)->Apply(&AtBothLengths)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark(kBareDraws, &Draws)->Unit(kMicrosecond);
    benchmark::RegisterBenchmark(kBareWrites, &Writes)->Unit(kMicrosecond);
}

} // namespace
} // namespace pwgen::harness

int main(int argc, char** argv)
{
    using namespace pwgen::harness;
    // Offscreen unless the caller chose a platform.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    // The run time makes the QApplication; the window shows its first
    // password before the debug log goes on.
    const ProgramSession session;
    RunPendingEvents();
    const fw::testing::ScopedDebugLogRules debugLogOn("framework.debuglog.debug=true");

    RegisterAll();
    GoalReporter reporter;
    {
        const QuietStandardError quiet;
        benchmark::RunSpecifiedBenchmarks(&reporter);
    }
    reporter.PrintGoals();
    benchmark::Shutdown();
    return 0;
}
