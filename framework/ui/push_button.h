// A push button: raises Action when the user clicks it. Marked Default, it
// is the window's Return button; marked Cancel, its Escape button.
#pragma once

#include "ui/rect_control.h"
#include "ui/text_style.h"

#include <array>
#include <cstdint>

class QPushButton;

namespace fw {

class PushButton : public RectControl, public TextStyle {
public:
    // The push button's events, after RectControl's.
    enum class Event { Action = IndexOf(RectControl::Event::EventCount), EventCount };
    static constexpr std::array<const char*, 1> EventNames = { "Action" };
    static_assert(NamesEveryOwnEvent(Event::Action, EventNames));
    // The program attaches its handler under this index.
    static_assert(IndexOf(Event::Action) == 15);

    PushButton();
    ~PushButton() override;

    // "&" marks the mnemonic.
    const String& Caption() const noexcept { return caption_; }
    void SetCaption(String value);
    bool Default() const noexcept { return default_; }
    void SetDefault(bool value);

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
    // Properties only stored: Cancel is read when the window takes Escape
    // (IsCancelButton); every ButtonStyle is drawn as the normal push button.
    bool cancel_ = false;
    std::int32_t buttonStyle_ = 0;
};

} // namespace fw
