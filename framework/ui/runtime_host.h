// The run time's life: start, class registration, the exception helper, the
// framework's initialisation, the event loop, quitting and exit. The event
// loop is Qt's, so the run time's life is hosted here in the ui layer
// (runtime_host.cpp); the object model below knows nothing of it.
#pragma once

#include "runtime/object.h"
#include "runtime/value.h"

#include <cstdint>
#include <functional>
#include <span>

namespace fw {

using Initializer = void (*)();
using LateStartup = void (*)();
// Runs `routine` with `argument`; gives the RuntimeException that escaped it,
// or nil.
using ExceptionHelper = Ref<Object> (*)(RoutineEntry routine, Ptr argument);

// Starts the run time and the platform's GUI connection. First the process
// refuses core dumps, so that no crash writes a password to disk. When the
// GUI cannot start (no display, no such platform plugin) it prints one line
// with the reason and ends the process with status 1.
void RuntimeInit();

// The framework's own class set-ups and the initialiser of its shared system
// object, then `programInitializers` in their order.
void RuntimePerformInitializers(std::span<const Initializer> programInitializers);
// The framework's own finaliser, then `programFinalizers` in their order.
void RuntimePerformFinalizers(std::span<const Initializer> programFinalizers);

void RuntimeInitExternalClasses();
void RuntimeAllocatePluginEntrypointsTable(std::int32_t entryCount);
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// The framework initialises itself and calls `lateStartup` back before it
// returns.
void RunFrameworkInitialization(LateStartup lateStartup);

// The event loop. The application's "Open" event is its first event. Returns
// when the application quits; raises again an exception that the exception
// helper handed back from program code during the loop.
void RuntimeRun();

// Ends the event loop; RuntimeExit returns `code`.
void Quit(std::int32_t code = 0);

// Reports an exception that nothing handled (its class and message on
// standard error); RuntimeExit then returns 1.
void RuntimeUnhandledException(const Ref<Object>& exception);

// The run time's yield point for other framework threads. There are none: it
// returns at once and never runs the event loop.
void RuntimeBackgroundTask();

// Ends the run time: releases the application object and the windows and
// gives the exit status.
std::int32_t RuntimeExit();

// Runs program code for the framework, through the exception helper when one
// is installed. An exception that comes back is kept and ends the event loop;
// RuntimeRun raises it again once the loop has returned.
void RunProgramCode(const std::function<void()>& code);

// True once program code has failed during this run.
bool HasPendingException();

} // namespace fw
