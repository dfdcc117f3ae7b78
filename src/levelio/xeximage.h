// The game executable in memory: the frame the level record is built into, and its binary-load check.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The first 38 677 bytes of the game executable. Only fixed offsets of the one game build are used;
// every other byte is carried through as read. Zeros until the first read.
class XexImage {
public:
    static constexpr int kSize = 38677;
    // The game level record.
    static constexpr int kRecordOffset = 8969;
    static constexpr int kRecordSize = 1590;
    // The 15 sectors written as the level binary file.
    static constexpr int kWindowOffset = 8777;
    static constexpr int kWindowSize = 1920;
    // Where a disk slot is put to be read into the editor.
    static constexpr int kDiskRecordOffset = 9;

    XexImage() : mBytes(kSize, '\0') {}

    const QByteArray& bytes() const { return mBytes; }
    // Offsets outside the image read as 0 and are not written.
    int at(int offset) const;
    // Keeps the low 8 bits.
    void set(int offset, int value);
    // Replaces size bytes at offset; the part outside the image is dropped.
    void put(int offset, const QByteArray& bytes);
    QByteArray mid(int offset, int size) const { return mBytes.mid(offset, size); }

private:
    friend void ReadXexImage(XexImage& image, const QString& fileName);
    QByteArray mBytes;
};

// "oxil.xex" in the program's folder.
QString XexPathIn(const QString& programFolder);

// Reads the first 38 677 bytes of the file (never more) into the image. Throws FileOpenError, or
// StreamReadError when the file is shorter; the image is unchanged then.
void ReadXexImage(XexImage& image, const QString& fileName);

// Writes the 38 677 bytes through WriteByteFile. Throws FileCreateError; an old file keeps its bytes
// then, as WriteByteFile (common/bytefile.h) keeps them, in place too.
void WriteXexImage(const XexImage& image, const QString& fileName);

// One segment of a binary-load file: where its header and its data sit in the file, and the
// addresses its first and last byte load to.
struct BinaryLoadSegment {
    qsizetype headerOffset = 0;
    qsizetype dataOffset = 0;
    int first = 0;
    int last = 0;
    qsizetype size() const { return last - first + 1; }
};

// The segments of a binary-load file as far as they parse, and what stopped the parse, if anything.
struct BinaryLoadLayout {
    std::vector<BinaryLoadSegment> segments;
    std::optional<QString> problem;
};
BinaryLoadLayout ParseBinaryLoad(const QByteArray& bytes);

// What is wrong with bytes meant as a binary-load file whose level record the game reads, or nothing:
// the FF FF mark at the start, every segment header complete with its end not below its start, the
// segments reaching exactly to the end, and every byte of the level record inside segment data.
std::optional<QString> BinaryLoadProblem(const QByteArray& bytes);
