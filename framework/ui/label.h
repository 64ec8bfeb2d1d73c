// A label: plain text, aligned, optionally wrapped and selectable by mouse.
// It raises no events of its own. For assistive technology it names the
// control beside it on its row (ui/label_links.h).
#pragma once

#include "runtime/value.h"
#include "ui/data_bound.h"
#include "ui/rect_control.h"
#include "ui/text_style.h"

#include <cstdint>

class QLabel;

namespace fw {

class Label : public RectControl, public TextStyle, public DataBound {
public:
    Label();
    ~Label() override;

    // Shown as it is: no rich text, no mnemonic.
    const String& Text() const noexcept { return text_; }
    void SetText(String value);
    // 0 the default (left), 1 left, 2 centre, 3 right; another value raises a
    // RuntimeException.
    std::int32_t TextAlign() const noexcept { return textAlign_; }
    void SetTextAlign(std::int32_t value);
    // Drawn as given where it reads on the theme's background, in the
    // theme's text colour where it does not (ui/readable_color.h).
    Color TextColor() const noexcept { return textColor_; }
    void SetTextColor(Color value);
    // Wraps the text at word boundaries.
    bool MultiLine() const noexcept { return multiLine_; }
    void SetMultiLine(bool value);
    // Lets the user select the text with the mouse.
    bool Selectable() const noexcept { return selectable_; }
    void SetSelectable(bool value);

    static const ClassTable* __Lookup();

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyAll() override;
    QWidget* StyledWidget() const override { return Widget(); }

private:
    QLabel* TextLabel() const;
    void ApplyText();
    void ApplyAlignment();
    void ApplyColor();
    void ApplyInteraction();

    String text_;
    std::int32_t textAlign_ = 0;
    Color textColor_ { 0, 0, 0 };
    bool multiLine_ = false;
    bool selectable_ = false;
    // Only stored and read back: the label paints no background either way.
    bool transparent_ = false;
};

} // namespace fw
