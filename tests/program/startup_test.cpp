// The whole run from main() to its exit status, the exception helper, the
// global accessors and the class set-ups.
#include "program_fixture.h"
#include "row_name.h"

#include "../support/stderr_capture.h"

#include <QObject>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace pwgen {
namespace {

using namespace pwgen::testing;

// What main() gives when a run that should have ended by itself is still in
// its event loop after `duringLoop`.
constexpr int kStillRunning = 99;

// Runs main(); `duringLoop`, when given, runs from the event loop after the
// Open event. Should the loop still run after it, it is ended with
// kStillRunning, so that such a fault fails the test instead of hanging it.
// Gives main()'s result.
int RunMain(const std::function<void()>& duringLoop = {})
{
    // A call still waiting when the run ends dies with it.
    QObject scope;
    const auto post = [&scope](std::function<void()> call) { QTimer::singleShot(0, &scope, std::move(call)); };
    // Posted before the run, so it comes before Open; what it posts comes
    // after.
    post([&] {
        post([&] {
            if (duringLoop)
                duringLoop();
            post([] { fw::Quit(kStillRunning); });
        });
    });
    return pwgen::main();
}

// Each milestone is in the trace, after the one before it.
void ExpectInOrder(const std::vector<std::string>& entries, const std::vector<std::string>& milestones)
{
    auto from = entries.begin();
    for (const std::string& milestone : milestones) {
        const auto found = std::find(from, entries.end(), milestone);
        if (found == entries.end()) {
            ADD_FAILURE() << "\"" << milestone << "\" "
                          << (CountOf(entries, milestone) ? "comes too early" : "is not in the trace");
            return;
        }
        from = found + 1;
    }
}

struct QuitCase {
    const char* name;
    void (*quit)();
    const char* quitEntry;
    int status;
    friend void PrintTo(const QuitCase& row, std::ostream* os) { *os << row.name; }
};

class WholeRunTest : public ::testing::TestWithParam<QuitCase> { };

TEST_P(WholeRunTest, StartsInOrderRunsTheLoopAndExitsWithTheQuitCode)
{
    const QuitCase& c = GetParam();
    fw::TraceRecorder trace;

    EXPECT_EQ(RunMain(c.quit), c.status);

    const std::vector<std::string>& entries = trace.Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front(), "RuntimeInit");
    EXPECT_EQ(entries.back(), "RuntimeExit");
    ExpectInOrder(entries,
        { "RuntimePerformInitializers", "RuntimeCreateDelegate ( Ptr, Ptr ) as Object", "RuntimeSetExceptionHelper",
            "RuntimeInitExternalClasses", "RuntimeAllocatePluginEntrypointsTable 0", "RuntimeNewObject App",
            "RuntimeNewObject MainMenuBar.MainMenuBar", "MenuItem.Append EditMenu EditSelectAll", "Application.MenuBar",
            "RuntimeRegisterAppObject", "RuntimeCreateDelegate (  )", "RunFrameworkInitialization",
            "Window.Constructor Window1.Window1", "RuntimeRun", "Random.InRange 1 79", c.quitEntry,
            "RuntimePerformFinalizers" });
    // The classes are registered before the first object is made.
    const auto firstObject = std::find_if(
        entries.begin(), entries.end(), [](const std::string& e) { return e.starts_with("RuntimeNewObject"); });
    EXPECT_LT(std::find(entries.begin(), entries.end(), "RuntimePerformInitializers"), firstObject);
    EXPECT_EQ(CountOf(entries, "Window.Constructor Window1.Window1"), 1);
    EXPECT_TRUE(EntriesStartingWith(entries, "RuntimeUnhandledException").empty());
}

INSTANTIATE_TEST_SUITE_P(Quits, WholeRunTest,
    ::testing::Values(QuitCase { "closeWindow", [] { global::Window1()->TopLevelWidget()->close(); }, "Quit 0", 0 },
        QuitCase { "fileQuit", [] { global::Window1()->FileQuit()->RaiseAction(); }, "QuitMenuAction FileQuit", 0 },
        QuitCase { "quitWithCode", [] { fw::Quit(3); }, "Quit 3", 3 }),
    RowName);

