// The program's one window: its controls, their handlers and the accessors
// that reach each control and menu item by name.
#pragma once

#include "framework.h"

namespace pwgen {

class Window1 : public Window {
public:
    // Handlers of the window's Layout and CreateControls events.
    virtual void Layout();
    virtual void CreateControls();
    // Builds the seven controls.
    virtual void _CreateControls0();

    // The controls, found by name each time.
    virtual Ref<PushButton> Generate();
    virtual Ref<CheckBox> UseCaps();
    virtual Ref<CheckBox> UseNumbers();
    virtual Ref<CheckBox> UseSymbols();
    virtual Ref<Slider> PassSize();
    virtual Ref<Label> Label1();
    virtual Ref<TextArea> TextArea1();

    // Handlers of the controls' events.
    virtual void Generate_Action(Ref<PushButton> button);
    virtual void UseCaps_Action(Ref<CheckBox> box);
    virtual void UseNumbers_Action(Ref<CheckBox> box);
    virtual void UseSymbols_Action(Ref<CheckBox> box);
    virtual void PassSize_ValueChanged(Ref<Slider> slider);

    // The menu items of the window's menu bar, found by name each time.
    virtual Ref<MenuItem> EditMenu();
    virtual Ref<MenuItem> EditSelectAll();
    virtual Ref<MenuItem> EditSeparator2();
    virtual Ref<MenuItem> EditClear();
    virtual Ref<MenuItem> EditPaste();
    virtual Ref<MenuItem> EditCopy();
    virtual Ref<MenuItem> EditCut();
    virtual Ref<MenuItem> EditSeparator1();
    virtual Ref<MenuItem> EditUndo();
    virtual Ref<MenuItem> FileMenu();
    virtual Ref<QuitMenuItem> FileQuit();

    // Handler of the window's Close event: quits.
    virtual void Event_Close();

    static constexpr std::size_t OwnMethodCount = 27;
    static constexpr const char* ClassName = "Window1.Window1";

    static void __ctblinit();
    static const ClassTable* __Lookup();
};

namespace global {
// The open main window; builds and opens it when none is open.
Ref<pwgen::Window1> Window1();
} // namespace global

} // namespace pwgen
