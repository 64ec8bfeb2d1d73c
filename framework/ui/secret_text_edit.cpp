#include "ui/secret_text_edit.h"

#include "ui/secret_mime_data.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <memory>

namespace fw {
namespace {

// The data of a selection, which knows the editor it was taken from.
class SelectionMimeData : public QMimeData {
public:
    explicit SelectionMimeData(const SecretTextEdit& source)
        : source_(&source)
    { }

    // Compares the address only: the editor may be gone by now.
    bool TakenFrom(const SecretTextEdit& editor) const noexcept { return source_ == &editor; }

private:
    const SecretTextEdit* source_;
};

} // namespace

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
    auto data = std::make_unique<SelectionMimeData>(*this);
    SetSecretText(*data, text);
    return data.release();
}

void SecretTextEdit::GiveUpPrimarySelection()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    // Whether this process owns it is known here; which data it holds takes
    // a round trip to the X server, so it is asked only then.
    if (!clipboard->supportsSelection() || !clipboard->ownsSelection())
        return;
    const auto* held = dynamic_cast<const SelectionMimeData*>(clipboard->mimeData(QClipboard::Selection));
    if (held && held->TakenFrom(*this))
        clipboard->clear(QClipboard::Selection);
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
