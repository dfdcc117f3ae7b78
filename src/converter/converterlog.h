// The converter's log: lines kept as short descriptions from which each line is made when it is read.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

// An analysis adds a line per pixel and the RAM image a line per byte; a 1920 x 1080 picture would
// mean two million stored texts. The log keeps such runs as their picture size (or their bytes) and
// makes the text of a line only when someone asks for it.
class ConverterLog : public QObject {
    Q_OBJECT
public:
    // Pixels are walked line by line from the top; within a line from the left or from the right.
    enum class Walk { LeftToRight, RightToLeft };

    ConverterLog();

    qsizetype lineCount() const { return mCount; }
    QString line(qsizetype index) const;
    // Every line, for exports and tests; a big log makes a big list.
    QStringList lines() const;

    void clear();
    void append(const QString& line);
    void append(const QStringList& lines);
    // One line "x / y" per pixel of a width x height picture, x and y counted from 1.
    void appendPixelWalk(int width, int height, Walk walk);
    // One line "q / y/byte" per byte of a RAM image with bytesPerLine bytes per picture line.
    void appendRamBytes(const QByteArray& bytes, int bytesPerLine);

signals:
    // Lines were added at the end (first = index of the first new line).
    void linesAdded(qsizetype first, qsizetype count);
    // The log was emptied.
    void cleared();

private:
    enum class Kind { Text, Pixels, RamBytes };
    struct Segment {
        Kind kind = Kind::Text;
        qsizetype first = 0; // index of the segment's first line in the log
        qsizetype count = 0;
        QStringList texts;     // Text
        int width = 0;         // Pixels: picture width; RamBytes: bytes per line
        Walk walk = Walk::LeftToRight;
        QByteArray bytes;      // RamBytes
    };
    void add(Segment segment);

    std::vector<Segment> mSegments;
    qsizetype mCount = 0;
};
