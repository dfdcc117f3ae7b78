// Windows-1252 text files with CR LF lines.
#include "common/textfile.h"

#include "common/bytefile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// Code points of the bytes 0x80-0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

QString DecodeWindows1252(const char* bytes, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        // Undefined bytes pass through as the control character of the same number.
        out[i] = (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0) ? QChar(kHigh[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

} // namespace

QString DecodeWindows1252(const QByteArray& bytes)
{
    return DecodeWindows1252(bytes.constData(), bytes.size());
}

QByteArray EncodeWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        char b = '?';
        // U+0080-U+009F are only ever read from the five bytes the code page leaves undefined:
        // written back as those bytes, a file survives loading and saving unchanged.
        if (c <= 0xFF && (c < 0x80 || c >= 0xA0 || kHigh[c - 0x80] == 0)) {
            b = static_cast<char>(c);
        } else {
            for (int k = 0; k < 32; ++k) {
                if (kHigh[k] == c) {
                    b = static_cast<char>(0x80 + k);
                    break;
                }
            }
        }
        bytes[i] = b;
    }
    return bytes;
}

// Cuts bytes into lines as they come, piece by piece: CR LF or LF ends a line, and a last line
// without an end counts when it holds a byte. Keeps at most kMaxLineLength characters of a line.
class LineReader::Splitter {
public:
    Splitter(LineReader& reader, qsizetype maxLines)
        : mText(reader.mText), mEnds(reader.mEnds), mMaxLines(maxLines), mFirstCutLine(reader.mFirstCutLine)
    {
        mEnds.reserve(size_t(std::min<qsizetype>(maxLines, kMaxTextFileLines)));
    }

    // Takes the next piece; false once maxLines lines are complete.
    bool feed(const char* data, qsizetype size)
    {
        return writingLines(size, [&] { return split(data, size); });
    }
    // The end of the input: a last line without a line end.
    void finish()
    {
        if (mOpen && !full())
            writingLines(0, [&] {
                endLine();
                return true;
            });
    }

private:
    bool split(const char* data, qsizetype size)
    {
        const char* const end = data + size;
        while (data < end && !full()) {
            const auto* lf = static_cast<const char*>(std::memchr(data, '\n', static_cast<size_t>(end - data)));
            const char* stop = lf ? lf : end;
            // The usual case: a whole line within the piece goes straight into the text.
            if (lf && !mOpen) {
                const char* lineEnd = stop > data && stop[-1] == '\r' ? stop - 1 : stop;
                if (lineEnd - data > kMaxLineLength)
                    noteCut();
                addLine(data, std::min<qsizetype>(lineEnd - data, kMaxLineLength));
                data = lf + 1;
                continue;
            }
            if (stop > data)
                mOpen = true;
            // One byte more than a line may hold, so that a CR before the LF can still be told apart.
            const qsizetype keep = std::min<qsizetype>(stop - data, kMaxLineLength + 1 - mCurrent.size());
            if (keep > 0)
                mCurrent.append(data, keep);
            if (!lf)
                break;
            endLine();
            data = lf + 1;
        }
        return !full();
    }
    // Runs write with room for the lines it ends: at most the bytes it is given and those carried over
    // from earlier pieces in an open line. The room is made once and cut back to what was written.
    template <class Write>
    bool writingLines(qsizetype given, Write&& write)
    {
        const qsizetype used = mText.size();
        mText.resize(used + given + mCurrent.size());
        mOut = mText.data() + used;
        const bool more = write();
        mText.truncate(mOut - mText.constData());
        return more;
    }
    qsizetype lines() const { return qsizetype(mEnds.size()); }
    bool full() const { return lines() >= mMaxLines; }
    void noteCut()
    {
        if (mFirstCutLine == 0)
            mFirstCutLine = lines() + 1;
    }
    void addLine(const char* data, qsizetype size)
    {
        std::memcpy(mOut, data, size_t(size));
        mOut += size;
        mEnds.push_back(static_cast<quint32>(mOut - mText.constData()));
    }
    void endLine()
    {
        if (mCurrent.endsWith('\r'))
            mCurrent.chop(1);
        if (mCurrent.size() > kMaxLineLength)
            noteCut();
        mCurrent.truncate(kMaxLineLength);
        addLine(mCurrent.constData(), mCurrent.size());
        mCurrent.clear();
        mOpen = false;
    }

