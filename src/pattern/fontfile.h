// The pattern file (.fa8): registers, the whole store, the phase list and the row colours, a value per line.
#pragma once

#include <QString>
#include <QStringList>

class LineReader;
class PatternDocument;
class PatternEditor;

// Number of lines of a complete file.
constexpr int kFontFileLines = 16491;

// Sets the font label, then replaces registers, store, phase list and row colours from the file,
// redraws the overview and selects paint value "1". Throws FileOpenError, or ConversionError for
// a register colour line that is not a colour (registers before it are already replaced).
void LoadFontFile(PatternEditor& editor, const QString& fileName);
// The same from lines already read (the label is left to the caller).
void LoadFontLines(PatternEditor& editor, LineReader& lines);
// Reads the file's registers, store, phase list and row colours as LoadFontFile takes them.
// Throws FileOpenError, or ConversionError for a register colour line that is not a colour.
void LoadFontFile(PatternDocument& document, const QString& fileName);
// The same from lines already read.
void ReadFontLines(PatternDocument& document, LineReader& lines);

// The 16 491 lines of the file for the editor's present state.
QStringList FontFileLines(const PatternEditor& editor);

// Sets the font label and writes the file through WriteLines. Throws FileCreateError; the old file
// keeps its bytes then, as WriteByteFile (common/bytefile.h) keeps them, in place too.
void SaveFontFile(PatternEditor& editor, const QString& fileName);

// "Nur Zeilen 5-8": banks 1-8 of the file replace banks 9-16, register captions are taken,
// their colours kept; redraws the overview and selects paint value "1".
void ImportUpperSets(PatternEditor& editor, const QString& fileName);

// The name the file dialogs propose, taken from the font label.
QString ProposedFontFileName(const QString& fontLabel);

// "Font: " and the file name without its folder.
QString FontLabelFor(const QString& fileName);
