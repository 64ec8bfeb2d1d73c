#include "ui/rect_control.h"

#include "runtime/exception.h"
#include "runtime/member_property.h"
#include "runtime/method_row.h"
#include "runtime/property_checks.h"
#include "runtime/trace.h"
#include "ui/qt_geometry.h"
#include "ui/qt_string.h"
#include "ui/window.h"

#include <cassert>

namespace fw {

std::string ControlClassName(const Control& control)
{
    return control.Class() ? control.Class()->name : std::string("Control");
}

RectControl::RectControl() = default;

RectControl::~RectControl()
{
    if (widget_) {
        widget_->disconnect();
        delete widget_.data();
    }
}

void RectControl::Constructor()
{
    TraceCall("RectControl.Constructor", Name().Bytes());
    Window* window = OwnerWindow();
    if (!window)
        RaiseRuntimeException(String(ControlClassName(*this) + ".Constructor: the control belongs to no window"));
    if (widget_)
        RaiseRuntimeException(String(ControlClassName(*this) + ".Constructor: the control is constructed already"));
    widget_ = CreateWidget(window->ContentWidget());
    if (!widget_)
        RaiseRuntimeException(String(ControlClassName(*this) + ".Constructor: the control made no widget"));
    naturalFocusPolicy_ = widget_->focusPolicy();
    ApplyGeometry();
    widget_->setEnabled(enabled_);
    widget_->setToolTip(ToQString(helpTag_));
    ApplyAll();
    ApplyFocusPolicy();
    widget_->setVisible(visible_);
}

void RectControl::SetLeft(std::int32_t value)
{
    left_ = value;
    ApplyGeometry();
}

void RectControl::SetTop(std::int32_t value)
{
    top_ = value;
    ApplyGeometry();
}

void RectControl::SetWidth(std::int32_t value)
{
    EnforceRule(*this, "Width", value, NotNegative);
    width_ = value;
    ApplyGeometry();
}

void RectControl::SetHeight(std::int32_t value)
{
    EnforceRule(*this, "Height", value, NotNegative);
    height_ = value;
    ApplyGeometry();
}

void RectControl::SetVisible(bool value)
{
    visible_ = value;
    if (widget_)
        widget_->setVisible(value);
}

void RectControl::SetEnabled(bool value)
{
    enabled_ = value;
    if (widget_)
        widget_->setEnabled(value);
}

void RectControl::SetHelpTag(String value)
{
    helpTag_ = std::move(value);
    if (widget_)
        widget_->setToolTip(ToQString(helpTag_));
}

void RectControl::SetTabStop(bool value)
{
    tabStop_ = value;
    ApplyFocusPolicy();
}

void RectControl::SetTabIndex(std::int32_t value)
{
    tabIndex_ = value;
    if (widget_ && OwnerWindow())
        OwnerWindow()->ApplyTabOrder();
}

bool RectControl::IsActive() const { return visible_ && enabled_; }

void RectControl::ApplyFocusPolicy()
{
    if (!widget_)
        return;
    Qt::FocusPolicy policy = TabStopFocusPolicy();
    if (!tabStop_)
        policy = (policy & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus;
    widget_->setFocusPolicy(policy);
}

void RectControl::ApplyGeometry()
{
    if (widget_)
        widget_->setGeometry(ToQRect(left_, top_, width_, height_));
}

const ClassTable* RectControl::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<RectControl>(Control::__Lookup(), "RectControl");
        const MethodRow rows[] = { Method("Constructor", &RectControl::Constructor) };
        AddFrameworkMethods(*t, rows);
        AddOwnEvents(*t, Event::ConstructContextualMenu, EventNames);
        using R = RectControl;
        AddMemberProperty(t, "Left", &R::Left, &R::SetLeft);
        AddMemberProperty(t, "Top", &R::Top, &R::SetTop);
        AddMemberProperty(t, "Width", &R::Width, &R::SetWidth, NotNegative);
        AddMemberProperty(t, "Height", &R::Height, &R::SetHeight, NotNegative);
        AddMemberProperty(t, "TabIndex", &R::TabIndex, &R::SetTabIndex);
        AddMemberProperty(t, "TabPanelIndex", &R::tabPanelIndex_);
        AddMemberProperty(t, "Visible", &R::Visible, &R::SetVisible);
        AddMemberProperty(t, "Enabled", &R::Enabled, &R::SetEnabled);
        AddMemberProperty(t, "AutoDeactivate", &R::autoDeactivate_);
        AddMemberProperty(t, "TabStop", &R::TabStop, &R::SetTabStop);
        AddMemberProperty(t, "LockLeft", &R::lockLeft_);
        AddMemberProperty(t, "LockTop", &R::lockTop_);
        AddMemberProperty(t, "LockRight", &R::lockRight_);
        AddMemberProperty(t, "LockBottom", &R::lockBottom_);
        AddMemberProperty(t, "HelpTag", &R::HelpTag, &R::SetHelpTag);
        AddMemberProperty(t, "InitialParent", &R::initialParent_);
        return t;
    }();
    return table;
}

} // namespace fw
