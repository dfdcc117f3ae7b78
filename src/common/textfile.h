// Line-oriented text files in the Windows-1252 code page, as the program's own files are kept.
#pragma once

#include "common/errors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

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
    bool atEnd() const { return mPos >= lineCount(); }
    // Line `number` (from 1) without reading it, or an empty text past the end.
    QString line(qsizetype number) const;
    qsizetype lineCount() const { return qsizetype(mEnds.size()); }
    // The number (from 1) of the first line that was longer than kMaxLineLength and cut, or 0.
    qsizetype firstCutLine() const { return mFirstCutLine; }

private:
    class Splitter;
    LineReader() = default;
    QString decode(const char* data, qsizetype size) const;
    // The lines' bytes one after another (each cut to kMaxLineLength), and where each line ends: a
    // line becomes a text when it is read, so a file of numbers is not held as thousands of strings.
    QByteArray mText;
    std::vector<quint32> mEnds;
    qsizetype mPos = 0;
    qsizetype mFirstCutLine = 0;
    // Short lines decoded so far, shared by every line of the same bytes ("0", "255").
    struct ShortLine {
        quint32 key = 0;
        QString text;
    };
    mutable std::vector<ShortLine> mShortLines;
};

// Why the reader's file is damaged or of another kind, when it had to cut a line: a text to add to the
// message of what failed on the way; empty without a cut line.
QString CutLineCause(const LineReader& reader, const QString& fileName);

// Runs a load from the reader. A conversion error it raises is told together with the first line the
// reader had to cut, when there was one: the file is then damaged or of another kind, and the text
// that failed (often an empty one past what could be read) would not say so.
template <class Load>
void NamingCutLines(const LineReader& reader, const QString& fileName, Load&& load)
{
    try {
        load();
    } catch (const ConversionError& error) {
        const QString cause = CutLineCause(reader, fileName);
        if (cause.isEmpty())
            throw;
        throw ConversionError(error, cause);
    }
}

// Checks a file before anything is taken from it: check(number, text) must accept each of its first
// `checked` lines, the only ones a load converts on the way (a conversion error it raises rejects the
// file, told with a cut line as NamingCutLines tells it), and the file must hold at least `needed` lines
// (a shorter one was cut off, or is of another kind; `kind` names what it should be). Throws
// FileContentError naming the file and the first line found wrong.
template <class Check>
void CheckFileLines(const LineReader& reader, const QString& fileName, qsizetype needed, const QString& kind,
                    qsizetype checked, Check&& check)
{
    for (qsizetype number = 1; number <= std::min(checked, reader.lineCount()); ++number) {
        try {
            NamingCutLines(reader, fileName, [&] { check(number, reader.line(number)); });
        } catch (const ConversionError& error) {
            throw FileContentError(fileName, number, error.message());
        }
    }
    if (reader.lineCount() < needed) {
        QString reason = QStringLiteral("Die Datei endet hier, %1 hat mindestens %2 Zeilen").arg(kind).arg(needed);
        if (const QString cause = CutLineCause(reader, fileName); !cause.isEmpty())
            reason += QStringLiteral(" (%1)").arg(cause);
        throw FileContentError(fileName, reader.lineCount() + 1, reason);
    }
}

// Joins lines with CR LF (each line ended) in Windows-1252.
QByteArray JoinWindows1252Lines(const QStringList& lines);

// Writes the lines with CR LF to a file through WriteByteFile (common/bytefile.h), which keeps the
// old bytes on a failure. Throws FileCreateError.
void WriteLines(const QString& fileName, const QStringList& lines);
