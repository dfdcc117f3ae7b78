// Log segments and the lines made from them.
#include "converter/converterlog.h"

#include "common/displaytext.h"

#include <algorithm>

ConverterLog::ConverterLog()
{
    append(QStringLiteral("Memo1"));
}

QString ConverterLog::line(qsizetype index) const
{
    if (index < 0 || index >= mCount)
        return QString();
    const auto it = std::upper_bound(mSegments.begin(), mSegments.end(), index,
                                     [](qsizetype i, const Segment& s) { return i < s.first; });
    const Segment& s = *(it - 1);
    const qsizetype k = index - s.first;
    switch (s.kind) {
    case Kind::Text:
        return s.texts[k];
    case Kind::Pixels: {
        const qsizetype y = k / s.width + 1;
        const qsizetype step = k % s.width;
        const qsizetype x = s.walk == Walk::LeftToRight ? step + 1 : s.width - step;
        return QStringLiteral("%1 / %2").arg(x).arg(y);
    }
    case Kind::RamBytes: {
        const qsizetype y = k / s.width + 1;
        const qsizetype q = k % s.width + 1;
        return QStringLiteral("%1 / %2/%3").arg(q).arg(y).arg(static_cast<unsigned char>(s.bytes[k]));
    }
    }
    return QString();
}

QStringList ConverterLog::lines() const
{
    QStringList all;
    all.reserve(mCount);
    for (qsizetype i = 0; i < mCount; ++i)
        all << line(i);
    return all;
}

void ConverterLog::clear()
{
    mSegments.clear();
    mCount = 0;
    emit cleared();
}

void ConverterLog::add(Segment segment)
{
    if (segment.count <= 0)
        return;
    const qsizetype first = mCount;
    const qsizetype count = segment.count;
    // Consecutive text lines share one segment, so a click per table cell does not grow the list.
    if (segment.kind == Kind::Text && !mSegments.empty() && mSegments.back().kind == Kind::Text) {
        mSegments.back().texts += segment.texts;
        mSegments.back().count += count;
    } else {
        segment.first = first;
        mSegments.push_back(std::move(segment));
    }
    mCount += count;
    emit linesAdded(first, count);
}

void ConverterLog::append(const QString& line)
{
    append(QStringList{line});
}

void ConverterLog::append(const QStringList& lines)
{
    Segment s;
    s.kind = Kind::Text;
    s.count = lines.size();
    // A line may echo a typed value: its control characters are shown, so nothing cuts the log's text.
    s.texts.reserve(lines.size());
    for (const QString& line : lines)
        s.texts << VisibleText(line);
    add(std::move(s));
}

void ConverterLog::appendPixelWalk(int width, int height, Walk walk)
{
    if (width <= 0 || height <= 0)
        return;
    Segment s;
    s.kind = Kind::Pixels;
    s.width = width;
    s.walk = walk;
    s.count = qsizetype{width} * height;
    add(std::move(s));
}

void ConverterLog::appendRamBytes(const QByteArray& bytes, int bytesPerLine)
{
    if (bytesPerLine <= 0 || bytes.isEmpty())
        return;
    Segment s;
    s.kind = Kind::RamBytes;
    s.width = bytesPerLine;
    s.count = bytes.size();
    s.bytes = bytes;
    add(std::move(s));
}
