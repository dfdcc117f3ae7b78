// The graphics converter's painted picture in a recovery copy (common/recoverystore.h).
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class GraphicsConverter;

// The name of the converter's part in a recovery copy.
inline const QString kConverterRecoveryKind = QStringLiteral("converter");
// The painted picture for a recovery copy. Taking it shares the picture's pixels (no copy is made
// unless the picture is painted again before the bytes are made); the returned function encodes
// the picture losslessly and may run on another thread.
std::function<QByteArray()> ConverterRecoverySnapshot(const GraphicsConverter& converter);
// Puts such bytes back as the converter's painted, unsaved picture. Throws FileContentError (naming
// `source`) for bytes that are not such a picture; the converter is then left as it was.
void RestoreConverterRecovery(GraphicsConverter& converter, const QByteArray& bytes, const QString& source);
