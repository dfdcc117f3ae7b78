// Loading and saving pattern files in the pattern editor, which redraws its pictures.
#include "pattern/fontfile.h"

#include "common/textfile.h"
#include "palette/colortext.h"
#include "pattern/patterneditor.h"

namespace {

// Paint value "1" with F1's colours, as after every load.
void SelectFirstColor(PatternEditor& editor)
{
    editor.setPaint({QStringLiteral("1"), editor.registers()[1].displayColor, editor.registers()[1].textColor});
}

} // namespace

void LoadFontLines(PatternEditor& editor, LineReader& lines)
{
    // A loaded file starts a fresh history, also when a damaged line ends the load half-way.
    editor.clearHistory();
    ReadFontLines(editor.document(), lines);
    editor.markSaved();
    editor.updateAllPatterns();
    SelectFirstColor(editor);
}

void LoadFontFile(PatternEditor& editor, const QString& fileName)
{
    editor.setFontLabel(FontLabelFor(fileName));
    LineReader lines(fileName, kFontFileLines);
    NamingCutLines(lines, fileName, [&] { LoadFontLines(editor, lines); });
}

QStringList FontFileLines(const PatternEditor& editor)
{
    QStringList lines;
    lines.reserve(kFontFileLines);
    for (int k = 0; k < ColorRegisterSet::kCount; ++k) {
        lines << editor.registers()[k].caption;
        lines << FormatColorText(editor.registers()[k].displayColor);
    }
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            lines << editor.store().slot(i, j);
    lines << editor.document().phases();
    for (int c = 0; c < RowColorTable::kColumns; ++c) {
        for (int r = 0; r < RowColorTable::kRows; ++r) {
            lines << FormatColorText(editor.rowColors().at(c, r).displayColor);
            lines << editor.rowColors().at(c, r).code;
        }
    }
    return lines;
}

void SaveFontFile(PatternEditor& editor, const QString& fileName)
{
    editor.setFontLabel(FontLabelFor(fileName));
    WriteLines(fileName, FontFileLines(editor));
    editor.markSaved();
}

void ImportUpperSets(PatternEditor& editor, const QString& fileName)
{
    LineReader lines(fileName, kFontFileLines);
    // Half a file replaced from disk: a fresh history, as after a load, and a document that no
    // file holds.
    editor.clearHistory();
    editor.markModified();
    PatternDocument& document = editor.document();
    for (int k = 0; k < ColorRegisterSet::kCount; ++k) {
        document.setRegisterCaption(k, lines.next());
        lines.next(); // the colour stays
    }
    for (int i = 1; i <= PatternStore::kSlotsI; ++i) {
        for (int j = 1; j <= PatternStore::kBanks; ++j) {
            const QString line = lines.next();
            if (j <= 8)
                document.setSlot(i, j + 8, line);
        }
    }
    editor.updateAllPatterns();
    SelectFirstColor(editor);
}
