// A check box: the user's click (or a screen reader's Toggle) changes it and
// then raises Action, so the handler reads the new state. State can also be
// indeterminate, from code.
#pragma once

#include "ui/data_bound.h"
#include "ui/rect_control.h"
#include "ui/text_style.h"

#include <cstdint>

class QCheckBox;

namespace fw {

// The check box's events, after RectControl's.
namespace check_box_events {
inline constexpr int Action = 15;
inline constexpr int Count = 16;
} // namespace check_box_events
static_assert(check_box_events::Action == rect_control_events::Count);

class CheckBox : public RectControl, public TextStyle, public DataBound {
public:
    static constexpr int ActionEvent = check_box_events::Action;

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
