#include "ui/text_area.h"

#include "runtime/member_property.h"
#include "runtime/property_checks.h"
#include "ui/secret_text_edit.h"

#include <QTextBlockFormat>

#include <cmath>

namespace fw {
namespace {

std::optional<std::string> LineSpacingRule(double value)
{
    if (!std::isfinite(value) || value <= 0)
        return std::to_string(value) + " is not a line spacing above 0";
    return std::nullopt;
}

Qt::ScrollBarPolicy ScrollBarPolicy(bool shown) { return shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff; }

} // namespace

TextArea::TextArea() = default;
TextArea::~TextArea() = default;

void TextArea::SetMultiLine(bool value)
{
    multiLine_ = value;
    ApplyMultiLine();
}

void TextArea::SetScrollBarVertical(bool value)
{
    scrollBarVertical_ = value;
    ApplyScrollBars();
}

void TextArea::SetScrollBarHorizontal(bool value)
{
    scrollBarHorizontal_ = value;
    ApplyScrollBars();
}

void TextArea::SetLineSpacing(double value)
{
    EnforceRule(*this, "LineSpacing", value, LineSpacingRule);
    lineSpacing_ = value;
    ApplyBlockFormat();
}

QWidget* TextArea::CreateWidget(QWidget* parent) { return new SecretTextEdit(parent); }

void TextArea::ApplyAll()
{
    TextEdit::ApplyAll();
    ApplyMultiLine();
    ApplyScrollBars();
}

void TextArea::AddBlockFormat(QTextBlockFormat& format) const
{
    format.setLineHeight(lineSpacing_ * 100.0, QTextBlockFormat::ProportionalHeight);
}

void TextArea::LetGoOfOldText()
{
    if (SecretTextEdit* area = Area())
        area->GiveUpPrimarySelection();
}

SecretTextEdit* TextArea::Area() const { return qobject_cast<SecretTextEdit*>(Widget()); }

void TextArea::ApplyMultiLine()
{
    if (SecretTextEdit* area = Area()) {
        area->setLineWrapMode(multiLine_ ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
        area->SetSingleLine(!multiLine_);
    }
}

void TextArea::ApplyScrollBars()
{
    if (SecretTextEdit* area = Area()) {
        area->setVerticalScrollBarPolicy(ScrollBarPolicy(scrollBarVertical_));
        area->setHorizontalScrollBarPolicy(ScrollBarPolicy(scrollBarHorizontal_));
    }
}

const ClassTable* TextArea::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<TextArea>(TextEdit::__Lookup(), "TextArea");
        using A = TextArea;
        AddMemberProperty(t, "MultiLine", &A::MultiLine, &A::SetMultiLine);
        AddMemberProperty(t, "ScrollBarVertical", &A::ScrollBarVertical, &A::SetScrollBarVertical);
        AddMemberProperty(t, "ScrollBarHorizontal", &A::ScrollBarHorizontal, &A::SetScrollBarHorizontal);
        AddMemberProperty(t, "LineSpacing", &A::LineSpacing, &A::SetLineSpacing, LineSpacingRule);
        return t;
    }();
    return table;
}

} // namespace fw
