// Clipboard: the system clipboard's text.
#pragma once

#include "runtime/object.h"
#include "text/string.h"

namespace fw {

class ClassTable;

class Clipboard : public Object {
public:
    Clipboard();

    // Replaces everything on the system clipboard with `text`, marked as a
    // secret so that clipboard managers keep no history of it.
    void SetText(const String& text);
    // The clipboard's text, empty when it holds none.
    String Text() const;
    // Ends this object's access. The clipboard has the text from SetText on,
    // and keeps it after Close; there is nothing to release.
    void Close();

    static const ClassTable* __Lookup();
};

} // namespace fw
