// The level file (.la8): colour lines, grid codes, time, monster and switch tables and texts, a value per line.
#pragma once

#include <QString>
#include <QStringList>

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
// Opens the file (reading at most the lines a level file has) and loads it. Throws FileOpenError
// or StreamReadError, or ConversionError as LoadLevelLines.
void LoadLevelFile(LevelDocument& document, const QString& fileName);
