// Window's class table: its method table, events and properties.
#include "runtime/member_property.h"
#include "runtime/property_checks.h"
#include "runtime/thunk.h"
#include "ui/control.h"
#include "ui/menu_bar.h"
#include "ui/window.h"

#include <cassert>

namespace fw {
namespace {

void RegisterWindowProperties(ClassTable* t)
{
    using W = Window;
    AddMemberProperty(t, "Title", &W::Title, &W::SetTitle);
    AddMemberProperty(t, "Width", &W::Width, &W::SetWidth, NotNegative);
    AddMemberProperty(t, "Height", &W::Height, &W::SetHeight, NotNegative);
    AddMemberProperty(t, "MinWidth", &W::MinWidth, &W::SetMinWidth, NotNegative);
    AddMemberProperty(t, "MinHeight", &W::MinHeight, &W::SetMinHeight, NotNegative);
    AddMemberProperty(t, "MaxWidth", &W::MaxWidth, &W::SetMaxWidth, NotNegative);
    AddMemberProperty(t, "MaxHeight", &W::MaxHeight, &W::SetMaxHeight, NotNegative);
    AddMemberProperty(t, "Visible", &W::Visible, &W::SetVisible);
    AddMemberProperty(t, "Resizeable", &W::Resizeable, &W::SetResizeable);
    AddMemberProperty(t, "CloseButton", &W::CloseButton, &W::SetCloseButton);
    AddMemberProperty(t, "MinimizeButton", &W::MinimizeButton, &W::SetMinimizeButton);
    AddMemberProperty(t, "MaximizeButton", &W::MaximizeButton, &W::SetMaximizeButton);
    AddMemberProperty(t, "MenuBarVisible", &W::MenuBarVisible, &W::SetMenuBarVisible);
    AddMemberProperty(t, "HasBackColor", &W::HasBackColor, &W::SetHasBackColor);
    AddMemberProperty(t, "BackColor", &W::BackColor, &W::SetBackColor);
    AddMemberProperty(t, "FullScreen", &W::FullScreen, &W::SetFullScreen);
    // Kept without a visible effect on this platform: stored and read back.
    AddMemberProperty(t, "Placement", &W::Placement, &W::SetPlacement);
    AddMemberProperty(t, "Frame", &W::Frame, &W::SetFrame);
    AddMemberProperty(t, "MacProcId", &W::MacProcId, &W::SetMacProcId);
    AddMemberProperty(t, "Composite", &W::Composite, &W::SetComposite);
    AddMemberProperty(t, "LiveResize", &W::LiveResize, &W::SetLiveResize);
    AddMemberProperty(t, "FullScreenButton", &W::FullScreenButton, &W::SetFullScreenButton);
}

} // namespace

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
