// Reading, writing and checking the game executable image.
#include "levelio/xeximage.h"

#include "common/boundedbytefile.h"
#include "common/bytefile.h"
#include "common/errors.h"

#include <QDir>
#include <vector>

int XexImage::at(int offset) const
{
    if (offset < 0 || offset >= kSize)
        return 0;
    return static_cast<unsigned char>(mBytes[offset]);
}

void XexImage::set(int offset, int value)
{
    if (offset < 0 || offset >= kSize)
        return;
    mBytes[offset] = static_cast<char>(value & 0xFF);
}

void XexImage::put(int offset, const QByteArray& bytes)
{
    for (int i = 0; i < bytes.size(); ++i)
        set(offset + i, static_cast<unsigned char>(bytes[i]));
}

QString XexPathIn(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("oxil.xex"));
}

void ReadXexImage(XexImage& image, const QString& fileName)
{
    // A longer file is read no further than the image reaches.
    const QByteArray bytes = ReadByteFileHead(fileName, XexImage::kSize);
    if (bytes.size() != XexImage::kSize)
        throw StreamReadError();
    image.mBytes = bytes;
}

void WriteXexImage(const XexImage& image, const QString& fileName)
{
    WriteByteFile(fileName, image.bytes());
}

namespace {

int Word(const QByteArray& bytes, qsizetype at)
{
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

QString Hex4(int value)
{
    return QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

} // namespace

BinaryLoadLayout ParseBinaryLoad(const QByteArray& bytes)
{
    BinaryLoadLayout layout;
    if (bytes.size() < 2 || Word(bytes, 0) != 0xFFFF) {
        layout.problem = QStringLiteral("keine Atari-Binärdatei: die Kennung FF FF fehlt am Anfang");
        return layout;
    }
    qsizetype pos = 2;
    while (pos < bytes.size()) {
        const qsizetype header = pos;
        // A segment may repeat the FF FF mark in front of its addresses.
        if (pos + 2 <= bytes.size() && Word(bytes, pos) == 0xFFFF)
            pos += 2;
        if (pos + 4 > bytes.size()) {
            layout.problem = QStringLiteral("der Segmentkopf bei Offset %1 ist unvollständig").arg(header);
            return layout;
        }
        const BinaryLoadSegment segment{header, pos + 4, Word(bytes, pos), Word(bytes, pos + 2)};
        if (segment.last < segment.first) {
            layout.problem = QStringLiteral("das Segment bei Offset %1 endet vor seinem Anfang ($%2 bis $%3)")
                                 .arg(header)
                                 .arg(Hex4(segment.first), Hex4(segment.last));
            return layout;
        }
        if (segment.dataOffset + segment.size() > bytes.size()) {
            layout.problem = QStringLiteral("das Segment bei Offset %1 reicht %2 Bytes über das Dateiende hinaus")
                                 .arg(header)
                                 .arg(segment.dataOffset + segment.size() - bytes.size());
            return layout;
        }
        layout.segments.push_back(segment);
        pos = segment.dataOffset + segment.size();
    }
    return layout;
}

std::optional<QString> BinaryLoadProblem(const QByteArray& bytes)
{
    const BinaryLoadLayout layout = ParseBinaryLoad(bytes);
    if (layout.problem)
        return layout.problem;
    for (qsizetype offset = XexImage::kRecordOffset; offset < XexImage::kRecordOffset + XexImage::kRecordSize;
         ++offset) {
        bool inData = false;
        for (const BinaryLoadSegment& s : layout.segments)
            inData = inData || (offset >= s.dataOffset && offset < s.dataOffset + s.size());
        if (!inData)
            return QStringLiteral("der Level-Datensatz (Offset %1 bis %2) liegt bei Offset %3 nicht in Segmentdaten")
                .arg(XexImage::kRecordOffset)
                .arg(XexImage::kRecordOffset + XexImage::kRecordSize - 1)
                .arg(offset);
    }
    return std::nullopt;
}
