// A control with a rectangle in its window's content area, backed by one Qt
// widget. Values set before the widget exists are kept and applied when the
// constructor makes it.
#pragma once

#include "ui/control.h"

#include <QPointer>
#include <QWidget>

#include <array>

namespace fw {

class RectControl : public Control {
public:
    // The events every rectangular control has, after Control's. They are in
    // the table so that the indices of the subclasses' events line up; this
    // framework raises none of them.
    enum class Event {
        ConstructContextualMenu = IndexOf(Control::Event::EventCount),
        ContextualMenuAction,
        DragEnter,
        DragExit,
        DragOver,
        DropObject,
        KeyDown,
        KeyUp,
        MouseDown,
        MouseEnter,
        MouseExit,
        MouseMove,
        MouseUp,
        EventCount
    };
    static constexpr std::array<const char*, 13> EventNames
        = { "ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit", "DragOver", "DropObject",
              "KeyDown", "KeyUp", "MouseDown", "MouseEnter", "MouseExit", "MouseMove", "MouseUp" };
    static_assert(NamesEveryOwnEvent(Event::ConstructContextualMenu, EventNames));

    RectControl();
    // Deletes the widget with the control, so that no widget outlives the
    // control its signals call into.
    ~RectControl() override;

    // Makes the widget in the owner window's content area and applies every
    // value set so far. The constructor of every control class. Raises a
    // RuntimeException for a control that belongs to no window or was
    // constructed already.
    virtual void Constructor();

    // The widget, or nullptr before the constructor ran (or after the window
    // went away).
    QWidget* Widget() const { return widget_.data(); }

    // Geometry in the content area. A negative width or height raises a
    // RuntimeException.
    std::int32_t Left() const noexcept { return left_; }
    void SetLeft(std::int32_t value);
    std::int32_t Top() const noexcept { return top_; }
    void SetTop(std::int32_t value);
    std::int32_t Width() const noexcept { return width_; }
    void SetWidth(std::int32_t value);
    std::int32_t Height() const noexcept { return height_; }
    void SetHeight(std::int32_t value);
    bool Visible() const noexcept { return visible_; }
    void SetVisible(bool value);
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool value);
    // The tooltip.
    const String& HelpTag() const noexcept { return helpTag_; }
    void SetHelpTag(String value);
    // False takes the control out of the Tab chain; a click still focuses it.
    bool TabStop() const noexcept { return tabStop_; }
    void SetTabStop(bool value);
    // The window orders keyboard focus by it.
    std::int32_t TabIndex() const noexcept { return tabIndex_; }
    void SetTabIndex(std::int32_t value);

    // For the window's Return and Escape keys.
    virtual bool IsDefaultButton() const { return false; }
    virtual bool IsCancelButton() const { return false; }
    // True when the control is visible and enabled.
    bool IsActive() const;
    // Acts as a click of the user would.
    virtual void Press() { }
    // True for a control without a caption of its own, which a label beside
    // it names for assistive technology (ui/label_links.h).
    virtual bool TakesNameFromLabel() const { return false; }

    static const ClassTable* __Lookup();

protected:
    // Makes the control's widget as a child of `parent` (Qt parent
    // ownership).
    virtual QWidget* CreateWidget(QWidget* parent) = 0;
    // Applies the subclass's own values to the new widget.
    virtual void ApplyAll() { }
    // The focus policy the widget has while it is a Tab stop.
    virtual Qt::FocusPolicy TabStopFocusPolicy() const { return naturalFocusPolicy_; }
    // Re-applies TabStop, for subclasses whose values change the focus
    // policy.
    void ApplyFocusPolicy();

private:
    void ApplyGeometry();

    QPointer<QWidget> widget_;
    Qt::FocusPolicy naturalFocusPolicy_ = Qt::NoFocus; // the widget's own, read when it is made
    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    std::int32_t width_ = 80;
    std::int32_t height_ = 22;
    bool visible_ = true;
    bool enabled_ = true;
    String helpTag_;
    bool tabStop_ = true;
    std::int32_t tabIndex_ = 0;

    // Properties only stored and read back: they have no effect on this
    // platform's layout (the window does not resize, so the locks never move
    // a control).
    bool autoDeactivate_ = true;
    bool lockLeft_ = false;
    bool lockTop_ = false;
    bool lockRight_ = false;
    bool lockBottom_ = false;
    std::int32_t tabPanelIndex_ = 0;
    String initialParent_;
};

// The name of the control's class, for error messages.
std::string ControlClassName(const Control& control);

} // namespace fw
