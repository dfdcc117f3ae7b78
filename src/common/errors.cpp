// Texts of the error family.
#include "common/errors.h"

TavrelError::TavrelError(const QString& message)
    : std::runtime_error(message.toStdString()), mMessage(message)
{
}

ConversionError::ConversionError(const QString& text)
    : TavrelError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text))
{
}

FileOpenError::FileOpenError(const QString& fileName, const QString& reason)
    : TavrelError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(fileName, reason))
{
}

FileCreateError::FileCreateError(const QString& fileName, const QString& reason)
    : TavrelError(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(fileName, reason))
{
}

StreamReadError::StreamReadError() : TavrelError(QStringLiteral("Stream-Lesefehler")) {}

QString OutOfMemoryMessage()
{
    return QStringLiteral("Zu wenig Arbeitsspeicher");
}
