// Line-oriented text files in the Windows-1252 code page, as the program's own files are kept.
#pragma once

#include "common/errors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Windows-1252 to and from QString; characters outside the code page are written as "?".
QString DecodeWindows1252(const QByteArray& bytes);
QByteArray EncodeWindows1252(const QString& text);

// The longest line the program's line files can use; the rest of a longer line is skipped.
constexpr qsizetype kMaxLineLength = 1024;
// The most lines any of the program's line files has (a pattern file); readers pass their own count.
constexpr qsizetype kMaxTextFileLines = 16491;

// Reads the lines of a text file that its format uses: at most maxLines lines of at most
// kMaxLineLength characters, and never more bytes than such lines take, whatever size the file
// claims (a huge file chosen by mistake, one that grows). A pipe, a device or a socket is refused at
// once (ByteFileReader in common/bytefile.h). Accepts CR LF and lone LF.
// Lines past the end, or past what was read, read as empty texts.
// Throws FileOpenError, or StreamReadError when reading fails half way.
class LineReader {
public:
    explicit LineReader(const QString& fileName, qsizetype maxLines = kMaxTextFileLines);
    // Builds a reader over text already in memory (for tests and in-memory sources).
    static LineReader fromBytes(const QByteArray& bytes, qsizetype maxLines = kMaxTextFileLines);

    // The next line, or an empty text once the file is used up.
    QString next();
    bool atEnd() const { return mPos >= mLines.size(); }
    qsizetype lineCount() const { return mLines.size(); }
    // The number (from 1) of the first line that was longer than kMaxLineLength and cut, or 0.
    qsizetype firstCutLine() const { return mFirstCutLine; }

private:
    class Splitter;
    LineReader() = default;
    QStringList mLines;
    qsizetype mPos = 0;
    qsizetype mFirstCutLine = 0;
};

// Runs a load from the reader. A conversion error it raises is told together with the first line the
// reader had to cut, when there was one: the file is then damaged or of another kind, and the text
// that failed (often an empty one past what could be read) would not say so.
template <class Load>
void NamingCutLines(const LineReader& reader, const QString& fileName, Load&& load)
{
    try {
        load();
    } catch (const ConversionError& error) {
        if (reader.firstCutLine() == 0)
            throw;
        throw ConversionError(error, QStringLiteral("Zeile %1 der Datei %2 ist länger als %3 Zeichen; die Datei ist "
                                                    "beschädigt oder von anderer Art")
                                         .arg(reader.firstCutLine())
                                         .arg(fileName)
                                         .arg(kMaxLineLength));
    }
}

// Joins lines with CR LF (each line ended) in Windows-1252.
QByteArray JoinWindows1252Lines(const QStringList& lines);

// Writes the lines with CR LF to a file through WriteByteFile (common/bytefile.h), which keeps the
// old bytes on a failure. Throws FileCreateError.
void WriteLines(const QString& fileName, const QStringList& lines);
