// The font values that the push button, the check box, the label and the
// text controls share, with the setters and the properties that carry them.
// A control class inherits it next to RectControl and names its widget.
#pragma once

#include "runtime/class_table.h"
#include "text/string.h"

#include <QFont>

#include <cstdint>

class QWidget;

namespace fw {

// How TextSize is read. Default is the platform's unit, points here.
enum class FontUnit : std::uint8_t { Default = 0, Pixel, Point, Inch, Millimeter };

class TextStyle {
public:
    TextStyle() = default;
    TextStyle(const TextStyle&) = delete;
    TextStyle& operator=(const TextStyle&) = delete;
    virtual ~TextStyle() = default;

    // A family name; "System" (any letter case) or an empty name is the
    // platform's default font.
    const String& TextFont() const noexcept { return textFont_; }
    void SetTextFont(String value);
    bool Bold() const noexcept { return bold_; }
    void SetBold(bool value);
    bool Italic() const noexcept { return italic_; }
    void SetItalic(bool value);
    bool Underline() const noexcept { return underline_; }
    void SetUnderline(bool value);
    // In TextUnit; 0 is the default size. A negative or non-finite size
    // raises a RuntimeException.
    double TextSize() const noexcept { return textSize_; }
    void SetTextSize(double value);
    FontUnit TextUnit() const noexcept { return textUnit_; }
    // A value outside FontUnit raises a RuntimeException.
    void SetTextUnit(FontUnit value);

    // The font these values describe, made from the application's font.
    QFont Font() const;

    // TextFont, Bold, Italic, Underline and TextSize.
    static void RegisterProperties(ClassTable* table);

protected:
    // The widget the font goes to, or nullptr while there is none.
    virtual QWidget* StyledWidget() const = 0;
    // Gives the widget the font; the control calls it when it makes the
    // widget, the setters whenever a value changes.
    void ApplyFont() const;

private:
    String textFont_ = "System";
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    double textSize_ = 0;
    FontUnit textUnit_ = FontUnit::Default;
};

} // namespace fw
