#include "ui/secret_mime_data.h"

#include <QByteArray>

namespace fw {

std::unique_ptr<QMimeData> MakeSecretTextMimeData(const QString& text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    data->setData(QString::fromLatin1(kPasswordManagerHintFormat), QByteArray(kPasswordManagerHintSecret));
    return data;
}

} // namespace fw
