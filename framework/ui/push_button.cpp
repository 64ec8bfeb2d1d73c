#include "ui/push_button.h"

#include "runtime/member_property.h"
#include "ui/qt_string.h"

#include <QPushButton>

#include <cassert>

namespace fw {

PushButton::PushButton() = default;
PushButton::~PushButton() = default;

void PushButton::SetCaption(String value)
{
    caption_ = std::move(value);
    if (QPushButton* button = Button())
        button->setText(ToQString(caption_));
}

void PushButton::SetDefault(bool value)
{
    default_ = value;
    ApplyDefault();
}

void PushButton::Press()
{
    if (IsActive())
        RaiseUserEvent(IndexOf(Event::Action));
}

QWidget* PushButton::CreateWidget(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    // clicked comes only from the user (or click()), never from a setter.
    QObject::connect(button, &QPushButton::clicked, button, [this] { RaiseUserEvent(IndexOf(Event::Action)); });
    return button;
}

void PushButton::ApplyAll()
{
    ApplyFont();
    Button()->setText(ToQString(caption_));
    ApplyDefault();
}

QPushButton* PushButton::Button() const { return qobject_cast<QPushButton*>(Widget()); }

void PushButton::ApplyDefault()
{
    if (QPushButton* button = Button()) {
        // Outside a dialog Qt presses no default button by itself: the window
        // does, for a Return that no control took, and a focused default
        // button takes Return itself. Never auto-default: outside a dialog Qt
        // drops an auto-default button's default look when it loses the focus.
        button->setDefault(default_);
        button->setAutoDefault(false);
    }
}

const ClassTable* PushButton::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<PushButton>(RectControl::__Lookup(), "PushButton");
        AddOwnEvents(*t, Event::Action, EventNames);
        using B = PushButton;
        AddMemberProperty(t, "Caption", &B::Caption, &B::SetCaption);
        AddMemberProperty(t, "Default", &B::Default, &B::SetDefault);
        AddMemberProperty(t, "Cancel", &B::cancel_);
        AddMemberProperty(t, "ButtonStyle", &B::buttonStyle_);
        TextStyle::RegisterProperties(t);
        return t;
    }();
    return table;
}

} // namespace fw
