// A push button: raises Action when the user clicks it. Marked Default, it
// is the window's Return button; marked Cancel, its Escape button.
#pragma once

#include "ui/rect_control.h"
#include "ui/text_style.h"

#include <cstdint>

class QPushButton;

namespace fw {

// The push button's events, after RectControl's.
namespace push_button_events {
inline constexpr int Action = 15;
inline constexpr int Count = 16;
} // namespace push_button_events
static_assert(push_button_events::Action == rect_control_events::Count);

class PushButton : public RectControl, public TextStyle {
public:
    static constexpr int ActionEvent = push_button_events::Action;

    PushButton();
    ~PushButton() override;

    // "&" marks the mnemonic.
    const String& Caption() const noexcept { return caption_; }
    void SetCaption(String value);
    bool Default() const noexcept { return default_; }
    void SetDefault(bool value);
    bool Cancel() const noexcept { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // Kept and read back; every style is drawn as the normal push button (0).
    std::int32_t ButtonStyle() const noexcept { return buttonStyle_; }
    void SetButtonStyle(std::int32_t value) { buttonStyle_ = value; }

    bool IsDefaultButton() const override { return default_; }
    bool IsCancelButton() const override { return cancel_; }
    // Raises Action, as the user's click does; nothing while the button is
    // hidden or disabled.
    void Press() override;

    static const ClassTable* __Lookup();

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyAll() override;
    QWidget* StyledWidget() const override { return Widget(); }

private:
    QPushButton* Button() const;
    void ApplyDefault();

    String caption_;
    bool default_ = false;
    bool cancel_ = false;
    std::int32_t buttonStyle_ = 0;
};

} // namespace fw
