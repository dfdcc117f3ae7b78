// The level as a slot of the level disk holds it: 3200 bytes with both codes of every cell.
#pragma once

#include <QByteArray>

class LevelDocument;
class XexImage;

namespace DiskRecord {
constexpr int kSize = 3200;
constexpr int kCodes = 0;
constexpr int kTitle = 2560;
constexpr int kTip1 = 2592;
constexpr int kTip2 = 2624;
constexpr int kLevelLine = 2656;
constexpr int kTextSize = 32;
constexpr int kTextRead = 31;
// The author sits at bytes 14-29 of the level line.
constexpr int kAuthor = kLevelLine + 14;
constexpr int kAuthorSize = 16;
constexpr int kSwitches = 2688;
constexpr int kMonsters = 2736;
constexpr int kColors = 2816;
constexpr int kTime = 2866;
} // namespace DiskRecord

// Sets the document from the record at image offsets 9-3208: codes, texts, switch and monster tables
// (turnMode is not read and keeps its value), colour lines (textColor kept) and time. Starts a fresh
// history; nothing is drawn.
void ReadDiskLevelRecord(LevelDocument& document, const XexImage& image);
// The same from the 3200 bytes of a record.
void ReadDiskLevelRecord(LevelDocument& document, const QByteArray& record);

// Writes the document over a slot's 3200 bytes so that ReadDiskLevelRecord gives it back as far as
// that reader reaches: codes, switch and monster numbers and time as their low 8 bits, facing and
// turning as direction codes, colours as values, texts upper-cased at one byte per character (the
// level line "LEVEL nn: FROM" with the author from byte 14). Switch byte 4 and the bytes from 2870
// on keep what the slot held. Throws ConversionError for a code or table cell that is not a number;
// the record is unchanged then.
void WriteDiskLevelRecord(const LevelDocument& document, int slot, QByteArray& record);
