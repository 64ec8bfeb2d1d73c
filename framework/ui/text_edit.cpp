#include "ui/text_edit.h"

#include "runtime/member_property.h"
#include "runtime/property_checks.h"
#include "ui/qt_color.h"
#include "ui/qt_string.h"
#include "ui/text_alignment.h"

#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace fw {
namespace {

// The document's text exactly as held, but for its paragraph breaks, which
// come out as line feeds (toPlainText would also turn no-break spaces into
// spaces).
QString DocumentText(const QTextEdit& editor)
{
    return editor.document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// Characters as Len counts them: a surrogate pair is one.
std::int32_t CharacterCount(QStringView text) { return static_cast<std::int32_t>(text.toUcs4().size()); }

// The characters before the UTF-16 offset.
std::int32_t CharactersBefore(const QString& text, qsizetype offset)
{
    return CharacterCount(QStringView(text).left(offset));
}

// The UTF-16 offset of the character at `index`, or the end of the text.
qsizetype OffsetOfCharacter(const QString& text, std::int32_t index)
{
    qsizetype offset = 0;
    for (std::int32_t i = 0; i < index && offset < text.size(); ++i) {
        const bool pair
            = text.at(offset).isHighSurrogate() && offset + 1 < text.size() && text.at(offset + 1).isLowSurrogate();
        offset += pair ? 2 : 1;
    }
    return offset;
}

QFrame::Shape FrameShape(bool border) { return border ? QFrame::StyledPanel : QFrame::NoFrame; }

} // namespace

TextEdit::TextEdit() = default;
TextEdit::~TextEdit() = default;

String TextEdit::Text() const
{
    if (const QTextEdit* editor = Editor())
        return FromQString(DocumentText(*editor));
    return text_;
}

void TextEdit::SetText(String value)
{
    text_ = std::move(value);
    selStart_ = 0;
    selLength_ = 0;
    ApplyText();
}

std::int32_t TextEdit::SelStart() const
{
    if (const QTextEdit* editor = Editor())
        return CharactersBefore(DocumentText(*editor), editor->textCursor().selectionStart());
    return selStart_;
}

void TextEdit::SetSelStart(std::int32_t value)
{
    selStart_ = std::clamp(value, 0, CharacterCount(PlainText()));
    selLength_ = 0;
    ApplySelection();
}

std::int32_t TextEdit::SelLength() const
{
    if (const QTextEdit* editor = Editor()) {
        const QString text = DocumentText(*editor);
        const QTextCursor cursor = editor->textCursor();
        return CharactersBefore(text, cursor.selectionEnd()) - CharactersBefore(text, cursor.selectionStart());
    }
    return selLength_;
}

void TextEdit::SetSelLength(std::int32_t value)
{
    selStart_ = SelStart();
    selLength_ = std::clamp(value, 0, CharacterCount(PlainText()) - selStart_);
    ApplySelection();
}

void TextEdit::SetReadOnly(bool value)
{
    readOnly_ = value;
    if (QTextEdit* editor = Editor())
        editor->setReadOnly(readOnly_);
}

void TextEdit::SetAlignment(std::int32_t value)
{
    EnforceRule(*this, "Alignment", value, TextAlignmentRule);
    alignment_ = value;
    ApplyBlockFormat();
}

void TextEdit::SetBackColor(Color value)
{
    backColor_ = value;
    ApplyColors();
}

void TextEdit::SetTextColor(Color value)
{
    textColor_ = value;
    ApplyColors();
}

void TextEdit::SetAcceptTabs(bool value)
{
    acceptTabs_ = value;
    if (QTextEdit* editor = Editor())
        editor->setTabChangesFocus(!acceptTabs_);
}

void TextEdit::SetBorder(bool value)
{
    border_ = value;
    if (QTextEdit* editor = Editor())
        editor->setFrameShape(FrameShape(border_));
}

void TextEdit::ApplyAll()
{
    ApplyFont();
    QTextEdit* editor = Editor();
    editor->setReadOnly(readOnly_);
    editor->setTabChangesFocus(!acceptTabs_);
    editor->setFrameShape(FrameShape(border_));
    ApplyColors();
    ApplyText();
}

QString TextEdit::PlainText() const
{
    const QTextEdit* editor = Editor();
    return editor ? DocumentText(*editor) : ToQString(text_);
}

QTextEdit* TextEdit::Editor() const { return qobject_cast<QTextEdit*>(Widget()); }

void TextEdit::ApplyBlockFormat()
{
    QTextEdit* editor = Editor();
    if (!editor)
        return;
    const Qt::Alignment alignment = HorizontalAlignment(alignment_);
    QTextDocument* document = editor->document();
    // Text that the user pastes comes in paragraphs with a format of their
    // own, which holds no alignment: they take the document's default.
    if (QTextOption option = document->defaultTextOption(); option.alignment() != alignment) {
        option.setAlignment(alignment);
        document->setDefaultTextOption(option);
    }
    QTextBlockFormat format;
    format.setAlignment(alignment);
    AddBlockFormat(format);
    // With undo off the change leaves no step behind (and drops the earlier
    // ones): the user's Undo never takes back a format that code set.
    document->setUndoRedoEnabled(false);
    QTextCursor whole(document);
    whole.select(QTextCursor::Document);
    whole.mergeBlockFormat(format);
    document->setUndoRedoEnabled(true);
}

void TextEdit::AddBlockFormat(QTextBlockFormat&) const { }

void TextEdit::LetGoOfOldText() { }

void TextEdit::ApplyText()
{
    if (QTextEdit* editor = Editor()) {
        LetGoOfOldText();
        const QSignalBlocker blocker(editor);
        // The text, its paragraphs' format and the selection are all in
        // place before the document is laid out, so it is laid out once.
        QTextDocument* document = editor->document();
        document->setLayoutEnabled(false);
        {
            const auto layOut = qScopeGuard([document] { document->setLayoutEnabled(true); });
            editor->setPlainText(ToQString(text_));
            // The glyphs are kept after the layout, so that placing the cursor
            // and painting do not shape the text again.
            for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
                block.layout()->setCacheEnabled(true);
            ApplyBlockFormat();
            ApplySelection();
        }
        // Scrolled to the cursor as laid out now.
        editor->ensureCursorVisible();
    }
}

void TextEdit::ApplySelection()
{
    if (QTextEdit* editor = Editor()) {
        // Offset 0 is the start of any text; only a later one needs the text.
        const QString text = selStart_ > 0 || selLength_ > 0 ? DocumentText(*editor) : QString();
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(static_cast<int>(OffsetOfCharacter(text, selStart_)));
        cursor.setPosition(static_cast<int>(OffsetOfCharacter(text, selStart_ + selLength_)), QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    }
}

void TextEdit::ApplyColors()
{
    if (QTextEdit* editor = Editor()) {
        QPalette palette = editor->palette();
        SetEnabledColor(palette, QPalette::Base, ToQColor(backColor_));
        SetEnabledColor(palette, QPalette::Text, ToQColor(textColor_));
        editor->setPalette(palette);
    }
}

const ClassTable* TextEdit::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<TextEdit>(RectControl::__Lookup(), "TextEdit");
        using E = TextEdit;
        AddMemberProperty(t, "Text", &E::Text, &E::SetText);
        AddMemberProperty(t, "SelStart", &E::SelStart, &E::SetSelStart);
        AddMemberProperty(t, "SelLength", &E::SelLength, &E::SetSelLength);
        AddMemberProperty(t, "ReadOnly", &E::ReadOnly, &E::SetReadOnly);
        AddMemberProperty(t, "Alignment", &E::Alignment, &E::SetAlignment, TextAlignmentRule);
        AddMemberProperty(t, "BackColor", &E::BackColor, &E::SetBackColor);
        AddMemberProperty(t, "TextColor", &E::TextColor, &E::SetTextColor);
        AddMemberProperty(t, "AcceptTabs", &E::AcceptTabs, &E::SetAcceptTabs);
        AddMemberProperty(t, "Border", &E::Border, &E::SetBorder);
        AddMemberProperty(t, "LimitText", &E::limitText_);
        AddMemberProperty(t, "Mask", &E::mask_);
        AddMemberProperty(t, "Format", &E::format_);
        AddMemberProperty(t, "HideSelection", &E::hideSelection_);
        AddMemberProperty(t, "UseFocusRing", &E::useFocusRing_);
        AddMemberProperty(t, "Styled", &E::styled_);
        AddMemberProperty(t, "AutomaticallyCheckSpelling", &E::checkSpelling_);
        TextStyle::RegisterProperties(t);
        DataBound::RegisterProperties(t);
        return t;
    }();
    return table;
}

} // namespace fw
