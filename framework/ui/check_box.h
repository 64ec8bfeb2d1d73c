// A check box: the user's click (or a screen reader's Toggle) changes it and
// then raises Action, so the handler reads the new state. State can also be
// indeterminate, from code.
#pragma once

#include "ui/data_bound.h"
#include "ui/rect_control.h"
#include "ui/text_style.h"

#include <array>
#include <cstdint>

class QCheckBox;

namespace fw {

class CheckBox : public RectControl, public TextStyle, public DataBound {
public:
    // The check box's events, after RectControl's.
    enum class Event { Action = IndexOf(RectControl::Event::EventCount), EventCount };
    static constexpr std::array<const char*, 1> EventNames = { "Action" };
    static_assert(NamesEveryOwnEvent(Event::Action, EventNames));
    // The program attaches its handlers under this index.
    static_assert(IndexOf(Event::Action) == 15);

    // The values of State.
    enum CheckedState : std::int32_t { Unchecked = 0, Checked = 1, Indeterminate = 2 };

    CheckBox();
    ~CheckBox() override;

    const String& Caption() const noexcept { return caption_; }
    void SetCaption(String value);
    // True when the box is checked; an indeterminate box is not. Setting it
    // makes State Checked or Unchecked.
    bool Value() const noexcept { return state_ == Checked; }
    void SetValue(bool value);
    std::int32_t State() const noexcept { return state_; }
    // A value other than a CheckedState raises a RuntimeException.
    void SetState(std::int32_t value);

    static const ClassTable* __Lookup();

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyAll() override;
    QWidget* StyledWidget() const override { return Widget(); }

private:
    QCheckBox* Box() const;
    void ApplyState();
    void TakeUserChange();

    String caption_;
    std::int32_t state_ = Unchecked;
};

} // namespace fw
