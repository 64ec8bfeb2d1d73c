// The text area's widget: plain text only, and every copy of its selection
// (Ctrl+C, the context menu, the Edit menu, a cut, a drag) is marked secret
// for clipboard managers, as the clipboard's own text is.
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

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool singleLine_ = false;
};

} // namespace fw