    QByteArray& mText;
    std::vector<quint32>& mEnds;
    qsizetype mMaxLines;
    qsizetype& mFirstCutLine;
    QByteArray mCurrent;
    bool mOpen = false;
    char* mOut = nullptr; // where the next line's bytes go, within the room feed made
};

LineReader::LineReader(const QString& fileName, qsizetype maxLines)
{
    constexpr qsizetype kPiece = 64 * 1024;
    ByteFileReader file(fileName);
    Splitter splitter(*this, maxLines);
    // The most bytes the lines can take; the skipped rest of overlong lines counts too, so an
    // endless line ends here.
    qint64 budget = static_cast<qint64>(maxLines) * (kMaxLineLength + 2);
    QByteArray piece(kPiece, Qt::Uninitialized);
    while (budget > 0) {
        const qint64 n = file.read(piece.data(), std::min<qint64>(kPiece, budget));
        if (n == 0 || !splitter.feed(piece.constData(), n))
            break;
        budget -= n;
    }
    splitter.finish();
}

LineReader LineReader::fromBytes(const QByteArray& bytes, qsizetype maxLines)
{
    LineReader reader;
    reader.mText.reserve(bytes.size());
    Splitter splitter(reader, maxLines);
    splitter.feed(bytes.constData(), bytes.size());
    splitter.finish();
    return reader;
}

QString LineReader::line(qsizetype number) const
{
    if (number < 1 || number > lineCount())
        return QString();
    const quint32 begin = number == 1 ? 0 : mEnds[size_t(number - 2)];
    return decode(mText.constData() + begin, mEnds[size_t(number - 1)] - begin);
}

QString LineReader::next()
{
    if (atEnd())
        return QString();
    return line(++mPos);
}

// Files of numbers hold the same few short lines thousands of times ("0", "255"): a line of up to three
// bytes is decoded once and shared after that, which saves an allocation per line.
QString LineReader::decode(const char* data, qsizetype size) const
{
    if (size > 3)
        return DecodeWindows1252(data, size);
    constexpr int kShortLineBits = 10;
    if (mShortLines.empty())
        mShortLines.resize(std::size_t(1) << kShortLineBits);
    quint32 key = static_cast<quint32>(size) << 24;
    for (qsizetype i = 0; i < size; ++i)
        key |= static_cast<quint32>(static_cast<unsigned char>(data[i])) << (16 - 8 * i);
    ShortLine& slot = mShortLines[(key * 2654435761u) >> (32 - kShortLineBits)];
    if (slot.key != key || slot.text.isNull()) {
        slot.key = key;
        slot.text = DecodeWindows1252(data, size);
    }
    return slot.text;
}

QString CutLineCause(const LineReader& reader, const QString& fileName)
{
    if (reader.firstCutLine() == 0)
        return QString();
    return QStringLiteral("Zeile %1 der Datei %2 ist länger als %3 Zeichen; die Datei ist beschädigt oder von anderer Art")
        .arg(reader.firstCutLine())
        .arg(fileName)
        .arg(kMaxLineLength);
}

QByteArray JoinWindows1252Lines(const QStringList& lines)
{
    QByteArray bytes;
    qsizetype total = 0;
    for (const QString& line : lines)
        total += line.size() + 2;
    bytes.reserve(total);
    for (const QString& line : lines) {
        bytes += EncodeWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

void WriteLines(const QString& fileName, const QStringList& lines)
{
    WriteByteFile(fileName, JoinWindows1252Lines(lines));
}
