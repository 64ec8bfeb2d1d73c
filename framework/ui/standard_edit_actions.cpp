#include "ui/standard_edit_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <string_view>

namespace fw {
namespace {

enum class EditAction { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

EditAction ActionFor(const String& itemName)
{
    const std::string_view name = itemName.Bytes();
    if (name == "EditUndo")
        return EditAction::Undo;
    if (name == "EditCut")
        return EditAction::Cut;
    if (name == "EditCopy")
        return EditAction::Copy;
    if (name == "EditPaste")
        return EditAction::Paste;
    if (name == "EditClear")
        return EditAction::Clear;
    if (name == "EditSelectAll")
        return EditAction::SelectAll;
    return EditAction::None;
}

bool ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

template <class Edit> bool AvailableIn(const Edit& edit, EditAction action)
{
    const bool hasSelection = edit.textCursor().hasSelection();
    const bool editable = !edit.isReadOnly();
    switch (action) {
    case EditAction::Undo:
        return editable && edit.document()->isUndoAvailable();
    case EditAction::Cut:
    case EditAction::Clear:
        return editable && hasSelection;
    case EditAction::Copy:
        return hasSelection;
    case EditAction::Paste:
        return editable && ClipboardHasText();
    case EditAction::SelectAll:
        return !edit.document()->isEmpty();
    case EditAction::None:
        break;
    }
    return false;
}

template <class Edit> void RunIn(Edit& edit, EditAction action)
{
    switch (action) {
    case EditAction::Undo:
        edit.undo();
        break;
    case EditAction::Cut:
        edit.cut();
        break;
    case EditAction::Copy:
        edit.copy();
        break;
    case EditAction::Paste:
        edit.paste();
        break;
    case EditAction::Clear:
        if (!edit.isReadOnly())
            edit.textCursor().removeSelectedText();
        break;
    case EditAction::SelectAll:
        edit.selectAll();
        break;
    case EditAction::None:
        break;
    }
}

bool AvailableInLine(const QLineEdit& edit, EditAction action)
{
    const bool editable = !edit.isReadOnly();
    switch (action) {
    case EditAction::Undo:
        return editable && edit.isUndoAvailable();
    case EditAction::Cut:
    case EditAction::Clear:
        return editable && edit.hasSelectedText();
    case EditAction::Copy:
        return edit.hasSelectedText();
    case EditAction::Paste:
        return editable && ClipboardHasText();
    case EditAction::SelectAll:
        return !edit.text().isEmpty();
    case EditAction::None:
        break;
    }
    return false;
}

void RunInLine(QLineEdit& edit, EditAction action)
{
    switch (action) {
    case EditAction::Undo:
        edit.undo();
        break;
    case EditAction::Cut:
        edit.cut();
        break;
    case EditAction::Copy:
        edit.copy();
        break;
    case EditAction::Paste:
        edit.paste();
        break;
    case EditAction::Clear:
        edit.del();
        break;
    case EditAction::SelectAll:
        edit.selectAll();
        break;
    case EditAction::None:
        break;
    }
}

} // namespace

bool IsStandardEditAction(const String& itemName) { return ActionFor(itemName) != EditAction::None; }

bool StandardEditActionAvailable(const String& itemName)
{
    const EditAction action = ActionFor(itemName);
    QWidget* focused = QApplication::focusWidget();
    if (auto* text = qobject_cast<QTextEdit*>(focused))
        return AvailableIn(*text, action);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focused))
        return AvailableIn(*plain, action);
    if (auto* line = qobject_cast<QLineEdit*>(focused))
        return AvailableInLine(*line, action);
    return false;
}

void RunStandardEditAction(const String& itemName)
{
    const EditAction action = ActionFor(itemName);
    if (action == EditAction::None)
        return;
    QWidget* focused = QApplication::focusWidget();
    if (auto* text = qobject_cast<QTextEdit*>(focused))
        RunIn(*text, action);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(focused))
        RunIn(*plain, action);
    else if (auto* line = qobject_cast<QLineEdit*>(focused))
        RunInLine(*line, action);
}

} // namespace fw
