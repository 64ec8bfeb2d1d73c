#include "ui/secret_mime_data.h"

#include <QByteArray>

namespace fw {

void SetSecretText(QMimeData& data, const QString& text)
{
    data.setText(text);
    data.setData(QString::fromLatin1(kPasswordManagerHintFormat), QByteArray(kPasswordManagerHintSecret));
}

std::unique_ptr<QMimeData> MakeSecretTextMimeData(const QString& text)
{
    auto data = std::make_unique<QMimeData>();
    SetSecretText(*data, text);
    return data;
}

} // namespace fw
