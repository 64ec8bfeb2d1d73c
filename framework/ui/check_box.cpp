#include "ui/check_box.h"

#include "runtime/member_property.h"
#include "runtime/property_checks.h"
#include "ui/qt_string.h"

#include <QCheckBox>
#include <QSignalBlocker>

#include <cassert>

namespace fw {
namespace {

constexpr ChoiceName kCheckedStates[] = {
    { CheckBox::Unchecked, "unchecked" },
    { CheckBox::Checked, "checked" },
    { CheckBox::Indeterminate, "indeterminate" },
};
constexpr ValueRule<std::int32_t> CheckedStateRule = ChoiceRule<kCheckedStates>;

Qt::CheckState ToQtCheckState(std::int32_t state)
{
    switch (state) {
    case CheckBox::Checked:
        return Qt::Checked;
    case CheckBox::Indeterminate:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

std::int32_t FromQtCheckState(Qt::CheckState state)
{
    switch (state) {
    case Qt::Checked:
        return CheckBox::Checked;
    case Qt::PartiallyChecked:
        return CheckBox::Indeterminate;
    default:
        return CheckBox::Unchecked;
    }
}

} // namespace

CheckBox::CheckBox() = default;
CheckBox::~CheckBox() = default;

void CheckBox::SetCaption(String value)
{
    caption_ = std::move(value);
    if (QCheckBox* box = Box())
        box->setText(ToQString(caption_));
}

void CheckBox::SetValue(bool value) { SetState(value ? Checked : Unchecked); }

void CheckBox::SetState(std::int32_t value)
{
    EnforceRule(*this, "State", value, CheckedStateRule);
    state_ = value;
    ApplyState();
}

QWidget* CheckBox::CreateWidget(QWidget* parent)
{
    auto* box = new QCheckBox(parent);
    // Every change of state that gets past ApplyState's signal blocker is the
    // user's: a click or Space (the box already shows the new state), or an
    // assistive technology's Toggle, which sets the state without a click.
    QObject::connect(box, &QCheckBox::stateChanged, box, [this] { TakeUserChange(); });
    return box;
}

void CheckBox::ApplyAll()
{
    ApplyFont();
    Box()->setText(ToQString(caption_));
    ApplyState();
}

QCheckBox* CheckBox::Box() const { return qobject_cast<QCheckBox*>(Widget()); }

void CheckBox::ApplyState()
{
    QCheckBox* box = Box();
    if (!box)
        return;
    const QSignalBlocker blocker(box);
    // Tri-state only while indeterminate, so that the user's clicks go
    // between checked and unchecked and never back to indeterminate.
    box->setTristate(state_ == Indeterminate);
    box->setCheckState(ToQtCheckState(state_));
}

void CheckBox::TakeUserChange()
{
    state_ = FromQtCheckState(Box()->checkState());
    ApplyState();
    RaiseUserEvent(IndexOf(Event::Action));
}

const ClassTable* CheckBox::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<CheckBox>(RectControl::__Lookup(), "CheckBox");
        AddOwnEvents(*t, Event::Action, EventNames);
        using C = CheckBox;
        AddMemberProperty(t, "Caption", &C::Caption, &C::SetCaption);
        AddMemberProperty(t, "Value", &C::Value, &C::SetValue);
        AddMemberProperty(t, "State", &C::State, &C::SetState, CheckedStateRule);
        TextStyle::RegisterProperties(t);
        DataBound::RegisterProperties(t);
        return t;
    }();
    return table;
}

} // namespace fw
