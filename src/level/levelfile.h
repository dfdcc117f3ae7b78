// The level file (.la8): colour lines, grid codes, time, monster and switch tables and texts, a value per line.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class LevelDocument;
class LineReader;

// Number of lines of a complete file.
constexpr int kLevelFileLines = 2788;

// The label's text before any level file was chosen.
QString InitialLevelLabel();
// "Level: " and the file name without its folder.
QString LevelLabelFor(const QString& fileName);
// The name the file dialogs propose, taken from the label.
QString ProposedLevelFileName(const QString& levelLabel);

// The 2788 lines for the document; the four texts cut (16 / 31 characters) and lower-cased (A-Z only).
QStringList LevelFileLines(const LevelDocument& document);
// Writes the file through WriteLines. Throws FileCreateError; the old file keeps its bytes then, as
// WriteByteFile (common/bytefile.h) keeps them, in place too.
void SaveLevelFile(const LevelDocument& document, const QString& fileName);

// Replaces the document from the lines, in the order of the file, and starts a fresh history.
// Throws ConversionError for a colour line that is not a colour: the entries before it are
// replaced, the rest of the document is not. A time line that is not a number sets all four
// digits to 9 and the next line is read as the first monster cell. Codes are stored as read;
// nothing is drawn.
void LoadLevelLines(LevelDocument& document, LineReader& lines);
// The fewest lines a level file can have: everything up to the switch table; the four texts after
// it may be missing.
constexpr int kLevelFileMinLines = kLevelFileLines - 4;
// Throws FileContentError naming the first line that keeps the file from being a level file.
void CheckLevelLines(const LineReader& lines, const QString& fileName);
// Opens the file (reading at most the lines a level file has), checks it whole, then loads it.
// Throws FileOpenError or StreamReadError, or FileContentError (a file cut short or a colour line
// that is not a colour): the document is then left as it was.
void LoadLevelFile(LevelDocument& document, const QString& fileName);

// The name of the level editor's part in a recovery copy (common/recoverystore.h).
inline const QString kLevelRecoveryKind = QStringLiteral("level");
// The level's work for a recovery copy: the file's lines, taken now, and the label; the returned
// function makes the bytes and may run on another thread.
std::function<QByteArray()> LevelRecoverySnapshot(const LevelDocument& document, const QString& levelLabel);
// Puts such bytes back into the document as unsaved work with a fresh history and gives the label.
// Throws FileContentError (naming `source`) for bytes that are not such work; the document is then
// left as it was.
QString RestoreLevelRecovery(LevelDocument& document, const QByteArray& bytes, const QString& source);
