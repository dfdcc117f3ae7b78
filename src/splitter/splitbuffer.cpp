// Loading a file into the split buffer and cutting byte ranges out of it.
#include "splitter/splitbuffer.h"

#include "common/boundedbytefile.h"
#include "common/bytefile.h"

#include <algorithm>
#include <limits>

QStringList SplitBuffer::dateiladen(const QString& fileName)
{
    QByteArray bytes = ReadByteFileUpTo(fileName, kCapacity);
    mBytes = std::move(bytes);
    return LoadReport(mBytes.size(), mBytes.size());
}

QByteArray SplitBuffer::piece(int start, int stop) const
{
    const qint64 first = std::max<qint64>(start, 1);
    const qint64 last = std::min<qint64>(stop, mBytes.size());
    if (last < first)
        return {};
    return mBytes.mid(first - 1, last - first + 1);
}

void SplitBuffer::Dateispeichern(const QString& fileName, int start, int stop) const
{
    WriteByteFile(fileName, piece(start, stop));
}

int SplitLength(int start, int stop)
{
    // Both fields span the whole int range, so the difference needs more than 32 bits.
    const qint64 length = qint64(stop) - qint64(start) + 1;
    return static_cast<int>(std::clamp<qint64>(length, std::numeric_limits<int>::min() + 1,
                                               std::numeric_limits<int>::max()));
}
