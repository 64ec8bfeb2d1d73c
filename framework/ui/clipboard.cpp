#include "ui/clipboard.h"

#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "runtime/member_property.h"
#include "runtime/method_row.h"
#include "runtime/trace.h"
#include "ui/qt_string.h"
#include "ui/secret_mime_data.h"

#include <QClipboard>
#include <QGuiApplication>

namespace fw {
namespace {

QClipboard& SystemClipboard()
{
    // Qt makes the clipboard only once the application object exists.
    if (!QGuiApplication::instance())
        RaiseRuntimeException("Clipboard: the application has not started, there is no clipboard yet");
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        RaiseRuntimeException("Clipboard: the platform offers no clipboard");
    return *clipboard;
}

} // namespace

Clipboard::Clipboard() = default;

void Clipboard::SetText(const String& text)
{
    TraceCall("Clipboard.Text", text.Bytes());
    // setMimeData takes ownership of the data.
    SystemClipboard().setMimeData(MakeSecretTextMimeData(ToQString(text)).release(), QClipboard::Clipboard);
}

String Clipboard::Text() const { return FromQString(SystemClipboard().text(QClipboard::Clipboard)); }

void Clipboard::Close() { TraceCall("Clipboard.Close"); }

const ClassTable* Clipboard::__Lookup()
{
    static const ClassTable* table = [] {
        // Object's entries, then the clipboard's own.
        ClassTable* t = NewClass<Clipboard>(ObjectClass(), "Clipboard");
        const MethodRow rows[] = { Method("Close", &Clipboard::Close) };
        AddFrameworkMethods(*t, rows);
        AddMemberProperty(t, "Text", &Clipboard::Text, &Clipboard::SetText);
        return t;
    }();
    return table;
}

} // namespace fw
