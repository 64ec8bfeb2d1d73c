// The application's menu bar: a File menu with Quit and an Edit menu with the
// standard edit items. One instance, built on first request and shared by the
// application and the window.
#pragma once

#include "framework.h"

namespace pwgen {

class MainMenuBar : public MenuBar {
public:
    // Builds the File menu, then the Edit menu. Runs no base constructor: a
    // new bar is ready to take menus as soon as it is created.
    void Constructor() override;
    // The File menu.
    virtual void Untitled0();
    // The Edit menu.
    virtual void Untitled1();

    static constexpr const char* ClassName = "MainMenuBar.MainMenuBar";

    static void __ctblinit();
    static const ClassTable* __Lookup();
};

// The global reference that holds the single bar from its first request until
// the run time's finalisers.
namespace MainMenuBar_implicitInstance {
// Does nothing: the reference starts empty.
void __Init();
// Empties the reference and releases the bar.
void __Exit();
// The bar held, or nil. For tests.
const Ref<pwgen::MainMenuBar>& Held();
} // namespace MainMenuBar_implicitInstance

namespace global {
// The single menu bar; the first call builds it.
Ref<pwgen::MainMenuBar> MainMenuBar();
} // namespace global

} // namespace pwgen
