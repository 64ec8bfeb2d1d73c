#include "ui/secret_text_edit.h"

#include "ui/secret_mime_data.h"

#include <QKeyEvent>

namespace fw {

SecretTextEdit::SecretTextEdit(QWidget* parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
}

QMimeData* SecretTextEdit::createMimeDataFromSelection() const
{
    // The selection as it is, no-break spaces kept, paragraph breaks as line
    // feeds. Qt takes ownership of the data it asked for.
    const QString text = textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return MakeSecretTextMimeData(text).release();
}

void SecretTextEdit::keyPressEvent(QKeyEvent* event)
{
    const bool newLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (singleLine_ && newLine) {
        event->ignore();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

} // namespace fw
