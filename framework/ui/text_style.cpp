#include "ui/text_style.h"

#include "runtime/exception.h"
#include "runtime/member_property.h"
#include "ui/qt_string.h"

#include <QGuiApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace fw {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kMillimetresPerInch = 25.4;

bool IsSystemFont(const String& name) { return name.IsEmpty() || FoldCase(name.Bytes()) == "system"; }

std::optional<std::string> FontSizeRule(double value)
{
    if (!std::isfinite(value) || value < 0)
        return std::to_string(value) + " is not a font size";
    return std::nullopt;
}

} // namespace

void TextStyle::SetTextFont(String value)
{
    textFont_ = std::move(value);
    ApplyFont();
}

void TextStyle::SetBold(bool value)
{
    bold_ = value;
    ApplyFont();
}

void TextStyle::SetItalic(bool value)
{
    italic_ = value;
    ApplyFont();
}

void TextStyle::SetUnderline(bool value)
{
    underline_ = value;
    ApplyFont();
}

void TextStyle::SetTextSize(double value)
{
    if (std::optional<std::string> problem = FontSizeRule(value))
        RaiseRuntimeException(String("TextSize: " + *problem));
    textSize_ = value;
    ApplyFont();
}

void TextStyle::SetTextUnit(FontUnit value)
{
    if (static_cast<std::uint8_t>(value) > static_cast<std::uint8_t>(FontUnit::Millimeter))
        RaiseRuntimeException(
            String("TextUnit: " + std::to_string(static_cast<int>(value)) + " is not a font unit (0 to 4)"));
    textUnit_ = value;
    ApplyFont();
}

QFont TextStyle::Font() const
{
    QFont font = QGuiApplication::font();
    if (!IsSystemFont(textFont_))
        font.setFamilies({ ToQString(textFont_) });
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    if (textSize_ > 0) {
        switch (textUnit_) {
        case FontUnit::Pixel:
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(textSize_))));
            break;
        case FontUnit::Default:
        case FontUnit::Point:
            font.setPointSizeF(textSize_);
            break;
        case FontUnit::Inch:
            font.setPointSizeF(textSize_ * kPointsPerInch);
            break;
        case FontUnit::Millimeter:
            font.setPointSizeF(textSize_ * kPointsPerInch / kMillimetresPerInch);
            break;
        }
    }
    return font;
}

void TextStyle::ApplyFont() const
{
    if (QWidget* widget = StyledWidget())
        widget->setFont(Font());
}

void TextStyle::RegisterProperties(ClassTable* t)
{
    using S = TextStyle;
    AddMemberProperty(t, "TextFont", &S::TextFont, &S::SetTextFont);
    AddMemberProperty(t, "Bold", &S::Bold, &S::SetBold);
    AddMemberProperty(t, "Italic", &S::Italic, &S::SetItalic);
    AddMemberProperty(t, "Underline", &S::Underline, &S::SetUnderline);
    AddMemberProperty(t, "TextSize", &S::TextSize, &S::SetTextSize, FontSizeRule);
}

} // namespace fw
