// Start-up and the application object, whose methods make the passwords.
#pragma once

#include "framework.h"

#include <span>

namespace pwgen {

class App : public Application {
public:
    // Handler of the application's Open event: shows the first password.
    virtual void Event_Open();
    // One character of `letters`, picked at random.
    virtual String pickone(String letters);
    // Makes a password of the slider's length from `letters` and shows it;
    // with `copy` it also goes on the clipboard, first.
    virtual void assemble(String letters, bool copy);
    virtual void copy_to_clipboard(String text);
    // The characters the check boxes allow, always with the lower case.
    virtual String valid_letters();
    virtual void Constructor();

    static void __ctblinit();
    static const ClassTable* __Lookup();
};

// The global accessors: each returns the single object of its class. They
// live in their own namespace because C++ gives a class and a function of
// one name in one scope no clean way to coexist.
namespace global {
Ref<pwgen::App> App();
} // namespace global

// The process's whole run; its result is the exit status. The process entry
// calls it with nothing: the program reads neither its arguments nor its
// environment.
int main();

// The program's class set-ups and global initialisers, in the order the class
// registration runs them, and its finalisers.
std::span<const Initializer> ProgramInitializers();
std::span<const Initializer> ProgramFinalizers();

// The main routine and the start-up steps it runs.
void _Main();
void _EarlyStartup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _LateStartup();
void _MakeDefaultView();

// The exception helper: runs `routine` with `argument` and gives the
// RuntimeException that escaped it, or nil; any other exception is raised on.
Ref<Object> _CallFunctionWithExceptionHandling(RoutineEntry routine, Ptr argument);

} // namespace pwgen
