// The framework's window class: its method-table entries, properties and
// events, the controls it creates, and its life cycle from Constructor to the
// close. What the user sees of it is its peer's (window_peer.h), which the
// window asks to apply each value that changes; its class table is in
// window_class.cpp.
#pragma once

#include "runtime/class_table.h"
#include "runtime/event_names.h"
#include "runtime/object.h"
#include "runtime/value.h"
#include "text/string.h"
// The list of open windows comes with the class, for the code that uses both.
#include "ui/window_registry.h"

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace fw {

class Control;
class MenuBar;
class WindowPeer;

class Window : public Object {
public:
    // The window's events, in event-table order.
    enum class Event {
        Activate,
        AddMenuHandlers,
        CancelClose,
        Close,
        ConstructContextualMenu,
        ContentsChanged,
        ContextualMenuAction,
        CreateControls,
        Deactivate,
        DragEnter,
        DragExit,
        DragOver,
        DropObject,
        EnableMenuItems,
        KeyDown,
        KeyUp,
        Layout,
        Maximize,
        Minimize,
        MouseDown,
        MouseDrag,
        MouseEnter,
        MouseExit,
        MouseMove,
        MouseUp,
        MouseWheel,
        Moved,
        Open,
        Paint,
        Resized,
        Resizing,
        Restore,
        SetupBindings,
        EventCount
    };
    static constexpr std::array<const char*, 33> EventNames = { "Activate", "AddMenuHandlers", "CancelClose", "Close",
        "ConstructContextualMenu", "ContentsChanged", "ContextualMenuAction", "CreateControls", "Deactivate",
        "DragEnter", "DragExit", "DragOver", "DropObject", "EnableMenuItems", "KeyDown", "KeyUp", "Layout", "Maximize",
        "Minimize", "MouseDown", "MouseDrag", "MouseEnter", "MouseExit", "MouseMove", "MouseUp", "MouseWheel", "Moved",
        "Open", "Paint", "Resized", "Resizing", "Restore", "SetupBindings" };
    static_assert(NamesEveryOwnEvent(Event::Activate, EventNames));

    Window();
    ~Window() override;

    // Method-table entries, in slot order.
    virtual void AcceptFileDrop(String type);
    virtual void AcceptMacDataDrop(String type);
    virtual void AcceptPictureDrop();
    virtual void AcceptRawDataDrop(String type);
    virtual void AcceptTextDrop();
    virtual void Close();
    // Raises Layout and CreateControls, then shows the window if Visible.
    virtual void Constructor();
    virtual Ref<fw::Control> ControlAt(std::int32_t index);
    virtual void DrawInto(const Ref<Object>& graphics, std::int32_t left, std::int32_t top, bool scaled);
    virtual void FocusNext();
    virtual void FocusPrevious();
    virtual void Hide();
    virtual void Invalidate(bool eraseBackground);
    virtual void Invalidate(
        std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, bool eraseBackground);
    virtual void Maximize();
    virtual void Minimize();
    virtual Ptr Operator_Convert();
    virtual void Refresh(bool eraseBackground);
    virtual void RefreshRect(
        std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, bool eraseBackground);
    virtual void Restore();
    virtual void SetFocus();
    virtual void Show();
    virtual void ShowModal();
    virtual void ShowModalWithin(const Ref<Window>& parent);
    virtual void ShowWithin(const Ref<Window>& parent, std::int32_t facing);
    virtual Ref<Window> TrueWindow();
    virtual void UpdateNow();
    // The entry named after the class; it takes nothing and gives nothing.
    virtual void WindowEntry();
    virtual void _AddControl(String name, const Ref<Object>& control);
    virtual void _AddMenuHandler(String name, Ptr handler);
    // The control registered under `name`, or nil.
    virtual Ref<Object> _ControlByName(String name);
    virtual Ref<Object> _ControlByNameIndex(String name, std::int32_t index);
    virtual void _DependencyList();
    virtual void _Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // A new, unconstructed control of the class that belongs to this window.
    virtual Ref<Object> __New(const ClassTable* controlClass);

    static constexpr std::size_t MethodCount = 35;

    // Properties.
    const Ref<fw::MenuBar>& MenuBar() const noexcept { return menuBar_; }
    void SetMenuBar(Ref<fw::MenuBar> bar);
    const String& Title() const noexcept { return title_; }
    void SetTitle(String title);
    std::int32_t Width() const noexcept { return width_; }
    void SetWidth(std::int32_t width);
    std::int32_t Height() const noexcept { return height_; }
    void SetHeight(std::int32_t height);
    std::int32_t MinWidth() const noexcept { return minWidth_; }
    void SetMinWidth(std::int32_t value);
    std::int32_t MinHeight() const noexcept { return minHeight_; }
    void SetMinHeight(std::int32_t value);
    std::int32_t MaxWidth() const noexcept { return maxWidth_; }
    void SetMaxWidth(std::int32_t value);
    std::int32_t MaxHeight() const noexcept { return maxHeight_; }
    void SetMaxHeight(std::int32_t value);
    bool Visible() const noexcept { return visible_; }
    void SetVisible(bool visible);
    bool Resizeable() const noexcept { return resizeable_; }
    void SetResizeable(bool value);
    bool CloseButton() const noexcept { return closeButton_; }
    void SetCloseButton(bool value);
    bool MinimizeButton() const noexcept { return minimizeButton_; }
    void SetMinimizeButton(bool value);
    bool MaximizeButton() const noexcept { return maximizeButton_; }
    void SetMaximizeButton(bool value);
    bool MenuBarVisible() const noexcept { return menuBarVisible_; }
    void SetMenuBarVisible(bool value);
    bool HasBackColor() const noexcept { return hasBackColor_; }
    void SetHasBackColor(bool value);
    Color BackColor() const noexcept { return backColor_; }
    void SetBackColor(Color color);
    bool FullScreen() const noexcept { return fullScreen_; }
    void SetFullScreen(bool value);

    // The registered controls, in registration order.
    const std::vector<std::pair<String, Ref<fw::Control>>>& Controls() const noexcept { return controls_; }

    // The widget that holds the controls; its size is the window's content
    // area.
    QWidget* ContentWidget() const;
    // The top-level Qt window.
    QWidget* TopLevelWidget() const;

    // Forgets every registered control, detached from the window.
    void ReleaseControls();

    // Orders keyboard focus by the controls' TabIndex.
    void ApplyTabOrder();

    // Called by the Qt window when the user or the system closes it: raises
    // CancelClose and Close as program code. Gives false when the close was
    // cancelled.
    bool HandleCloseRequest();
    // Return or Enter that no control took: presses the default button.
    void HandleDefaultKey(bool cancelKey);

    static const ClassTable* __Lookup();

private:
    // The window's properties, on its class table. A member, so that the
    // ones the window only stores register their data members.
    static void RegisterProperties(ClassTable* table);
    // Sets one of the sizes or size limits, which are never negative.
    void SetSize(std::int32_t& size, const char* property, std::int32_t value);
    void RaiseEvent(Event event);

    std::unique_ptr<WindowPeer> peer_;
    std::vector<std::pair<String, Ref<fw::Control>>> controls_;
    Ref<fw::MenuBar> menuBar_;
    bool constructed_ = false;
    bool closed_ = false;

    String title_;
    std::int32_t width_ = 300;
    std::int32_t height_ = 300;
    std::int32_t minWidth_ = 64;
    std::int32_t minHeight_ = 64;
    std::int32_t maxWidth_ = 32000;
    std::int32_t maxHeight_ = 32000;
    // Kept and read back; they have no visible effect on this platform.
    std::int32_t placement_ = 0;
    std::int32_t frame_ = 0;
    std::int32_t macProcId_ = 0;
    bool visible_ = true;
    bool resizeable_ = true;
    bool closeButton_ = true;
    bool minimizeButton_ = true;
    bool maximizeButton_ = true;
    bool fullScreenButton_ = false;
    bool menuBarVisible_ = true;
    bool composite_ = false;
    bool liveResize_ = true;
    bool hasBackColor_ = false;
    Color backColor_ { 255, 255, 255 };
    bool fullScreen_ = false;
};

} // namespace fw
