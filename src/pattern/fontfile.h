// The pattern file (.fa8): registers, the whole store, the phase list and the row colours, a value per line.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class LineReader;
class PatternDocument;
class PatternEditor;

// Number of lines of a complete file.
constexpr int kFontFileLines = 16491;

// The fewest lines a pattern file can have: the registers and the whole store. Older files end after
// the phase list; what is missing after the store is taken from the registers.
constexpr int kFontFileMinLines = 10 + 16384;

// Reads and checks the whole file, then replaces registers, store, phase list and row colours from
// it, sets the font label, redraws the overview and selects paint value "1". Throws FileOpenError or
// StreamReadError, or FileContentError (a file cut short or a register colour line that is not a
// colour); the editor is then left as it was, its label too.
void LoadFontFile(PatternEditor& editor, const QString& fileName);
// Throws FileContentError naming the first line that keeps the file from being a pattern file.
void CheckFontLines(const LineReader& lines, const QString& fileName);
// The same from lines already read (the label is left to the caller).
void LoadFontLines(PatternEditor& editor, LineReader& lines);
// Reads the file's registers, store, phase list and row colours as LoadFontFile takes them.
// Throws as LoadFontFile, and leaves the document as it was then.
void LoadFontFile(PatternDocument& document, const QString& fileName);
// The same from lines already read.
void ReadFontLines(PatternDocument& document, LineReader& lines);

// The 16 491 lines of the file for the editor's present state.
QStringList FontFileLines(const PatternEditor& editor);
QStringList FontFileLines(const PatternDocument& document);

// The name of the pattern editor's part in a recovery copy (common/recoverystore.h).
inline const QString kPatternRecoveryKind = QStringLiteral("pattern");
// The pattern editor's work for a recovery copy: the file's lines, the edit buffer with the pattern it
// belongs to, the selection, the font label and the "Laden" guard. Taking it copies implicitly
// shared texts only; the returned function makes the bytes and may run on another thread.
std::function<QByteArray()> PatternRecoverySnapshot(const PatternEditor& editor);
// Puts such bytes back into the editor as unsaved work, with a fresh history. Throws
// FileContentError (naming `source`) for bytes that are not such work; the editor is then left as it was.
void RestorePatternRecovery(PatternEditor& editor, const QByteArray& bytes, const QString& source);

// Sets the font label and writes the file through WriteLines. Throws FileCreateError; the old file
// keeps its bytes then, as WriteByteFile (common/bytefile.h) keeps them, in place too.
void SaveFontFile(PatternEditor& editor, const QString& fileName);

// "Nur Zeilen 5-8": banks 1-8 of the file replace banks 9-16, register captions are taken,
// their colours kept; redraws the overview and selects paint value "1". The file is checked as
// LoadFontFile checks it first; a file that fails changes nothing.
void ImportUpperSets(PatternEditor& editor, const QString& fileName);

// The name the file dialogs propose, taken from the font label.
QString ProposedFontFileName(const QString& fontLabel);

// "Font: " and the file name without its folder.
QString FontLabelFor(const QString& fileName);
