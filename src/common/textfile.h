// Line-oriented text files in the Windows-1252 code page, as the program's own files are kept.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Windows-1252 to and from QString; characters outside the code page are written as "?".
QString DecodeWindows1252(const QByteArray& bytes);
QByteArray EncodeWindows1252(const QString& text);

// Reads a whole text file; accepts CR LF and lone LF. Throws FileOpenError.
// Lines past the end read as empty texts through LineReader.
class LineReader {
public:
    explicit LineReader(const QString& fileName);
    // Reads no more than the first maxLines lines, each cut after maxLineLength characters, so that
    // a file of a fixed number of lines costs no more memory however large it is. Throws FileOpenError
    // or StreamReadError.
    LineReader(const QString& fileName, qsizetype maxLines, qsizetype maxLineLength);
    // Builds a reader over text already in memory (for tests and in-memory sources).
    static LineReader fromBytes(const QByteArray& bytes);

    // The next line, or an empty text once the file is used up.
    QString next();
    bool atEnd() const { return mPos >= mLines.size(); }
    qsizetype lineCount() const { return mLines.size(); }

private:
    LineReader() = default;
    void split(const QByteArray& bytes);
    QStringList mLines;
    qsizetype mPos = 0;
};

// Joins lines with CR LF (each line ended) in Windows-1252.
QByteArray JoinWindows1252Lines(const QStringList& lines);

// Writes the lines with CR LF to a file, through a save file: the file is replaced only when
// every byte was written. Throws FileCreateError.
void WriteLines(const QString& fileName, const QStringList& lines);
