// The clipboard data for a secret text: plain text together with the hint
// that tells clipboard managers to keep no history of it.
#pragma once

#include <QMimeData>
#include <QString>

#include <memory>

namespace fw {

// The format that carries the hint, and its value for a secret.
inline constexpr char kPasswordManagerHintFormat[] = "x-kde-passwordManagerHint";
inline constexpr char kPasswordManagerHintSecret[] = "secret";

// Puts `text` on `data` as plain text, with the hint.
void SetSecretText(QMimeData& data, const QString& text);

std::unique_ptr<QMimeData> MakeSecretTextMimeData(const QString& text);

} // namespace fw