struct FailureCase {
    const char* name;
    const char* failOn;
    void (*duringLoop)();
    // In order, before the failure is reported.
    std::vector<std::string> reached;
    // Prefixes of entries the run must not reach.
    std::vector<std::string> skipped;
    friend void PrintTo(const FailureCase& row, std::ostream* os) { *os << row.name; }
};

class FailingRunTest : public ::testing::TestWithParam<FailureCase> { };

TEST_P(FailingRunTest, ReportsTheFailureSkipsTheRestAndStillEndsTheRunTime)
{
    const FailureCase& c = GetParam();
    fw::TraceRecorder trace;
    trace.FailOn(c.failOn);
    testsupport::StderrRedirect stderrCapture;

    const int status = RunMain(c.duringLoop ? std::function<void()>(c.duringLoop) : std::function<void()>());

    const std::string report = stderrCapture.Captured();
    EXPECT_EQ(status, 1);
    const std::string failure = std::string("RuntimeException: injected failure in ") + c.failOn;
    EXPECT_NE(report.find("unhandled exception: " + failure), std::string::npos) << report;

    const std::vector<std::string>& entries = trace.Entries();
    std::vector<std::string> milestones = c.reached;
    milestones.push_back("RuntimeUnhandledException " + failure);
    milestones.push_back("RuntimePerformFinalizers");
    ExpectInOrder(entries, milestones);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back(), "RuntimeExit");
    for (const std::string& prefix : c.skipped)
        EXPECT_EQ(EntriesStartingWith(entries, prefix), std::vector<std::string> {}) << prefix;
}

const std::vector<std::string> kAfterEarlyStartup
    = { "RuntimeRegisterAppObject", "RunFrameworkInitialization", "Window.Constructor", "RuntimeRun" };

INSTANTIATE_TEST_SUITE_P(Failures, FailingRunTest,
    ::testing::Values(FailureCase { "menuBarBuild", "MenuItem.Append", nullptr,
                          { "RuntimeSetExceptionHelper", "RuntimeNewObject App" }, kAfterEarlyStartup },
        FailureCase { "applicationMenuBar", "Application.MenuBar", nullptr,
            { "MenuItem.Append EditMenu EditSelectAll" }, kAfterEarlyStartup },
        // The late start-up fails: the loop never runs, so there is no Open.
        FailureCase { "windowBuild", "Window._AddControl", nullptr,
            { "RunFrameworkInitialization", "Window.Constructor Window1.Window1", "RuntimeRun" },
            { "Random.InRange", "Quit" } },
        // Program code fails inside the loop: the loop ends at once.
        FailureCase {
            "openEvent", "Random.InRange", nullptr, { "RuntimeRun", "Random.InRange 1 79" }, { "DebugLog", "Quit" } },
        FailureCase { "generateClick", "Clipboard.Text", [] { ClickOn(*global::Window1()->Generate()); },
            { "RuntimeRun", "Random.InRange 1 79" }, { "Clipboard.Close", "Quit" } }),
    RowName);

// The index of the first entry, or the entries' size when there is none.
std::size_t IndexOf(const std::vector<std::string>& entries, const std::string& entry)
{
    return static_cast<std::size_t>(std::find(entries.begin(), entries.end(), entry) - entries.begin());
}

