// Window's class table: its method table, events and properties.
#include "runtime/thunk.h"
#include "ui/control.h"
#include "ui/menu_bar.h"
#include "ui/window.h"

#include <cassert>

namespace fw {

template <class T>
static void AddWindowProperty(
    ClassTable* table, const char* name, PropertyType type, T (Window::*get)() const, void (Window::*set)(T))
{
    table->AddProperty(
        name, type, [get](const Object& o) { return Value((static_cast<const Window&>(o).*get)()); },
        [set](Object& o, const Value& v) { (static_cast<Window&>(o).*set)(std::get<T>(v)); });
}

// Properties that the window keeps without a visible effect on this
// platform: they are stored and read back.
static void AddStoredProperty(ClassTable* table, const char* name, std::int32_t Window::*field)
{
    table->AddProperty(
        name, PropertyType::Int32, [field](const Object& o) { return Value(static_cast<const Window&>(o).*field); },
        [field](Object& o, const Value& v) { static_cast<Window&>(o).*field = std::get<std::int32_t>(v); });
}

static void AddStoredProperty(ClassTable* table, const char* name, bool Window::*field)
{
    table->AddProperty(
        name, PropertyType::Boolean, [field](const Object& o) { return Value(static_cast<const Window&>(o).*field); },
        [field](Object& o, const Value& v) { static_cast<Window&>(o).*field = std::get<bool>(v); });
}

void RegisterWindowProperties(ClassTable* t)
{
    using W = Window;
    t->AddProperty(
        "Title", PropertyType::String, [](const Object& o) { return Value(static_cast<const W&>(o).Title()); },
        [](Object& o, const Value& v) { static_cast<W&>(o).SetTitle(std::get<String>(v)); });
    AddWindowProperty<std::int32_t>(t, "Width", PropertyType::Int32, &W::Width, &W::SetWidth);
    AddWindowProperty<std::int32_t>(t, "Height", PropertyType::Int32, &W::Height, &W::SetHeight);
    AddWindowProperty<std::int32_t>(t, "MinWidth", PropertyType::Int32, &W::MinWidth, &W::SetMinWidth);
    AddWindowProperty<std::int32_t>(t, "MinHeight", PropertyType::Int32, &W::MinHeight, &W::SetMinHeight);
    AddWindowProperty<std::int32_t>(t, "MaxWidth", PropertyType::Int32, &W::MaxWidth, &W::SetMaxWidth);
    AddWindowProperty<std::int32_t>(t, "MaxHeight", PropertyType::Int32, &W::MaxHeight, &W::SetMaxHeight);
    AddWindowProperty<bool>(t, "Visible", PropertyType::Boolean, &W::Visible, &W::SetVisible);
    AddWindowProperty<bool>(t, "Resizeable", PropertyType::Boolean, &W::Resizeable, &W::SetResizeable);
    AddWindowProperty<bool>(t, "CloseButton", PropertyType::Boolean, &W::CloseButton, &W::SetCloseButton);
    AddWindowProperty<bool>(t, "MinimizeButton", PropertyType::Boolean, &W::MinimizeButton, &W::SetMinimizeButton);
    AddWindowProperty<bool>(t, "MaximizeButton", PropertyType::Boolean, &W::MaximizeButton, &W::SetMaximizeButton);
    AddWindowProperty<bool>(t, "MenuBarVisible", PropertyType::Boolean, &W::MenuBarVisible, &W::SetMenuBarVisible);
    AddWindowProperty<bool>(t, "HasBackColor", PropertyType::Boolean, &W::HasBackColor, &W::SetHasBackColor);
    AddWindowProperty<Color>(t, "BackColor", PropertyType::Color, &W::BackColor, &W::SetBackColor);
    AddWindowProperty<bool>(t, "FullScreen", PropertyType::Boolean, &W::FullScreen, &W::SetFullScreen);
    AddStoredProperty(t, "Placement", &W::placement_);
    AddStoredProperty(t, "Frame", &W::frame_);
    AddStoredProperty(t, "MacProcId", &W::macProcId_);
    AddStoredProperty(t, "Composite", &W::composite_);
    AddStoredProperty(t, "LiveResize", &W::liveResize_);
    AddStoredProperty(t, "FullScreenButton", &W::fullScreenButton_);
}

const ClassTable* Window::__Lookup()
{
    static const ClassTable* table = [] {
        using W = Window;
        ClassTable* t = NewClass<Window>(ObjectClass(), "Window", Entries::Own);
        MethodTable* m = t->methods;
        m->Append(MakeEntry("AcceptFileDrop", "(String)", &W::AcceptFileDrop));
        m->Append(MakeEntry("AcceptMacDataDrop", "(String)", &W::AcceptMacDataDrop));
        m->Append(MakeEntry("AcceptPictureDrop", "()", &W::AcceptPictureDrop));
        m->Append(MakeEntry("AcceptRawDataDrop", "(String)", &W::AcceptRawDataDrop));
        m->Append(MakeEntry("AcceptTextDrop", "()", &W::AcceptTextDrop));
        m->Append(MakeEntry("Close", "()", &W::Close));
        m->Append(MakeEntry("Constructor", "()", &W::Constructor));
        m->Append(MakeEntry("Control", "(Int32) as Control", &W::ControlAt));
        m->Append(MakeEntry("DrawInto", "(Graphics, Int32, Int32, Boolean)", &W::DrawInto));
        m->Append(MakeEntry("FocusNext", "()", &W::FocusNext));
        m->Append(MakeEntry("FocusPrevious", "()", &W::FocusPrevious));
        m->Append(MakeEntry("Hide", "()", &W::Hide));
        m->Append(MakeEntry("Invalidate", "(Boolean)", static_cast<void (W::*)(bool)>(&W::Invalidate)));
        m->Append(MakeEntry("Invalidate", "(Int32, Int32, Int32, Int32, Boolean)",
            static_cast<void (W::*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t, bool)>(&W::Invalidate)));
        m->Append(MakeEntry("Maximize", "()", &W::Maximize));
        m->Append(MakeEntry("Minimize", "()", &W::Minimize));
        m->Append(MakeEntry("Operator_Convert", "() as WindowPtr", &W::Operator_Convert));
        m->Append(MakeEntry("Refresh", "(Boolean)", &W::Refresh));
        m->Append(MakeEntry("RefreshRect", "(Int32, Int32, Int32, Int32, Boolean)", &W::RefreshRect));
        m->Append(MakeEntry("Restore", "()", &W::Restore));
        m->Append(MakeEntry("SetFocus", "()", &W::SetFocus));
        m->Append(MakeEntry("Show", "()", &W::Show));
        m->Append(MakeEntry("ShowModal", "()", &W::ShowModal));
        m->Append(MakeEntry("ShowModalWithin", "(Window)", &W::ShowModalWithin));
        m->Append(MakeEntry("ShowWithin", "(Window, Int32)", &W::ShowWithin));
        m->Append(MakeEntry("TrueWindow", "() as Window", &W::TrueWindow));
        m->Append(MakeEntry("UpdateNow", "()", &W::UpdateNow));
        m->Append(MakeEntry("Window", "()", &W::WindowEntry));
        m->Append(MakeEntry("_AddControl", "(String, Object)", &W::_AddControl));
        m->Append(MakeEntry("_AddMenuHandler", "(String, Ptr)", &W::_AddMenuHandler));
        m->Append(MakeEntry("_ControlByName", "(String) as Object", &W::_ControlByName));
        m->Append(MakeEntry("_ControlByNameIndex", "(String, Int32) as Object", &W::_ControlByNameIndex));
        m->Append(MakeEntry("_DependencyList", "()", &W::_DependencyList));
        m->Append(MakeEntry("_Move", "(Int32, Int32, Int32, Int32)", &W::_Move));
        // The class travels as a pointer-sized value.
        m->Append(MethodEntry { "__New", "(Ptr) as Object", [](Object& self, std::span<const Value> arguments) {
                                   const auto* controlClass
                                       = static_cast<const ClassTable*>(std::get<Ptr>(arguments[0]));
                                   return Value(dynamic_cast<W&>(self).__New(controlClass));
                               } });
        assert(m->Size() == MethodCount);
        for (const char* name : { "Activate", "AddMenuHandlers", "CancelClose", "Close", "ConstructContextualMenu",
                 "ContentsChanged", "ContextualMenuAction", "CreateControls", "Deactivate", "DragEnter", "DragExit",
                 "DragOver", "DropObject", "EnableMenuItems", "KeyDown", "KeyUp", "Layout", "Maximize", "Minimize",
                 "MouseDown", "MouseDrag", "MouseEnter", "MouseExit", "MouseMove", "MouseUp", "MouseWheel", "Moved",
                 "Open", "Paint", "Resized", "Resizing", "Restore", "SetupBindings" })
            t->events.push_back({ name, {} });
        assert(t->events.size() == static_cast<std::size_t>(Event::EventCount));
        RegisterWindowProperties(t);
        return t;
    }();
    return table;
}

} // namespace fw
