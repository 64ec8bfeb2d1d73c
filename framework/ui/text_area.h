// The text area: a TextEdit over a plain-text widget whose copies are marked
// secret. Multi-line wraps and takes Return; single-line does neither.
#pragma once

#include "ui/text_edit.h"

namespace fw {

class SecretTextEdit;

class TextArea : public TextEdit {
public:
    TextArea();
    ~TextArea() override;

    bool MultiLine() const noexcept { return multiLine_; }
    void SetMultiLine(bool value);
    // True: the scroll bar shows when the text needs it; false: never.
    bool ScrollBarVertical() const noexcept { return scrollBarVertical_; }
    void SetScrollBarVertical(bool value);
    bool ScrollBarHorizontal() const noexcept { return scrollBarHorizontal_; }
    void SetScrollBarHorizontal(bool value);
    // The line height as a multiple of the font's, 1.0 single spacing. A
    // value that is not a finite number above 0 raises a RuntimeException.
    double LineSpacing() const noexcept { return lineSpacing_; }
    void SetLineSpacing(double value);

    static const ClassTable* __Lookup();

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyAll() override;
    void AddBlockFormat(QTextBlockFormat& format) const override;
    // The old text leaves the PRIMARY selection, where selecting it put it.
    void LetGoOfOldText() override;

private:
    SecretTextEdit* Area() const;
    void ApplyMultiLine();
    void ApplyScrollBars();

    bool multiLine_ = true;
    bool scrollBarVertical_ = true;
    bool scrollBarHorizontal_ = true;
    double lineSpacing_ = 1.0;
};

} // namespace fw