// A whole run with a click on the push button, which uses Random and the
// Clipboard; then exits 0 when the trace shows every class that the run uses
// set up once, by the class registration before _Main, the framework's
// classes before the program's. Otherwise it writes what is wrong, and the
// trace, to standard error and exits 1.
[[noreturn]] void RunOnceAndCheckTheClassSetUps()
{
    std::vector<std::string> entries;
    {
        fw::TraceRecorder trace;
        RunMain([] {
            ClickOn(*global::Window1()->Generate());
            fw::Quit(0);
        });
        entries = trace.Entries();
    }
    std::string problems;
    const std::size_t registration = IndexOf(entries, "RuntimePerformInitializers");
    // _Main's first step makes the exception helper's delegate.
    const std::size_t mainStarts = IndexOf(entries, "RuntimeCreateDelegate ( Ptr, Ptr ) as Object");
    const std::size_t programSetUp = IndexOf(entries, "RuntimeNewVtable App");
    for (const char* className : { "Random", "Clipboard" }) {
        const std::string setUp = std::string("RuntimeNewVtable ") + className;
        const std::size_t at = IndexOf(entries, setUp);
        if (CountOf(entries, setUp) != 1)
            problems += setUp + " is in the trace " + std::to_string(CountOf(entries, setUp)) + " times\n";
        if (!(registration < at && at < mainStarts))
            problems += setUp + " is not between RuntimePerformInitializers and _Main\n";
        if (!(at < programSetUp))
            problems += setUp + " does not come before App's set-up\n";
    }
    for (std::size_t i = mainStarts; i < entries.size(); ++i) {
        if (entries[i].starts_with("RuntimeNewVtable"))
            problems += entries[i] + " comes after _Main has started\n";
    }
    for (const char* use : { "Random.InRange", "Clipboard.Text" }) {
        if (EntriesStartingWith(entries, use).empty())
            problems += std::string(use) + " was never called\n";
    }
    if (problems.empty())
        std::_Exit(0);
    for (const std::string& entry : entries) {
        if (!entry.starts_with("Random.InRange") && !entry.starts_with("DebugLog"))
            problems += "  " + entry + "\n";
    }
    std::fputs(problems.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// Class tables live as long as the process, so the run needs a process in
// which no class has been set up yet: a death test's child, started afresh.
TEST(ClassRegistrationTest, SetsUpRandomAndTheClipboardBeforeMainAndNoneAtFirstUse)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunOnceAndCheckTheClassSetUps(), ::testing::ExitedWithCode(0), "");
}

void RaiseArgument(fw::Ptr argument) { fw::Raise(*static_cast<Ref<fw::Object>*>(argument)); }

TEST(ExceptionHelperTest, GivesNilWhenTheRoutineReturns)
{
    int calls = 0;
    const Ref<fw::Object> result
        = _CallFunctionWithExceptionHandling([](fw::Ptr argument) { ++*static_cast<int*>(argument); }, &calls);

    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(calls, 1);
}

TEST(ExceptionHelperTest, GivesBackTheRuntimeExceptionItselfAndRaisesNothing)
{
    Ref<fw::Object> raised = MakeRef<fw::NilObjectException>(fw::String("a nil reference"));
    Ref<fw::Object> result;

    EXPECT_NO_THROW(result = _CallFunctionWithExceptionHandling(&RaiseArgument, &raised));

    EXPECT_EQ(result.get(), raised.get());
}

// A C++ exception that is no framework exception, thrown by a routine.
struct ForeignCase {
    const char* name;
    fw::RoutineEntry routine;
    const char* message; // of the RuntimeException the helper gives back
    friend void PrintTo(const ForeignCase& row, std::ostream* os) { *os << row.name; }
};

class ForeignExceptionTest : public ::testing::TestWithParam<ForeignCase> { };

TEST_P(ForeignExceptionTest, GivesItBackAsARuntimeExceptionWithItsMessage)
{
    const ForeignCase& c = GetParam();
    Ref<fw::Object> result;

    EXPECT_NO_THROW(result = _CallFunctionWithExceptionHandling(c.routine, nullptr));

    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->Class(), fw::RuntimeException::__Lookup());
    const auto* exception = dynamic_cast<const fw::RuntimeException*>(result.get());
    ASSERT_NE(exception, nullptr);
    EXPECT_EQ(exception->Message().Bytes(), c.message);
}

