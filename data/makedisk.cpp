// Build tool: turns the readable level maps in data/levels into the stand-in level disk oxildisk.atr.
#include "common/bytefile.h"
#include "common/errors.h"
#include "disk/atrimage.h"
#include "level/leveldocument.h"
#include "levelio/disklevelrecord.h"
#include "palette/ataripalette.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

namespace {

// A malformed source: names the file and line so the level can be fixed.
struct LevelSourceError {
    QString text;
};

class Source {
public:
    explicit Source(const QString& fileName) : mName(QFileInfo(fileName).fileName())
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            throw LevelSourceError{QStringLiteral("%1: cannot be read: %2").arg(fileName, file.errorString())};
        QTextStream in(&file);
        while (!in.atEnd())
            mLines << in.readLine();
    }
    const QStringList& lines() const { return mLines; }
    [[noreturn]] void fail(qsizetype index, const QString& what) const
    {
        throw LevelSourceError{QStringLiteral("%1:%2: %3").arg(mName).arg(index + 1).arg(what)};
    }
    static bool skipped(const QString& line) { return line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')); }

private:
    QString mName;
    QStringList mLines;
};

// legend.txt: "CHAR PATTERN description" a line.
QHash<QChar, int> ReadLegend(const QString& fileName)
{
    const Source source(fileName);
    QHash<QChar, int> legend;
    for (qsizetype i = 0; i < source.lines().size(); ++i) {
        const QString& line = source.lines()[i];
        const QStringList words = line.mid(1).simplified().split(QLatin1Char(' '));
        bool ok = false;
        const int pattern = words.value(0).toInt(&ok);
        // "#" followed by a number is the red brick wall, followed by anything else a comment.
        if (line.trimmed().isEmpty() || (line.startsWith(QLatin1Char('#')) && !ok))
            continue;
        if (line.size() < 3 || line[1] != QLatin1Char(' ') || !ok || pattern < 0 || pattern > 127)
            source.fail(i, QStringLiteral("expected \"CHAR PATTERN description\" with a pattern 0-127"));
        if (legend.contains(line[0]))
            source.fail(i, QStringLiteral("'%1' is given twice").arg(line[0]));
        legend.insert(line[0], pattern);
    }
    return legend;
}

// The numbers of a line "word n n n ..."; exactly `count` of them.
QStringList Fields(const Source& source, qsizetype i, int count)
{
    QStringList words = source.lines()[i].simplified().split(QLatin1Char(' '));
    words.removeFirst();
    if (words.size() != count)
        source.fail(i, QStringLiteral("expected %1 values after \"%2\"").arg(count).arg(source.lines()[i].section(u' ', 0, 0)));
    return words;
}

int Number(const Source& source, qsizetype i, const QString& text, int low, int high)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < low || n > high)
        source.fail(i, QStringLiteral("\"%1\" is not a number %2-%3").arg(text).arg(low).arg(high));
    return n;
}

void SetColors(LevelDocument& doc, const Source& source, qsizetype i)
{
    const QStringList f = Fields(source, i, 6);
    const int first = f[0] == QLatin1String("all") ? 1 : Number(source, i, f[0], 1, 10);
    const int last = f[0] == QLatin1String("all") ? 10 : first;
    for (int c = 0; c < 5; ++c) {
        bool ok = false;
        const int value = f[c + 1].toInt(&ok, 16);
        if (!ok || f[c + 1].size() != 2)
            source.fail(i, QStringLiteral("\"%1\" is not a colour code of two hex digits").arg(f[c + 1]));
        for (int line = first; line <= last; ++line) {
            ColorLineEntry entry = doc.colorEntry(c, line);
            entry.hexText = ColorCodeOf(static_cast<AtariColor>(value));
            entry.displayColor = PaletteColor(static_cast<AtariColor>(value));
            doc.setColorEntry(c, line, entry);
        }
    }
}

void SetMonster(LevelDocument& doc, const Source& source, qsizetype i)
{
    const QStringList f = Fields(source, i, 8);
    const int n = Number(source, i, f[0], 1, 10);
    const int high[] = {10, 127, 9, 4, 4, 9};
    for (int row = 1; row <= 6; ++row)
        Number(source, i, f[row - 1], row == 4 || row == 5 ? 1 : 0, high[row - 1]);
    doc.setTableCell(LevelTable::Monsters, 1, n, f[0]);
    for (int row = 2; row <= 6; ++row)
        doc.setTableCell(LevelTable::Monsters, row, n, f[row - 1]);
    for (int row = 7; row <= 8; ++row) {
        if (!QStringLiteral("UOLR").contains(f[row - 1]) || f[row - 1].size() != 1)
            source.fail(i, QStringLiteral("\"%1\" is not a direction U, O, L or R").arg(f[row - 1]));
        doc.setTableCell(LevelTable::Monsters, row, n, f[row - 1]);
    }
}

void SetSwitch(LevelDocument& doc, const Source& source, qsizetype i)
{
    const QStringList f = Fields(source, i, 6);
    const int n = Number(source, i, f[0], 1, 8);
    const int low[] = {1, 0, 0, 0, 0};
    const int high[] = {127, 9, 127, 9, 127};
    for (int row = 1; row <= 5; ++row)
        doc.setTableCell(LevelTable::Switches, row, n,
                         QString::number(Number(source, i, f[row], low[row - 1], high[row - 1])));
}

