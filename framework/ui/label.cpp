#include "ui/label.h"

#include "runtime/member_property.h"
#include "runtime/property_checks.h"
#include "ui/qt_color.h"
#include "ui/qt_string.h"
#include "ui/readable_color.h"
#include "ui/text_alignment.h"

#include <QAccessible>
#include <QLabel>

namespace fw {

Label::Label() = default;
Label::~Label() = default;

void Label::SetText(String value)
{
    text_ = std::move(value);
    ApplyText();
}

void Label::SetTextAlign(std::int32_t value)
{
    EnforceRule(*this, "TextAlign", value, TextAlignmentRule);
    textAlign_ = value;
    ApplyAlignment();
}

void Label::SetTextColor(Color value)
{
    textColor_ = value;
    ApplyColor();
}

void Label::SetMultiLine(bool value)
{
    multiLine_ = value;
    if (QLabel* label = TextLabel())
        label->setWordWrap(multiLine_);
}

void Label::SetSelectable(bool value)
{
    selectable_ = value;
    ApplyInteraction();
}

QWidget* Label::CreateWidget(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void Label::ApplyAll()
{
    ApplyFont();
    ApplyText();
    ApplyAlignment();
    ApplyColor();
    TextLabel()->setWordWrap(multiLine_);
    ApplyInteraction();
}

QLabel* Label::TextLabel() const { return qobject_cast<QLabel*>(Widget()); }

void Label::ApplyText()
{
    if (QLabel* label = TextLabel()) {
        label->setText(ToQString(text_));
        // The control this label names (ui/label_links.h) has a new name.
        if (QWidget* labelled = label->buddy()) {
            QAccessibleEvent event(labelled, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void Label::ApplyAlignment()
{
    if (QLabel* label = TextLabel())
        label->setAlignment(HorizontalAlignment(textAlign_) | Qt::AlignVCenter);
}

void Label::ApplyColor()
{
    if (QLabel* label = TextLabel())
        KeepTextReadable(*label, QPalette::WindowText, ToQColor(textColor_));
}

void Label::ApplyInteraction()
{
    if (QLabel* label = TextLabel()) {
        label->setTextInteractionFlags(selectable_ ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
        // QLabel sets its own focus policy with the flags; TabStop decides it.
        ApplyFocusPolicy();
    }
}

const ClassTable* Label::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<Label>(RectControl::__Lookup(), "Label");
        using L = Label;
        AddMemberProperty(t, "Text", &L::Text, &L::SetText);
        AddMemberProperty(t, "TextAlign", &L::TextAlign, &L::SetTextAlign, TextAlignmentRule);
        AddMemberProperty(t, "TextColor", &L::TextColor, &L::SetTextColor);
        AddMemberProperty(t, "MultiLine", &L::MultiLine, &L::SetMultiLine);
        AddMemberProperty(t, "Selectable", &L::Selectable, &L::SetSelectable);
        AddMemberProperty(t, "Transparent", &L::transparent_);
        TextStyle::RegisterProperties(t);
        DataBound::RegisterProperties(t);
        return t;
    }();
    return table;
}

} // namespace fw
