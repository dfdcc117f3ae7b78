// The 15-sector level file (1920 bytes of the built executable) and the level picture saved beside it.
#pragma once

#include <QString>

class QImage;
class XexImage;

// The program's folder, then "DAD-Level-", the slot, "-", the author, "-", the title (both trimmed)
// and ".bin". Throws FileCreateError when author or title hold a character no file name may hold
// (a folder separator, a control character or one of : * ? " < > |).
QString LevelBinaryFileName(const QString& programFolder, int slot, const QString& author, const QString& title);
// The same name with ".bmp" in place of ".bin".
QString LevelPictureNameFor(const QString& binaryFileName);

// Image offsets 8777-10696: the level record with 192 bytes of the executable before it and 138 after.
QByteArray LevelBinaryBytes(const XexImage& image);
// Writes them through a save file. Throws FileCreateError.
void SaveLevelBinaryFile(const XexImage& image, const QString& fileName);

// saveaspic: the level picture as a 32-bit Windows bitmap. Throws FileCreateError.
void saveaspic(const QImage& picture, const QString& fileName);
