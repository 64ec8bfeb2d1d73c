#include "ui/qt_string.h"

namespace fw {

QString ToQString(const String& text)
{
    return QString::fromUtf8(text.Bytes().data(), static_cast<qsizetype>(text.Bytes().size()));
}

String FromQString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return String(std::string(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace fw
