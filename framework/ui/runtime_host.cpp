// The run time's life on Qt: one QApplication, its event loop, and the
// state that connects program code with the loop (the exception helper, a
// failure waiting to be raised, the exit status).
#include "ui/runtime_host.h"
#include "runtime/exception.h"
#include "runtime/no_destructor.h"
#include "runtime/trace.h"
#include "services/core_dumps.h"
#include "services/standard_streams.h"
#include "services/system.h"
#include "ui/application.h"
#include "ui/framework_classes.h"
#include "ui/qt_application_start.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace fw {
namespace {

struct RunTimeState {
    std::unique_ptr<QApplication> ownApplication;
    ExceptionHelper exceptionHelper = nullptr;
    Ref<Object> pendingException;
    std::int32_t quitCode = 0;
    bool quitRequested = false;
    bool loopRunning = false;
    bool failureReported = false;
};

// Never destroyed by static destruction: Qt ends the process with exit()
// from inside the event loop when its display connection breaks, and a
// QApplication torn down then, with its windows and loop still up, crashes.
// RuntimeExit ends the run time in order.
RunTimeState& State()
{
    static NoDestructor<RunTimeState> state;
    return *state;
}

const char* ProgramName() { return program_invocation_short_name; }

void RaiseOpenEvent()
{
    if (Ref<Application> application = getAppObject())
        application->RaiseEvent(Application::Event::Open);
}

} // namespace

void RuntimeInit()
{
    TraceCall("RuntimeInit");
    // Before anything opens a descriptor that could take a closed one's place.
    OpenClosedStandardStreams();
    // Before there is anything worth keeping out of a core file.
    RefuseCoreDumps();
    RunTimeState& state = State();
    state.exceptionHelper = nullptr;
    state.pendingException.reset();
    state.quitCode = 0;
    state.quitRequested = false;
    state.failureReported = false;
    if (!QApplication::instance())
        state.ownApplication = StartQtApplication();
    // Quitting is the program's decision, not a side effect of its last
    // window closing.
    QApplication::setQuitOnLastWindowClosed(false);
}

void RuntimePerformInitializers(std::span<const Initializer> programInitializers)
{
    TraceCall("RuntimePerformInitializers");
    SetUpFrameworkClasses();
    InitializeSystemGlobal();
    for (Initializer initializer : programInitializers)
        initializer();
}

void RuntimePerformFinalizers(std::span<const Initializer> programFinalizers)
{
    TraceCall("RuntimePerformFinalizers");
    FinalizeSystemGlobal();
    for (Initializer finalizer : programFinalizers)
        finalizer();
}

void RuntimeInitExternalClasses() { TraceCall("RuntimeInitExternalClasses"); }

void RuntimeAllocatePluginEntrypointsTable(std::int32_t entryCount)
{
    TraceCall("RuntimeAllocatePluginEntrypointsTable", [&] { return std::to_string(entryCount); });
    if (entryCount < 0)
        RaiseRuntimeException(String("a plug-in table cannot have " + std::to_string(entryCount) + " entries"));
    // The program loads no plug-ins: nothing is ever looked up in the table,
    // so none is kept.
}

void RuntimeSetExceptionHelper(ExceptionHelper helper)
{
    TraceCall("RuntimeSetExceptionHelper");
    State().exceptionHelper = helper;
}

void RunFrameworkInitialization(LateStartup lateStartup)
{
    TraceCall("RunFrameworkInitialization");
    if (!lateStartup)
        RaiseNilObjectException("RunFrameworkInitialization: the late start-up is nil");
    RunProgramCode([lateStartup] { lateStartup(); });
}

void RuntimeRun()
{
    TraceCall("RuntimeRun");
    RunTimeState& state = State();
    if (!state.pendingException && !state.quitRequested) {
        // The timer dies with the loop, so an Open that never came cannot
        // fire in a later run.
        QObject loopScope;
        QTimer::singleShot(0, &loopScope, &RaiseOpenEvent);
        state.loopRunning = true;
        QApplication::exec();
        state.loopRunning = false;
    }
    if (state.pendingException) {
        Ref<Object> failure = std::move(state.pendingException);
        state.pendingException.reset();
        Raise(std::move(failure));
    }
}

void Quit(std::int32_t code)
{
    TraceCall("Quit", [&] { return std::to_string(code); });
    RunTimeState& state = State();
    state.quitCode = code;
    state.quitRequested = true;
    if (state.loopRunning)
        QApplication::exit(code);
}

void RuntimeUnhandledException(const Ref<Object>& exception)
{
    TraceCall(
        "RuntimeUnhandledException", [&] { return exception ? DescribeException(*exception) : std::string("nil"); });
    std::fprintf(stderr, "%s: unhandled exception: %s\n", ProgramName(),
        exception ? DescribeException(*exception).c_str() : "nil");
    std::fflush(stderr);
    State().failureReported = true;
}

void RuntimeBackgroundTask() { }

std::int32_t RuntimeExit()
{
    TraceCall("RuntimeExit");
    RunTimeState& state = State();
    ReleaseAllWindows();
    RuntimeReleaseAppObject();
    state.exceptionHelper = nullptr;
    const bool failed = state.failureReported || state.pendingException;
    state.pendingException.reset();
    state.ownApplication.reset();
    return failed ? 1 : state.quitCode;
}

void RunProgramCode(const std::function<void()>& code)
{
    RunTimeState& state = State();
    // Once program code has failed the loop is ending: nothing more runs.
    if (state.pendingException)
        return;
    Ref<Object> failure;
    try {
        if (state.exceptionHelper) {
            const RoutineEntry trampoline
                = [](Ptr argument) { (*static_cast<const std::function<void()>*>(argument))(); };
            failure = state.exceptionHelper(trampoline, const_cast<std::function<void()>*>(&code));
        } else {
            code();
        }
    } catch (...) {
        failure = CurrentExceptionObject();
    }
    if (failure) {
        state.pendingException = std::move(failure);
        if (state.loopRunning)
            QApplication::exit(1);
    }
}

bool HasPendingException() { return static_cast<bool>(State().pendingException); }

} // namespace fw
