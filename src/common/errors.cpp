// Texts of the error family.
#include "common/errors.h"

#include "common/displaytext.h"

#include <cerrno>

TavrelError::TavrelError(const QString& message)
    : std::runtime_error(message.toStdString()), mMessage(message)
{
}

ConversionError::ConversionError(const QString& text)
    : TavrelError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(VisibleText(text)))
{
}

ConversionError::ConversionError(const ConversionError& error, const QString& cause)
    : TavrelError(QStringLiteral("%1 (%2)").arg(error.message(), cause))
{
}

FileContentError::FileContentError(const QString& fileName, qsizetype line, const QString& reason)
    : TavrelError(QStringLiteral("Datei %1, Zeile %2: %3").arg(fileName).arg(line).arg(reason))
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

FileCreateError FileCreateError::WithText(const QString& text)
{
    return FileCreateError(Text{}, text);
}

FileCreateError::FileCreateError(Text, const QString& text) : TavrelError(text) {}

StreamReadError::StreamReadError() : TavrelError(QStringLiteral("Stream-Lesefehler")) {}

QString OutOfMemoryMessage()
{
    return QStringLiteral("Zu wenig Arbeitsspeicher");
}

QString SystemErrorText(int error)
{
    // The errors a file operation of this program can meet; the C library's own texts follow the
    // desktop's language, which need not be German.
    switch (error) {
    case EACCES:
        return QStringLiteral("Keine Berechtigung");
    case EPERM:
        return QStringLiteral("Die Operation ist nicht erlaubt");
    case ENOENT:
        return QStringLiteral("Datei oder Verzeichnis nicht gefunden");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Verzeichnis");
    case EISDIR:
        return QStringLiteral("Ist ein Verzeichnis");
    case ENOSPC:
        return QStringLiteral("Auf dem Gerät ist kein Speicherplatz mehr verfügbar");
    case EDQUOT:
        return QStringLiteral("Der zugeteilte Speicherplatz (Quota) ist ausgeschöpft");
    case EFBIG:
        return QStringLiteral("Die Datei wird zu groß");
    case EROFS:
        return QStringLiteral("Das Dateisystem ist nur lesbar");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler");
    case ENAMETOOLONG:
        return QStringLiteral("Der Dateiname ist zu lang");
    case ELOOP:
        return QStringLiteral("Zu viele Ebenen symbolischer Verknüpfungen");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Zu viele offene Dateien");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("Kein solches Gerät");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Die Datei ist in Benutzung");
    case EPIPE:
        return QStringLiteral("Die Gegenseite hat die Verbindung geschlossen");
    case EAGAIN:
        return QStringLiteral("Die Ressource ist zur Zeit nicht verfügbar");
    case ENOMEM:
        return OutOfMemoryMessage();
    case EINVAL:
        return QStringLiteral("Ungültiges Argument");
    case EEXIST:
        return QStringLiteral("Die Datei existiert bereits");
    case EXDEV:
        return QStringLiteral("Verknüpfung über Gerätegrenzen hinweg");
    case ESTALE:
        return QStringLiteral("Veraltete Dateizugriffsnummer (Netzlaufwerk)");
    case EOPNOTSUPP:
        return QStringLiteral("Die Operation wird nicht unterstützt");
    default:
        return QStringLiteral("Systemfehler Nr. %1").arg(error);
    }
}
