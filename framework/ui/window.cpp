#include "ui/window.h"

#include "runtime/exception.h"
#include "runtime/property_checks.h"
#include "runtime/thunk.h"
#include "runtime/trace.h"
#include "ui/control.h"
#include "ui/label_links.h"
#include "ui/menu_bar.h"
#include "ui/rect_control.h"
#include "ui/runtime_host.h"
#include "ui/window_peer.h"
#include "ui/window_registry.h"

#include <algorithm>

namespace fw {

Window::Window()
    : peer_(std::make_unique<WindowPeer>(*this))
{
    peer_->ApplyWindowFlags();
    peer_->ApplyGeometry();
}

Window::~Window()
{
    // The controls' widgets are children of the peer; let them go first.
    ReleaseControls();
}

void Window::ReleaseControls()
{
    std::vector<std::pair<String, Ref<fw::Control>>> controls = std::move(controls_);
    controls_.clear();
    for (auto& [name, control] : controls)
        control->AttachToWindow(nullptr);
}

void Window::AcceptFileDrop(String) { RaiseUnsupported("Window.AcceptFileDrop"); }
void Window::AcceptMacDataDrop(String) { RaiseUnsupported("Window.AcceptMacDataDrop"); }
void Window::AcceptPictureDrop() { RaiseUnsupported("Window.AcceptPictureDrop"); }
void Window::AcceptRawDataDrop(String) { RaiseUnsupported("Window.AcceptRawDataDrop"); }
void Window::AcceptTextDrop() { RaiseUnsupported("Window.AcceptTextDrop"); }

void Window::Close()
{
    TraceCall("Window.Close");
    peer_->close();
}

void Window::Constructor()
{
    TraceCall("Window.Constructor", [this] { return Class() ? Class()->name : std::string(); });
    // Registered first, so that code run by the events below finds this
    // window open instead of building another.
    AddOpenWindow(RefTo(*this));
    RaiseEvent(Event::Layout);
    RaiseEvent(Event::CreateControls);
    constructed_ = true;
    peer_->PresentMenuBar();
    peer_->ApplyTabOrder();
    LinkLabels(controls_);
    if (visible_)
        peer_->show();
    RaiseEvent(Event::Open);
}

Ref<Control> Window::ControlAt(std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= controls_.size())
        RaiseRuntimeException(String("Window.Control: no control at index " + std::to_string(index)));
    return controls_[static_cast<std::size_t>(index)].second;
}

void Window::DrawInto(const Ref<Object>&, std::int32_t, std::int32_t, bool) { RaiseUnsupported("Window.DrawInto"); }
void Window::FocusNext() { peer_->FocusNext(); }
void Window::FocusPrevious() { peer_->FocusPrevious(); }
void Window::Hide() { SetVisible(false); }
void Window::Invalidate(bool) { peer_->update(); }
void Window::Invalidate(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, bool)
{
    peer_->InvalidateContent(left, top, width, height);
}
void Window::Maximize() { peer_->showMaximized(); }
void Window::Minimize() { peer_->showMinimized(); }
Ptr Window::Operator_Convert() { return peer_.get(); }
void Window::Refresh(bool) { peer_->repaint(); }
void Window::RefreshRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, bool)
{
    peer_->RepaintContent(left, top, width, height);
}
void Window::Restore() { peer_->showNormal(); }
void Window::SetFocus()
{
    peer_->activateWindow();
    peer_->setFocus();
}
void Window::Show() { SetVisible(true); }
void Window::ShowModal() { RaiseUnsupported("Window.ShowModal"); }
void Window::ShowModalWithin(const Ref<Window>&) { RaiseUnsupported("Window.ShowModalWithin"); }
void Window::ShowWithin(const Ref<Window>&, std::int32_t) { RaiseUnsupported("Window.ShowWithin"); }
Ref<Window> Window::TrueWindow() { return RefTo(*this); }
void Window::UpdateNow() { peer_->repaint(); }
void Window::WindowEntry() { }

void Window::_AddControl(String name, const Ref<Object>& object)
{
    TraceCall("Window._AddControl", name.Bytes());
    CheckNotNil(object, "Window._AddControl: the control");
    auto* control = dynamic_cast<fw::Control*>(object.get());
    if (!control)
        RaiseRuntimeException(String("Window._AddControl: " + name.Bytes() + " is not a control"));
    if (control->OwnerWindow() != this)
        RaiseRuntimeException(String("Window._AddControl: " + name.Bytes() + " belongs to another window"));
    const bool taken = std::any_of(controls_.begin(), controls_.end(), [&](const auto& c) { return c.first == name; });
    if (taken)
        RaiseRuntimeException(String("Window._AddControl: a control named " + name.Bytes() + " exists already"));
    controls_.emplace_back(std::move(name), RefTo(*control));
    if (constructed_) {
        peer_->ApplyTabOrder();
        LinkLabels(controls_);
    }
}

void Window::_AddMenuHandler(String, Ptr) { RaiseUnsupported("Window._AddMenuHandler"); }

Ref<Object> Window::_ControlByName(String name)
{
    TraceCall("Window._ControlByName", name.Bytes());
    for (const auto& [registered, control] : controls_) {
        if (registered == name)
            return control;
    }
    return nullptr;
}

