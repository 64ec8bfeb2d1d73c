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

// What the three kinds of text widget name differently.
bool HasSelection(const QLineEdit& edit) { return edit.hasSelectedText(); }
template <class Edit> bool HasSelection(const Edit& edit) { return edit.textCursor().hasSelection(); }
bool CanUndo(const QLineEdit& edit) { return edit.isUndoAvailable(); }
template <class Edit> bool CanUndo(const Edit& edit) { return edit.document()->isUndoAvailable(); }
bool IsEmpty(const QLineEdit& edit) { return edit.text().isEmpty(); }
template <class Edit> bool IsEmpty(const Edit& edit) { return edit.document()->isEmpty(); }
void DeleteSelection(QLineEdit& edit) { edit.del(); }
template <class Edit> void DeleteSelection(Edit& edit) { edit.textCursor().removeSelectedText(); }

template <class Edit> bool AvailableIn(const Edit& edit, EditAction action)
{
    const bool editable = !edit.isReadOnly();
    switch (action) {
    case EditAction::Undo:
        return editable && CanUndo(edit);
    case EditAction::Cut:
    case EditAction::Clear:
        return editable && HasSelection(edit);
    case EditAction::Copy:
        return HasSelection(edit);
    case EditAction::Paste:
        return editable && ClipboardHasText();
    case EditAction::SelectAll:
        return !IsEmpty(edit);
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
        // Delete removes the selection only, never the character after the
        // cursor.
        if (!edit.isReadOnly() && HasSelection(edit))
            DeleteSelection(edit);
        break;
    case EditAction::SelectAll:
        edit.selectAll();
        break;
    case EditAction::None:
        break;
    }
}

// Calls `use` with the focused text widget as its own type; gives `fallback`
// when no text widget has the focus.
template <class R, class Use> R WithFocusedEdit(R fallback, Use use)
{
    QWidget* focused = QApplication::focusWidget();
    if (auto* text = qobject_cast<QTextEdit*>(focused))
        return use(*text);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focused))
        return use(*plain);
    if (auto* line = qobject_cast<QLineEdit*>(focused))
        return use(*line);
    return fallback;
}

} // namespace

bool IsStandardEditAction(const String& itemName) { return ActionFor(itemName) != EditAction::None; }

bool StandardEditActionAvailable(const String& itemName)
{
    const EditAction action = ActionFor(itemName);
    return WithFocusedEdit(false, [action](const auto& edit) { return AvailableIn(edit, action); });
}

void RunStandardEditAction(const String& itemName)
{
    const EditAction action = ActionFor(itemName);
    if (action == EditAction::None)
        return;
    WithFocusedEdit(false, [action](auto& edit) {
        RunIn(edit, action);
        return true;
    });
}

} // namespace fw
