// Reading and writing pattern files.
#include "pattern/fontfile.h"

#include "common/textfile.h"
#include "palette/colortext.h"
#include "pattern/patterneditor.h"

#include <QFileInfo>

namespace {

// Paint value "1" with F1's colours, as after every load.
void SelectFirstColor(PatternEditor& editor)
{
    editor.paint.text = QStringLiteral("1");
    editor.paint.color = editor.registers[1].displayColor;
    editor.paint.textColor = editor.registers[1].textColor;
}

} // namespace

QString FontLabelFor(const QString& fileName)
{
    return QStringLiteral("Font: ") + QFileInfo(fileName).fileName();
}

QString ProposedFontFileName(const QString& fontLabel)
{
    const qsizetype colon = fontLabel.indexOf(QLatin1Char(':'));
    // From the second character after the first ":", or from the second character without one.
    return colon >= 0 ? fontLabel.mid(colon + 2) : fontLabel.mid(1);
}

void LoadFontLines(PatternEditor& editor, LineReader& lines)
{
    for (int k = 0; k < ColorRegisterSet::kCount; ++k) {
        editor.registers[k].caption = lines.next();
        editor.registers[k].displayColor = ParseColorText(lines.next());
    }
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            editor.store.setSlot(i, j, lines.next());
    const QString phases = lines.next();
    if (!phases.isEmpty())
        editor.phases = phases;
    for (int c = 0; c < RowColorTable::kColumns; ++c) {
        for (int r = 0; r < RowColorTable::kRows; ++r) {
            RowColorEntry& entry = editor.rowColors.at(c, r);
            if (const auto color = TryParseColorText(lines.next())) {
                entry.displayColor = *color;
                entry.code = lines.next();
            } else {
                // Files from before the table, or a damaged entry: the register's colours,
                // and only the one colour line is used up.
                entry.displayColor = editor.registers[c + 1].displayColor;
                entry.code = editor.registers[c + 1].code();
            }
        }
    }
    editor.UpdateAllPatterns();
    SelectFirstColor(editor);
}

void LoadFontFile(PatternEditor& editor, const QString& fileName)
{
    editor.fontLabel = FontLabelFor(fileName);
    LineReader lines(fileName, kFontFileLines);
    LoadFontLines(editor, lines);
}

QStringList FontFileLines(const PatternEditor& editor)
{
    QStringList lines;
    lines.reserve(kFontFileLines);
    for (int k = 0; k < ColorRegisterSet::kCount; ++k) {
        lines << editor.registers[k].caption;
        lines << FormatColorText(editor.registers[k].displayColor);
    }
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            lines << editor.store.slot(i, j);
    lines << editor.phases;
    for (int c = 0; c < RowColorTable::kColumns; ++c) {
        for (int r = 0; r < RowColorTable::kRows; ++r) {
            lines << FormatColorText(editor.rowColors.at(c, r).displayColor);
            lines << editor.rowColors.at(c, r).code;
        }
    }
    return lines;
}

void SaveFontFile(PatternEditor& editor, const QString& fileName)
{
    editor.fontLabel = FontLabelFor(fileName);
    WriteLines(fileName, FontFileLines(editor));
}

void ImportUpperSets(PatternEditor& editor, const QString& fileName)
{
    LineReader lines(fileName, kFontFileLines);
    for (int k = 0; k < ColorRegisterSet::kCount; ++k) {
        editor.registers[k].caption = lines.next();
        lines.next(); // the colour stays
    }
    for (int i = 1; i <= PatternStore::kSlotsI; ++i) {
        for (int j = 1; j <= PatternStore::kBanks; ++j) {
            const QString line = lines.next();
            if (j <= 8)
                editor.store.setSlot(i, j + 8, line);
        }
    }
    editor.UpdateAllPatterns();
    SelectFirstColor(editor);
}
