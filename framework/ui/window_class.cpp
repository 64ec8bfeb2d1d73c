// Window's class table: its method table, events and properties.
#include "runtime/member_property.h"
#include "runtime/method_row.h"
#include "runtime/property_checks.h"
#include "ui/control.h"
#include "ui/menu_bar.h"
#include "ui/window.h"

#include <cassert>

namespace fw {

void Window::RegisterProperties(ClassTable* t)
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
    AddMemberProperty(t, "Placement", &W::placement_);
    AddMemberProperty(t, "Frame", &W::frame_);
    AddMemberProperty(t, "MacProcId", &W::macProcId_);
    AddMemberProperty(t, "Composite", &W::composite_);
    AddMemberProperty(t, "LiveResize", &W::liveResize_);
    AddMemberProperty(t, "FullScreenButton", &W::fullScreenButton_);
}

const ClassTable* Window::__Lookup()
{
    static const ClassTable* table = [] {
        using W = Window;
        ClassTable* t = NewClass<Window>(ObjectClass(), "Window", Entries::Own);
        const MethodRow rows[] = {
            Method("AcceptFileDrop", &W::AcceptFileDrop),
            Method("AcceptMacDataDrop", &W::AcceptMacDataDrop),
            Method("AcceptPictureDrop", &W::AcceptPictureDrop),
            Method("AcceptRawDataDrop", &W::AcceptRawDataDrop),
            Method("AcceptTextDrop", &W::AcceptTextDrop),
            Method("Close", &W::Close),
            Method("Constructor", &W::Constructor),
            Method("Control", &W::ControlAt),
            MethodWithSignature(
                "DrawInto", &W::DrawInto, WrittenSignature::UnmodelledType, "(Graphics, Int32, Int32, Boolean)"),
            Method("FocusNext", &W::FocusNext),
            Method("FocusPrevious", &W::FocusPrevious),
            Method("Hide", &W::Hide),
            Method("Invalidate", static_cast<void (W::*)(bool)>(&W::Invalidate)),
            Method("Invalidate",
                static_cast<void (W::*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t, bool)>(&W::Invalidate)),
            Method("Maximize", &W::Maximize),
            Method("Minimize", &W::Minimize),
            MethodWithSignature(
                "Operator_Convert", &W::Operator_Convert, WrittenSignature::UnmodelledType, "() as WindowPtr"),
            Method("Refresh", &W::Refresh),
            Method("RefreshRect", &W::RefreshRect),
            Method("Restore", &W::Restore),
            Method("SetFocus", &W::SetFocus),
            Method("Show", &W::Show),
            Method("ShowModal", &W::ShowModal),
            Method("ShowModalWithin", &W::ShowModalWithin),
            Method("ShowWithin", &W::ShowWithin),
            Method("TrueWindow", &W::TrueWindow),
            Method("UpdateNow", &W::UpdateNow),
            Method("Window", &W::WindowEntry),
            Method("_AddControl", &W::_AddControl),
            Method("_AddMenuHandler", &W::_AddMenuHandler),
            Method("_ControlByName", &W::_ControlByName),
            Method("_ControlByNameIndex", &W::_ControlByNameIndex),
            Method("_DependencyList", &W::_DependencyList),
            Method("_Move", &W::_Move),
            Method("__New", &W::__New),
        };
        AddFrameworkMethods(*t, rows);
        assert(t->methods->Size() == MethodCount);
        AddOwnEvents(*t, Event::Activate, EventNames);
        RegisterProperties(t);
        return t;
    }();
    return table;
}

} // namespace fw
