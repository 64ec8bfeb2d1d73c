// The base of the text controls: the text, its selection, its look and the
// values kept for the platform. A subclass makes the widget, a QTextEdit.
//
// SelStart and SelLength count characters (a character outside the Basic
// Multilingual Plane is one, as Len counts it). A start beyond the text is
// clamped to its end, a length beyond it to the rest of the text, and a
// negative one to 0. Setting the text puts the cursor at its start.
#pragma once

#include "runtime/value.h"
#include "ui/data_bound.h"
#include "ui/rect_control.h"
#include "ui/text_style.h"

#include <cstdint>

class QString;
class QTextBlockFormat;
class QTextEdit;

namespace fw {

class TextEdit : public RectControl, public TextStyle, public DataBound {
public:
    TextEdit();
    ~TextEdit() override;

    // The plain text, as the user sees (and may have edited) it.
    String Text() const;
    void SetText(String value);
    std::int32_t SelStart() const;
    // Collapses the selection to the cursor, at `value`.
    void SetSelStart(std::int32_t value);
    std::int32_t SelLength() const;
    // Selects `value` characters from SelStart.
    void SetSelLength(std::int32_t value);

    bool ReadOnly() const noexcept { return readOnly_; }
    void SetReadOnly(bool value);
    // 0 the default (left), 1 left, 2 centre, 3 right, for all of the text,
    // also paragraphs that the user types or pastes later; another value
    // raises a RuntimeException.
    std::int32_t Alignment() const noexcept { return alignment_; }
    void SetAlignment(std::int32_t value);
    Color BackColor() const noexcept { return backColor_; }
    void SetBackColor(Color value);
    Color TextColor() const noexcept { return textColor_; }
    void SetTextColor(Color value);
    // True: Tab inserts a tab; false: it moves the focus on.
    bool AcceptTabs() const noexcept { return acceptTabs_; }
    void SetAcceptTabs(bool value);
    // A frame around the text.
    bool Border() const noexcept { return border_; }
    void SetBorder(bool value);

    // Named by the label beside it (ui/label_links.h).
    bool TakesNameFromLabel() const override { return true; }

    static const ClassTable* __Lookup();

protected:
    void ApplyAll() override;
    QWidget* StyledWidget() const override { return Widget(); }

    // The widget, or nullptr before it is made.
    QTextEdit* Editor() const;
    // Gives every paragraph the alignment and the format of AddBlockFormat,
    // as a change of code that the user cannot undo, and makes the alignment
    // the document's default.
    void ApplyBlockFormat();
    // Adds the subclass's part of the paragraphs' format.
    virtual void AddBlockFormat(QTextBlockFormat& format) const;
    // Called before code replaces the widget's text: lets go of what the
    // old text left outside the widget.
    virtual void LetGoOfOldText();

private:
    QString PlainText() const;
    void ApplyText();
    void ApplySelection();
    void ApplyColors();

    String text_; // until the widget holds the text
    std::int32_t selStart_ = 0; // until the widget holds the selection
    std::int32_t selLength_ = 0;
    bool readOnly_ = false;
    std::int32_t alignment_ = 0;
    Color backColor_ { 255, 255, 255 };
    Color textColor_ { 0, 0, 0 };
    bool acceptTabs_ = false;
    bool border_ = true;
    // Properties only stored and read back. LimitText (0 for none) does not
    // stop the user's typing; HideSelection does not hide it, so a selection
    // made from code shows while another control has the focus.
    std::int32_t limitText_ = 0;
    String mask_;
    String format_;
    bool hideSelection_ = true;
    bool useFocusRing_ = true;
    bool styled_ = true;
    bool checkSpelling_ = false;
};

} // namespace fw
