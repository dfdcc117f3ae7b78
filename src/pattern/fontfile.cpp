// Reading pattern files into a document, and the names around them (the editor's loading and saving:
// fontfile_editor.cpp).
#include "pattern/fontfile.h"

#include "common/textfile.h"
#include "palette/colortext.h"
#include "pattern/patterndocument.h"

#include <QFileInfo>

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

// Registers, store, phase list and row colours, line by line, through the document's operations.
void ReadFontLines(PatternDocument& document, LineReader& lines)
{
    for (int k = 0; k < ColorRegisterSet::kCount; ++k) {
        document.setRegisterCaption(k, lines.next());
        document.setRegisterColor(k, ParseColorText(lines.next()));
    }
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            document.setSlot(i, j, lines.next());
    const QString phases = lines.next();
    if (!phases.isEmpty())
        document.setPhases(phases);
    for (int c = 0; c < RowColorTable::kColumns; ++c) {
        for (int r = 0; r < RowColorTable::kRows; ++r) {
            if (const auto color = TryParseColorText(lines.next())) {
                document.setRowColor(c, r, {*color, lines.next()});
            } else {
                // Files from before the table, or a damaged entry: the register's colours,
                // and only the one colour line is used up.
                const ColorRegister& f = document.registers()[c + 1];
                document.setRowColor(c, r, {f.displayColor, f.code()});
            }
        }
    }
}

QStringList FontFileLines(const PatternDocument& document)
{
    QStringList lines;
    lines.reserve(kFontFileLines);
    for (int k = 0; k < ColorRegisterSet::kCount; ++k) {
        lines << document.registers()[k].caption;
        lines << FormatColorText(document.registers()[k].displayColor);
    }
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            lines << document.store().slot(i, j);
    lines << document.phases();
    for (int c = 0; c < RowColorTable::kColumns; ++c) {
        for (int r = 0; r < RowColorTable::kRows; ++r) {
            lines << FormatColorText(document.rowColors().at(c, r).displayColor);
            lines << document.rowColors().at(c, r).code;
        }
    }
    return lines;
}

void CheckFontLines(const LineReader& lines, const QString& fileName)
{
    // The only lines a load converts on the way are the register colours (lines 2, 4, ..., 10); the
    // row colour lines fall back to the registers.
    CheckFileLines(lines, fileName, kFontFileMinLines, QStringLiteral("eine Pattern-Datei"),
                   2 * ColorRegisterSet::kCount, [](qsizetype number, const QString& text) {
                       if (number % 2 == 0)
                           (void)ParseColorText(text);
                   });
}

void LoadFontFile(PatternDocument& document, const QString& fileName)
{
    LineReader lines(fileName, kFontFileLines);
    CheckFontLines(lines, fileName);
    ReadFontLines(document, lines);
}