Ref<Object> Window::_ControlByNameIndex(String name, std::int32_t index)
{
    for (const auto& [registered, control] : controls_) {
        if (registered == name && control->Index() == index)
            return control;
    }
    return nullptr;
}

void Window::_DependencyList() { }

void Window::_Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    EnforceRule(*this, "Width", width, NotNegative);
    EnforceRule(*this, "Height", height, NotNegative);
    peer_->move(left, top);
    width_ = width;
    height_ = height;
    peer_->ApplyGeometry();
}

Ref<Object> Window::__New(const ClassTable* controlClass)
{
    TraceCall("Window.__New", [&] { return controlClass ? controlClass->name : std::string(); });
    if (!controlClass || !controlClass->IsA(fw::Control::__Lookup()))
        RaiseRuntimeException("Window.__New: the class is not a control class");
    Ref<Object> object = RuntimeNewObject(controlClass);
    static_cast<fw::Control&>(*object).AttachToWindow(this);
    return object;
}

void Window::SetMenuBar(Ref<fw::MenuBar> bar)
{
    TraceCall("Window.MenuBar");
    menuBar_ = std::move(bar);
    if (constructed_)
        peer_->PresentMenuBar();
}

void Window::SetTitle(String title)
{
    title_ = std::move(title);
    peer_->ApplyTitle();
}

void Window::SetWidth(std::int32_t width) { SetSize(width_, "Width", width); }
void Window::SetHeight(std::int32_t height) { SetSize(height_, "Height", height); }
void Window::SetMinWidth(std::int32_t value) { SetSize(minWidth_, "MinWidth", value); }
void Window::SetMinHeight(std::int32_t value) { SetSize(minHeight_, "MinHeight", value); }
void Window::SetMaxWidth(std::int32_t value) { SetSize(maxWidth_, "MaxWidth", value); }
void Window::SetMaxHeight(std::int32_t value) { SetSize(maxHeight_, "MaxHeight", value); }

void Window::SetSize(std::int32_t& size, const char* property, std::int32_t value)
{
    EnforceRule(*this, property, value, NotNegative);
    size = value;
    peer_->ApplyGeometry();
}

void Window::SetVisible(bool visible)
{
    visible_ = visible;
    // Until the construction ends the window stays hidden; it shows then.
    if (constructed_ && !closed_)
        peer_->setVisible(visible);
}

void Window::SetResizeable(bool value)
{
    resizeable_ = value;
    peer_->ApplyWindowFlags();
    peer_->ApplyGeometry();
}

void Window::SetCloseButton(bool value)
{
    closeButton_ = value;
    peer_->ApplyWindowFlags();
}

void Window::SetMinimizeButton(bool value)
{
    minimizeButton_ = value;
    peer_->ApplyWindowFlags();
}

void Window::SetMaximizeButton(bool value)
{
    maximizeButton_ = value;
    peer_->ApplyWindowFlags();
}

void Window::SetMenuBarVisible(bool value)
{
    menuBarVisible_ = value;
    if (constructed_)
        peer_->PresentMenuBar();
}

void Window::SetHasBackColor(bool value)
{
    hasBackColor_ = value;
    peer_->ApplyBackground();
}

void Window::SetBackColor(Color color)
{
    backColor_ = color;
    peer_->ApplyBackground();
}

void Window::SetFullScreen(bool value)
{
    fullScreen_ = value;
    if (constructed_ && !closed_)
        value ? peer_->showFullScreen() : peer_->showNormal();
}

void Window::ApplyTabOrder() { peer_->ApplyTabOrder(); }

bool Window::HandleCloseRequest()
{
    if (closed_)
        return true;
    Ref<Window> self = RefTo(*this);
    bool cancelled = false;
    if (const Thunk* cancelHandler = Class()->EventHandler(static_cast<int>(Event::CancelClose))) {
        RunProgramCode([&] {
            const Value result = (*cancelHandler)(*self, {});
            cancelled = std::holds_alternative<bool>(result) && std::get<bool>(result);
        });
    }
    if (cancelled && !HasPendingException())
        return false;
    closed_ = true;
    MoveToClosedWindows(self);
    if (const Thunk* closeHandler = Class()->EventHandler(static_cast<int>(Event::Close)))
        RunProgramCode([&] { (*closeHandler)(*self, {}); });
    return true;
}

void Window::HandleDefaultKey(bool cancelKey)
{
    for (const auto& [name, control] : controls_) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (rect && (cancelKey ? rect->IsCancelButton() : rect->IsDefaultButton()) && rect->IsActive()) {
            rect->Press();
            return;
        }
    }
}

void Window::RaiseEvent(Event event)
{
    // Raised from the window's own construction, inside program code: the
    // handler runs directly and its exceptions go to the code that built the
    // window.
    if (const Thunk* handler = Class()->EventHandler(static_cast<int>(event)))
        (*handler)(*this, {});
}

QWidget* Window::ContentWidget() const { return peer_->Content(); }
QWidget* Window::TopLevelWidget() const { return peer_.get(); }

} // namespace fw
