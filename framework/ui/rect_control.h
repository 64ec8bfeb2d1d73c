// A control with a rectangle in its window's content area, backed by one Qt
// widget. Values set before the widget exists are kept and applied when the
// constructor makes it.
#pragma once

#include "ui/control.h"

#include <QPointer>
#include <QWidget>

namespace fw {

// Indices of the events every rectangular control has, after the two of
// Control.
namespace rect_control_events {
inline constexpr int ConstructContextualMenu = 2;
inline constexpr int ContextualMenuAction = 3;
inline constexpr int DragEnter = 4;
inline constexpr int DragExit = 5;
inline constexpr int DragOver = 6;
inline constexpr int DropObject = 7;
inline constexpr int KeyDown = 8;
inline constexpr int KeyUp = 9;
inline constexpr int MouseDown = 10;
inline constexpr int MouseEnter = 11;
inline constexpr int MouseExit = 12;
inline constexpr int MouseMove = 13;
inline constexpr int MouseUp = 14;
inline constexpr int Count = 15;
} // namespace rect_control_events

class RectControl : public Control {
public:
    RectControl();
    ~RectControl() override;

    // Makes the widget in the owner window's content area and applies every
    // value set so far. The constructor of every control class.
    virtual void Constructor();

    // The widget, or nullptr before the constructor ran (or after the window
    // went away).
    QWidget* Widget() const { return widget_.data(); }

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
    const String& HelpTag() const noexcept { return helpTag_; }
    void SetHelpTag(String value);
    bool TabStop() const noexcept { return tabStop_; }
    void SetTabStop(bool value);
    std::int32_t TabIndex() const noexcept { return tabIndex_; }
    void SetTabIndex(std::int32_t value);

    // For the window's Return and Escape keys.
    virtual bool IsDefaultButton() const { return false; }
    virtual bool IsCancelButton() const { return false; }
    // True when the control is visible and enabled.
    bool IsActive() const;
    // Acts as a click of the user would.
    virtual void Press() {}

    static const ClassTable* __Lookup();

protected:
    // Makes the control's widget as a child of `parent`.
    virtual QWidget* CreateWidget(QWidget* parent) = 0;
    // Applies the subclass's own values to the new widget.
    virtual void ApplyAll() {}

private:
    void ApplyGeometry();
    void ApplyCommon();

    QPointer<QWidget> widget_;
    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    std::int32_t width_ = 80;
    std::int32_t height_ = 22;
    bool visible_ = true;
    bool enabled_ = true;
    String helpTag_;
    bool tabStop_ = true;
    std::int32_t tabIndex_ = 0;

    // Kept and read back; they have no effect on this platform's layout (the
    // window does not resize, so the locks never move a control).
    bool autoDeactivate_ = true;
    bool lockLeft_ = false;
    bool lockTop_ = false;
    bool lockRight_ = false;
    bool lockBottom_ = false;
    std::int32_t tabPanelIndex_ = 0;
    String initialParent_;

    friend void RegisterRectControlProperties(ClassTable* table);
};

} // namespace fw
