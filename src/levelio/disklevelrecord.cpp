// Reading a disk level record into the document and writing the document as one.
#include "levelio/disklevelrecord.h"

#include "common/intconv.h"
#include "level/leveldocument.h"
#include "levelio/gamelevelrecord.h"
#include "levelio/xeximage.h"
#include "palette/ataripalette.h"

using namespace DiskRecord;

namespace {

int Byte(const QByteArray& record, int offset)
{
    return offset < record.size() ? static_cast<unsigned char>(record[offset]) : 0;
}

QString Number(const QByteArray& record, int offset) { return QString::number(Byte(record, offset)); }

// A byte below 32 stands for the character 32 higher; nothing is trimmed.
QString DiskText(const QByteArray& record, int offset, int size)
{
    QString text;
    for (int i = 0; i < size; ++i) {
        const int b = Byte(record, offset + i);
        text += QChar(b < 32 ? b + 32 : b);
    }
    return text;
}

int SwitchByte(int s, int k) { return kSwitches + GameRecord::kSwitchSize * (s - 1) + k; }
int MonsterByte(int m, int k) { return kMonsters + GameRecord::kMonsterSize * (m - 1) + k; }
int ColorByte(int c, int line) { return kColors + 5 * (line - 1) + c; }

void ReadTables(LevelDocument& document, const QByteArray& record)
{
    for (int s = 1; s <= LevelDocument::kSwitches; ++s) {
        for (int row = 1; row <= 4; ++row)
            document.setTableCell(LevelTable::Switches, row, s, Number(record, SwitchByte(s, row - 1)));
        document.setTableCell(LevelTable::Switches, 5, s, QString::number(Byte(record, SwitchByte(s, 5)) / 2));
    }
    for (int m = 1; m <= LevelDocument::kMonsters; ++m) {
        for (int row = 1; row <= 6; ++row)
            document.setTableCell(LevelTable::Monsters, row, m,
                                  Number(record, MonsterByte(m, GameRecord::kMonsterByteOfRow[row])));
        document.setTableCell(LevelTable::Monsters, 7, m, DirectionLetter(Byte(record, MonsterByte(m, 6))));
    }
}

// One byte per character of the upper-cased text, blank-padded; characters the reader cannot give
// back (control characters, those beyond one byte) become a blank or "?".
void PutDiskText(QByteArray& record, int offset, int size, const QString& text)
{
    const QString upper = UpperAsciiLetters(text.left(size));
    for (int i = 0; i < size; ++i) {
        int b = 32;
        if (i < upper.size()) {
            const int u = upper[i].unicode();
            b = u < 32 ? 32 : (u > 255 ? '?' : u);
        }
        record[offset + i] = static_cast<char>(b);
    }
}

void Put(QByteArray& record, int offset, int value) { record[offset] = static_cast<char>(value & 0xFF); }

} // namespace

void ReadDiskLevelRecord(LevelDocument& document, const XexImage& image)
{
    ReadDiskLevelRecord(document, image.mid(XexImage::kDiskRecordOffset, kSize));
}

void ReadDiskLevelRecord(LevelDocument& document, const QByteArray& record)
{
    document.clearHistory();
    LevelDocument::Batch batch(document);
    std::vector<QString> codes(LevelDocument::kRows * LevelDocument::kCodes);
    for (size_t i = 0; i < codes.size(); ++i)
        codes[i] = Number(record, kCodes + static_cast<int>(i));
    document.setGridCodes(codes);
    document.setTitle(DiskText(record, kTitle, kTextRead));
    document.setTip1(DiskText(record, kTip1, kTextRead));
    document.setTip2(DiskText(record, kTip2, kTextRead));
    document.setAuthor(DiskText(record, kAuthor, kAuthorSize));
    ReadTables(document, record);
    for (int line = 1; line <= LevelDocument::kColorLines; ++line)
        for (int c = 0; c < LevelDocument::kColorColumns; ++c) {
            ColorLineEntry entry = document.colorEntry(c, line);
            const AtariColor value = static_cast<AtariColor>(Byte(record, ColorByte(c, line)));
            entry.hexText = ColorCodeOf(value);
            entry.displayColor = PaletteColor(value);
            document.setColorEntry(c, line, entry);
        }
    for (int i = 0; i < LevelDocument::kTimeDigits; ++i)
        document.setTimeDigit(i, Byte(record, kTime + i));
    document.markSaved();
}

void WriteDiskLevelRecord(const LevelDocument& document, int slot, QByteArray& record)
{
    QByteArray out = record.leftJustified(kSize, '\0', true);
    for (int y = 0; y < LevelDocument::kRows; ++y)
        for (int i = 0; i < LevelDocument::kCodes; ++i)
            Put(out, kCodes + y * LevelDocument::kCodes + i, StrToInt(document.code(i, y)));
    PutDiskText(out, kTitle, kTextSize, document.title().left(kTextRead));
    PutDiskText(out, kTip1, kTextSize, document.tip1().left(kTextRead));
    PutDiskText(out, kTip2, kTextSize, document.tip2().left(kTextRead));
    // "LEVEL nn: FROM" fills bytes 0-13, the author 14-29 as the reader takes it.
    PutDiskText(out, kLevelLine, kTextSize, LevelLineText(slot, QString()).left(14));
    PutDiskText(out, kAuthor, kAuthorSize, document.author());
    for (int s = 1; s <= LevelDocument::kSwitches; ++s) {
        for (int row = 1; row <= 4; ++row)
            Put(out, SwitchByte(s, row - 1), StrToInt(document.switchCell(row, s)));
        Put(out, SwitchByte(s, 5), 2 * StrToInt(document.switchCell(5, s)) + 1);
    }
    for (int m = 1; m <= LevelDocument::kMonsters; ++m) {
        for (int row = 1; row <= 6; ++row)
            Put(out, MonsterByte(m, GameRecord::kMonsterByteOfRow[row]), StrToInt(document.monsterCell(row, m)));
        Put(out, MonsterByte(m, 6), DirectionCode(document.monsterCell(7, m)));
        Put(out, MonsterByte(m, 7), DirectionCode(document.monsterCell(8, m)));
    }
    for (int line = 1; line <= LevelDocument::kColorLines; ++line)
        for (int c = 0; c < LevelDocument::kColorColumns; ++c)
            Put(out, ColorByte(c, line), GameColorValue(document.colorEntry(c, line).hexText));
    for (int i = 0; i < LevelDocument::kTimeDigits; ++i)
        Put(out, kTime + i, StrToIntDef(document.timeDigit(i), 0));
    record = out;
}
