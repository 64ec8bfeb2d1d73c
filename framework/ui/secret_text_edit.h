// The text area's widget: plain text only, and every copy of its selection
// (Ctrl+C, the context menu, the Edit menu, a cut, a drag, the PRIMARY
// selection) is marked secret for clipboard managers, as the clipboard's own
// text is.
#pragma once

#include <QTextEdit>

namespace fw {

class SecretTextEdit : public QTextEdit {
    Q_OBJECT

public:
    explicit SecretTextEdit(QWidget* parent);

    // Single line: Return and Enter go on to the window (its default
    // button) instead of starting a new paragraph.
    void SetSingleLine(bool value) { singleLine_ = value; }

    // Clears X11's PRIMARY selection when it holds text selected here, so
    // that text which code replaces does not linger there. Another
    // program's selection, or another widget's, stays.
    void GiveUpPrimarySelection();

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool singleLine_ = false;
};

} // namespace fw