void ReadMap(LevelDocument& doc, const Source& source, qsizetype i, const QHash<QChar, int>& legend)
{
    for (int y = 0; y < LevelDocument::kRows; ++y) {
        const qsizetype at = i + 1 + y;
        if (at >= source.lines().size())
            source.fail(at, QStringLiteral("the map has %1 rows, needs 10").arg(y));
        const QString& row = source.lines()[at];
        if (row.size() != LevelDocument::kColumns)
            source.fail(at, QStringLiteral("the row is %1 cells wide, needs 128").arg(row.size()));
        for (int x = 0; x < LevelDocument::kColumns; ++x) {
            if (!legend.contains(row[x]))
                source.fail(at, QStringLiteral("'%1' in column %2 is not in legend.txt").arg(row[x]).arg(x));
            doc.writeCell(x, y, legend.value(row[x]));
        }
    }
}

// One level source: texts, time, colours over the standard ones, monsters, switches and the map.
void ReadLevel(LevelDocument& doc, const QString& fileName, const QHash<QChar, int>& legend)
{
    const Source source(fileName);
    bool map = false;
    for (qsizetype i = 0; i < source.lines().size() && !map; ++i) {
        const QString& line = source.lines()[i];
        if (Source::skipped(line))
            continue;
        const QString key = line.section(u' ', 0, 0);
        const QString rest = line.section(u' ', 1);
        if (key == QLatin1String("title"))
            doc.setTitle(rest);
        else if (key == QLatin1String("author"))
            doc.setAuthor(rest);
        else if (key == QLatin1String("tip1"))
            doc.setTip1(rest);
        else if (key == QLatin1String("tip2"))
            doc.setTip2(rest);
        else if (key == QLatin1String("time")) {
            const QStringList f = Fields(source, i, 4);
            for (int k = 0; k < 4; ++k)
                doc.setTimeDigit(k, Number(source, i, f[k], 0, 9));
        } else if (key == QLatin1String("colors"))
            SetColors(doc, source, i);
        else if (key == QLatin1String("monster"))
            SetMonster(doc, source, i);
        else if (key == QLatin1String("switch"))
            SetSwitch(doc, source, i);
        else if (key == QLatin1String("map")) {
            ReadMap(doc, source, i, legend);
            map = true;
        } else
            source.fail(i, QStringLiteral("unknown line \"%1\"").arg(line));
    }
    if (!map)
        source.fail(source.lines().size(), QStringLiteral("the map is missing"));
}

// The ATR header of 1040 sectors of 128 bytes: signature, size in 16-byte paragraphs, sector size.
QByteArray BlankDisk()
{
    QByteArray disk(AtrImage::kSize, '\0');
    const int paragraphs = (AtrImage::kSize - AtrImage::kHeaderSize) / 16;
    const unsigned char header[] = {0x96, 0x02, static_cast<unsigned char>(paragraphs & 0xFF),
                                    static_cast<unsigned char>(paragraphs >> 8), AtrImage::kSectorSize, 0x00};
    for (size_t i = 0; i < sizeof header; ++i)
        disk[static_cast<qsizetype>(i)] = static_cast<char>(header[i]);
    return disk;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: makedisk LEVEL_FOLDER START_UP.fa8 OUT.atr\n");
        return 2;
    }
    const QString levelDir = QString::fromLocal8Bit(argv[1]);
    const QString fontFile = QString::fromLocal8Bit(argv[2]);
    const QString outFile = QString::fromLocal8Bit(argv[3]);
    try {
        // The colour lines start as the editor's standard colours over the start-up registers.
        PatternEditor editor;
        editor.create();
        LoadFontFile(editor, fontFile);
        const QHash<QChar, int> legend = ReadLegend(levelDir + QStringLiteral("/legend.txt"));
        QByteArray disk = BlankDisk();
        for (int slot = 1; slot <= AtrImage::kSlots; ++slot) {
            LevelDocument doc;
            doc.InitEmptyLevel(1);
            doc.Farbenstandard(editor.registers());
            const QString source = levelDir + QStringLiteral("/level%1.txt").arg(slot, 2, 10, QLatin1Char('0'));
            if (QFileInfo::exists(source)) {
                ReadLevel(doc, source, legend);
            } else {
                doc.setTitle(QStringLiteral("Freier Platz %1").arg(slot));
                doc.setAuthor(QStringLiteral("tavrel"));
                doc.writeCell(10, 4, 44);
                doc.writeCell(118, 4, 17);
            }
            QByteArray record = disk.mid(AtrImage::slotOffset(slot), AtrImage::kSlotSize);
            WriteDiskLevelRecord(doc, slot, record);
            disk.replace(AtrImage::slotOffset(slot), AtrImage::kSlotSize, record);
        }
        WriteByteFile(outFile, disk);
    } catch (const LevelSourceError& e) {
        std::fprintf(stderr, "makedisk: %s\n", qPrintable(e.text));
        return 1;
    } catch (const TavrelError& e) {
        std::fprintf(stderr, "makedisk: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
