// Windows-1252 text files with CR LF lines.
#include "common/textfile.h"

#include "common/bytefile.h"
#include "common/errors.h"

#include <QFile>

#include <array>

namespace {

// Code points of the bytes 0x80-0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

} // namespace

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        // Undefined bytes pass through as the control character of the same number.
        out[i] = (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0) ? QChar(kHigh[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
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

LineReader::LineReader(const QString& fileName)
{
    split(ReadByteFile(fileName));
}

LineReader::LineReader(const QString& fileName, qsizetype maxLines, qsizetype maxLineLength)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(fileName, file.errorString());
    while (mLines.size() < maxLines && !file.atEnd()) {
        QByteArray line = file.readLine(maxLineLength + 2);
        if (line.isEmpty() && file.error() != QFileDevice::NoError)
            throw StreamReadError();
        bool ended = line.endsWith('\n');
        // The rest of an overlong line is passed over in bounded pieces.
        while (!ended && !file.atEnd()) {
            const QByteArray rest = file.readLine(64 * 1024);
            if (rest.isEmpty() && file.error() != QFileDevice::NoError)
                throw StreamReadError();
            ended = rest.endsWith('\n');
        }
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        mLines.append(DecodeWindows1252(line.left(maxLineLength)));
    }
}

LineReader LineReader::fromBytes(const QByteArray& bytes)
{
    LineReader reader;
    reader.split(bytes);
    return reader;
}

void LineReader::split(const QByteArray& bytes)
{
    const QString text = DecodeWindows1252(bytes);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const bool last = end < 0;
        if (last)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text[stop - 1] == QLatin1Char('\r'))
            --stop;
        mLines.append(text.mid(start, stop - start));
        start = end + 1;
    }
}

QString LineReader::next()
{
    if (mPos >= mLines.size())
        return QString();
    return mLines[mPos++];
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
