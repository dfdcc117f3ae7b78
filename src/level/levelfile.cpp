// Reading and writing level files.
#include "level/levelfile.h"

#include "common/intconv.h"
#include "common/recoverystore.h"
#include "common/textfile.h"
#include "level/leveldocument.h"
#include "palette/colortext.h"

#include <QFileInfo>
#include <vector>

namespace {

// Lower-cases A-Z only; umlauts and every other character stay.
QString LowerAsciiLetters(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return out;
}

void LoadTime(LevelDocument& document, LineReader& lines)
{
    for (int i = 0; i < LevelDocument::kTimeDigits; ++i) {
        const std::optional<int> value = TryStrToInt(lines.next());
        if (!value) {
            for (int k = 0; k < LevelDocument::kTimeDigits; ++k)
                document.setTimeDigit(k, 9);
            return;
        }
        document.setTimeDigit(i, *value);
    }
}

void LoadTable(LevelDocument& document, LevelTable table, LineReader& lines)
{
    for (int row = 1; row <= LevelDocument::tableRows(table); ++row)
        for (int column = 1; column <= LevelDocument::tableColumns(table); ++column)
            document.setTableCell(table, row, column, lines.next());
}

void SaveTable(const LevelDocument& document, LevelTable table, QStringList& lines)
{
    for (int row = 1; row <= LevelDocument::tableRows(table); ++row)
        for (int column = 1; column <= LevelDocument::tableColumns(table); ++column)
            lines << document.tableCell(table, row, column);
}

} // namespace

QString InitialLevelLabel() { return QStringLiteral(" Kein Level geladen"); }

QString LevelLabelFor(const QString& fileName)
{
    return QStringLiteral("Level: ") + QFileInfo(fileName).fileName();
}

QString ProposedLevelFileName(const QString& levelLabel)
{
    const qsizetype colon = levelLabel.indexOf(QLatin1Char(':'));
    // From the second character after the first ":", or from the second character without one.
    return colon >= 0 ? levelLabel.mid(colon + 2) : levelLabel.mid(1);
}

QStringList LevelFileLines(const LevelDocument& document)
{
    QStringList lines;
    lines.reserve(kLevelFileLines);
    for (int line = 1; line <= LevelDocument::kColorLines; ++line) {
        for (int c = 0; c < LevelDocument::kColorColumns; ++c) {
            const ColorLineEntry& entry = document.colorEntry(c, line);
            lines << entry.hexText << FormatColorText(entry.displayColor);
        }
    }
    for (int y = 0; y < LevelDocument::kRows; ++y)
        for (int i = 0; i < LevelDocument::kCodes; ++i)
            lines << document.code(i, y);
    for (int i = 0; i < LevelDocument::kTimeDigits; ++i)
        lines << document.timeDigit(i);
    SaveTable(document, LevelTable::Monsters, lines);
    SaveTable(document, LevelTable::Switches, lines);
    lines << LowerAsciiLetters(document.author().left(16));
    lines << LowerAsciiLetters(document.title().left(31));
    lines << LowerAsciiLetters(document.tip1().left(31));
    lines << LowerAsciiLetters(document.tip2().left(31));
    return lines;
}

void SaveLevelFile(const LevelDocument& document, const QString& fileName)
{
    WriteLines(fileName, LevelFileLines(document));
}

void LoadLevelLines(LevelDocument& document, LineReader& lines)
{
    document.clearHistory();
    LevelDocument::Batch batch(document);
    for (int line = 1; line <= LevelDocument::kColorLines; ++line) {
        for (int c = 0; c < LevelDocument::kColorColumns; ++c) {
            ColorLineEntry entry = document.colorEntry(c, line);
            entry.hexText = lines.next();
            // Entries before a rejected colour stay replaced.
            document.setColorEntry(c, line, {entry.hexText, document.colorEntry(c, line).displayColor, entry.textColor});
            entry.displayColor = ParseColorText(lines.next());
            document.setColorEntry(c, line, entry);
        }
    }
    std::vector<QString> codes(LevelDocument::kRows * LevelDocument::kCodes);
    for (QString& code : codes)
        code = lines.next();
    document.setGridCodes(codes);
    LoadTime(document, lines);
    document.InitMonsterTable();
    LoadTable(document, LevelTable::Monsters, lines);
    LoadTable(document, LevelTable::Switches, lines);
    document.setAuthor(lines.next());
    document.setTitle(lines.next());
    document.setTip1(lines.next());
    document.setTip2(lines.next());
    document.markSaved();
}

void CheckLevelLines(const LineReader& lines, const QString& fileName)
{
    // The colour lines (every second of the first 100) are the only lines a load converts on the way.
    constexpr int colorBlock = 2 * LevelDocument::kColorLines * LevelDocument::kColorColumns;
    CheckFileLines(lines, fileName, kLevelFileMinLines, QStringLiteral("eine Level-Datei"), colorBlock,
                   [](qsizetype number, const QString& text) {
                       if (number % 2 == 0)
                           (void)ParseColorText(text);
                   });
}

void LoadLevelFile(LevelDocument& document, const QString& fileName)
{
    LineReader lines(fileName, kLevelFileLines);
    CheckLevelLines(lines, fileName);
    LoadLevelLines(document, lines);
}

namespace {

constexpr quint32 kLevelRecoveryVersion = 1;

} // namespace

std::function<QByteArray()> LevelRecoverySnapshot(const LevelDocument& document, const QString& levelLabel)
{
    return [lines = LevelFileLines(document), levelLabel] {
        return RecoveryPartBytes(kLevelRecoveryVersion, levelLabel, JoinWindows1252Lines(lines));
    };
}

QString RestoreLevelRecovery(LevelDocument& document, const QByteArray& bytes, const QString& source)
{
    QString label;
    const std::optional<QByteArray> fileBytes = ReadRecoveryPart(bytes, kLevelRecoveryVersion, label);
    if (!fileBytes)
        throw FileContentError(source, 1, QStringLiteral("Die Level-Arbeit darin ist beschädigt"));
    LineReader lines = LineReader::fromBytes(*fileBytes, kLevelFileLines);
    CheckLevelLines(lines, source);
    LoadLevelLines(document, lines);
    document.markModified();
    return label;
}
