// Every conversion between the framework's strings and Qt's, in one place.
#pragma once

#include "text/string.h"

#include <QString>

namespace fw {

QString ToQString(const String& text);
String FromQString(const QString& text);

} // namespace fw