INSTANTIATE_TEST_SUITE_P(Exceptions, ForeignExceptionTest,
    ::testing::Values(
        ForeignCase { "runtimeError", [](fw::Ptr) { throw std::runtime_error("disk on fire"); }, "disk on fire" },
        ForeignCase { "badAlloc", [](fw::Ptr) { throw std::bad_alloc(); }, "std::bad_alloc" },
        ForeignCase { "notAStdException", [](fw::Ptr) { throw 42; }, "unknown C++ exception" }),
    RowName);

TEST(ExceptionHelperTest, RaisesAnyOtherObjectOnUnchanged)
{
    Ref<fw::Object> raised = fw::RuntimeNewObject(fw::Random::__Lookup());
    try {
        _CallFunctionWithExceptionHandling(&RaiseArgument, &raised);
        ADD_FAILURE() << "nothing was raised";
    } catch (const fw::RaisedException& exception) {
        EXPECT_EQ(exception.Exception().get(), raised.get());
    }
}

using AccessorTest = ProgramTest;

TEST_F(AccessorTest, EachGlobalGivesOneObjectAndOneWindowIsBuilt)
{
    EXPECT_EQ(global::App(), global::App());
    EXPECT_EQ(Ref<fw::Application>(global::App()), fw::getAppObject());
    EXPECT_EQ(global::MainMenuBar(), global::MainMenuBar());

    const Ref<Window1> window = global::Window1();
    EXPECT_EQ(global::Window1(), window);
    EXPECT_EQ(fw::OpenWindows(), std::vector<Ref<fw::Window>> { window });
    EXPECT_EQ(CountOf(Trace().Entries(), "Window.Constructor Window1.Window1"), 1);
    EXPECT_EQ(EntriesStartingWith(Trace().Entries(), "Window.__New").size(), 7u);
}

struct HeldCase {
    const char* name;
    Ref<fw::Object> (*get)();
    friend void PrintTo(const HeldCase& row, std::ostream* os) { *os << row.name; }
};

class RunEndTest : public ProgramTest, public ::testing::WithParamInterface<HeldCase> { };

TEST_P(RunEndTest, ReleasesTheObjectSoThatOnlyTheTestHoldsIt)
{
    // The handlers have run once before the end.
    ClickOn(*Window()->Generate());
    const Ref<fw::Object> held = GetParam().get();

    EndProgram();

    EXPECT_EQ(held->RefCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Objects, RunEndTest,
    ::testing::Values(HeldCase { "App", [] { return Ref<fw::Object>(global::App()); } },
        HeldCase { "Window1", [] { return Ref<fw::Object>(global::Window1()); } },
        HeldCase { "MainMenuBar", [] { return Ref<fw::Object>(global::MainMenuBar()); } }),
    RowName);

struct SetUpCase {
    const char* name;
    void (*setUp)();
    const fw::ClassTable* (*lookup)();
    friend void PrintTo(const SetUpCase& row, std::ostream* os) { *os << row.name; }
};

class ClassSetUpTest : public ::testing::TestWithParam<SetUpCase> { };

TEST_P(ClassSetUpTest, RunningItAgainChangesNothing)
{
    const SetUpCase& c = GetParam();
    c.setUp();
    const fw::ClassTable* table = c.lookup();
    const fw::MethodTable* methods = table->methods;
    const std::size_t methodCount = methods->Size();
    const std::size_t introspectionCount = table->introspection.size();

    c.setUp();

    EXPECT_EQ(c.lookup(), table);
    EXPECT_EQ(table->methods, methods);
    EXPECT_EQ(methods->Size(), methodCount);
    EXPECT_EQ(table->introspection.size(), introspectionCount);
}

INSTANTIATE_TEST_SUITE_P(Classes, ClassSetUpTest,
    ::testing::Values(SetUpCase { "App", &App::__ctblinit, &App::__Lookup },
        SetUpCase { "Window1", &Window1::__ctblinit, &Window1::__Lookup },
        SetUpCase { "MainMenuBar", &MainMenuBar::__ctblinit, &MainMenuBar::__Lookup }),
    RowName);

} // namespace
} // namespace pwgen
