// Loading and saving pattern files in the pattern editor, which redraws its pictures.
#include "pattern/fontfile.h"

#include "common/errors.h"
#include "common/recoverystore.h"
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
    editor.history().markSaved();
    editor.updateAllPatterns();
    SelectFirstColor(editor);
}

void LoadFontFile(PatternEditor& editor, const QString& fileName)
{
    LineReader lines(fileName, kFontFileLines);
    CheckFontLines(lines, fileName);
    LoadFontLines(editor, lines);
    editor.setFontLabel(FontLabelFor(fileName));
}

QStringList FontFileLines(const PatternEditor& editor)
{
    return FontFileLines(editor.document());
}

void SaveFontFile(PatternEditor& editor, const QString& fileName)
{
    editor.setFontLabel(FontLabelFor(fileName));
    WriteLines(fileName, FontFileLines(editor));
    editor.history().markSaved();
}

void ImportUpperSets(PatternEditor& editor, const QString& fileName)
{
    LineReader lines(fileName, kFontFileLines);
    CheckFontLines(lines, fileName);
    // Half a file replaced from disk: a fresh history, as after a load, and a document that no
    // file holds.
    editor.clearHistory();
    editor.history().markModified();
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

namespace {

constexpr quint32 kPatternRecoveryVersion = 1;

// The editor's state a recovery copy keeps besides the file's texts.
struct PatternSession {
    QString fontLabel;
    qint32 set = 1, pattern = 1, bufferSet = 1, bufferPattern = 1;
    bool ladenEnabled = true;
    bool documentUnsaved = false;
    QStringList data; // 2 x 16, row by row
    QStringList grid; // 8 x 16, row by row
};

QDataStream& operator<<(QDataStream& out, const PatternSession& s)
{
    return out << s.fontLabel << s.set << s.pattern << s.bufferSet << s.bufferPattern << s.ladenEnabled
               << s.documentUnsaved << s.data << s.grid;
}

QDataStream& operator>>(QDataStream& in, PatternSession& s)
{
    return in >> s.fontLabel >> s.set >> s.pattern >> s.bufferSet >> s.bufferPattern >> s.ladenEnabled
           >> s.documentUnsaved >> s.data >> s.grid;
}

} // namespace

std::function<QByteArray()> PatternRecoverySnapshot(const PatternEditor& editor)
{
    PatternSession session{editor.fontLabel(), editor.currentSet(), editor.currentPattern(), editor.bufferSet(),
                           editor.bufferPattern(), editor.ladenEnabled(), editor.history().documentModified(), {}, {}};
    const EditBuffer& buffer = editor.buffer();
    for (int y = 0; y < EditBuffer::kHeight; ++y) {
        session.data << buffer.data(0, y) << buffer.data(1, y);
        for (int x = 0; x < EditBuffer::kWidth; ++x)
            session.grid << buffer.grid(x, y);
    }
    return [document = editor.document(), session = std::move(session)] {
        return RecoveryPartBytes(kPatternRecoveryVersion, session, JoinWindows1252Lines(FontFileLines(document)));
    };
}

void RestorePatternRecovery(PatternEditor& editor, const QByteArray& bytes, const QString& source)
{
    PatternSession session;
    const std::optional<QByteArray> fileBytes = ReadRecoveryPart(bytes, kPatternRecoveryVersion, session);
    const auto fits = [](int v, int high) { return v >= 1 && v <= high; };
    if (!fileBytes || session.data.size() != 2 * EditBuffer::kHeight || session.grid.size() != EditBuffer::kWidth * EditBuffer::kHeight
        || !fits(session.set, PatternStore::kSets) || !fits(session.bufferSet, PatternStore::kSets)
        || !fits(session.pattern, PatternStore::kPatterns) || !fits(session.bufferPattern, PatternStore::kPatterns))
        throw FileContentError(source, 1, QStringLiteral("Die Pattern-Arbeit darin ist beschädigt"));
    LineReader lines = LineReader::fromBytes(*fileBytes, kFontFileLines);
    CheckFontLines(lines, source);

    LoadFontLines(editor, lines);
    if (session.documentUnsaved)
        editor.history().markModified();
    editor.setFontLabel(session.fontLabel);
    editor.setCurrentSet(session.set);
    editor.setCurrentPattern(session.pattern);
    for (int y = 0; y < EditBuffer::kHeight; ++y) {
        for (int h = 0; h < 2; ++h)
            editor.setDataCell(h, y, session.data[2 * y + h]);
        for (int x = 0; x < EditBuffer::kWidth; ++x)
            editor.setGridCell(x, y, session.grid[EditBuffer::kWidth * y + x]);
    }
    editor.setBufferOrigin(session.bufferSet, session.bufferPattern);
    editor.setLadenEnabled(session.ladenEnabled);
    editor.DrawDefine();
}
