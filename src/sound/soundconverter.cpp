// Sample loading and the five 4-bit conversions of the sound converter (the plots: soundconverter_plots.cpp).
#include "sound/soundconverter.h"

#include "common/boundedbytefile.h"
#include "common/bytefile.h"
#include "palette/ataricolor.h"

#include <algorithm>
#include <cstring>

namespace {


QString PackText(int samples, int packed)
{
    return QStringLiteral("Packe %1 8Bit-Bytes auf %2 4Bit Doppel-Nibble").arg(samples).arg(packed);
}

// Makes the buffer at least n entries long; new entries are 0, as in a buffer cleared at start-up.
void Reach(std::vector<std::uint8_t>& buffer, int n)
{
    if (buffer.size() < static_cast<size_t>(n))
        buffer.resize(static_cast<size_t>(n), 0);
}

} // namespace

SoundConverter::SoundConverter() = default;

QStringList SoundConverter::Soundladen(const QString& fileName)
{
    const QByteArray bytes = ReadByteFileUpTo(fileName, kSampleCapacity);
    const int n = static_cast<int>(bytes.size());
    Reach(mSamples, n);
    std::memcpy(mSamples.data(), bytes.constData(), static_cast<size_t>(n));
    Reach(mOutput, n + 1);
    std::fill(mOutput.begin(), mOutput.begin() + n + 1, 0);
    mLength = n;
    return LoadReport(n, n);
}

void SoundConverter::Soundspeichern(const QString& fileName) const
{
    WriteByteFile(fileName, output());
}

QByteArray SoundConverter::output() const
{
    return QByteArray(reinterpret_cast<const char*>(mOutput.data()), mLength);
}

QStringList SoundConverter::LowNibble()
{
    Reach(mSamples, mLength);
    Reach(mOutput, mLength);
    const std::uint8_t* s = mSamples.data();
    std::uint8_t* o = mOutput.data();
    for (int k = 0; k < mLength; ++k)
        o[k] = Acht2Vier(s[k]);
    return {QStringLiteral("Packe %1 Bytes von 8 auf 4 Bit").arg(mLength)};
}

QStringList SoundConverter::Packed()
{
    const int m = mLength / 2;
    Reach(mSamples, mLength);
    Reach(mOutput, m);
    const std::uint8_t* s = mSamples.data();
    std::uint8_t* o = mOutput.data();
    for (int k = 0; k < m; ++k)
        o[k] = static_cast<std::uint8_t>((s[2 * k] & 0xF0) | Acht2Vier(s[2 * k + 1]));
    const QString line = PackText(mLength, m);
    mLength = m;
    return {line};
}

int SoundConverter::packForShuffle(NibbleOrder order)
{
    const int m = mLength / 2;
    const int blocks = m / kBlockIn + 1;
    Reach(mSamples, mLength);
    Reach(mPacked, blocks * kBlockIn);
    const std::uint8_t* s = mSamples.data();
    std::uint8_t* p = mPacked.data();
    if (order == NibbleOrder::FirstHigh) {
        for (int k = 0; k < m; ++k)
            p[k] = static_cast<std::uint8_t>((s[2 * k] & 0xF0) | Acht2Vier(s[2 * k + 1]));
    } else {
        for (int k = 0; k < m; ++k)
            p[k] = static_cast<std::uint8_t>((s[2 * k + 1] & 0xF0) | Acht2Vier(s[2 * k]));
    }
    // The last block reaches past the packed data; zeros there keep the output free of older files.
    std::fill(mPacked.begin() + m, mPacked.begin() + blocks * kBlockIn, 0);
    mLength = m;
    return blocks;
}

void SoundConverter::shuffle(int blocks, int parts, bool grouped)
{
    Reach(mOutput, blocks * kBlockOut + (grouped ? kGroupGap * (blocks / kBlocksPerGroup) : 0));
    const int partIn = kBlockIn / parts;
    const int head = 1024 / parts;
    const int tail = partIn - head;
    const int tailStride = 256 / parts;
    const std::uint8_t* p = mPacked.data();
    std::uint8_t* o = mOutput.data();
    for (int b = 0; b < blocks; ++b) {
        const int base = b * kBlockOut + (grouped ? kGroupGap * (b / kBlocksPerGroup) : 0);
        const std::uint8_t* in = p + b * kBlockIn;
        for (int e = 0; e < parts; ++e) {
            std::memcpy(o + base + head * e, in + partIn * e, static_cast<size_t>(head));
            std::uint8_t* fifth = o + base + 1024 + tailStride * e;
            std::memcpy(fifth, in + partIn * e + head, static_cast<size_t>(tail));
            std::memset(fifth + tail, 0, static_cast<size_t>(tailStride - tail));
        }
        if (grouped && (b + 1) % kBlocksPerGroup == 0)
            std::memset(o + base + kBlockOut, 0, kGroupGap);
    }
}

QStringList SoundConverter::shuffledLinear(NibbleOrder order, int parts, const QString& report)
{
    const int samples = mLength;
    const int blocks = packForShuffle(order);
    const QString packLine = QStringLiteral("Schritt1: ") + PackText(samples, mLength);
    shuffle(blocks, parts, false);
    mLength = blocks * kBlockOut;
    return {packLine, report.arg(mLength)};
}

QStringList SoundConverter::Shuffled4()
{
    return shuffledLinear(NibbleOrder::FirstHigh, 4,
                          QStringLiteral("Schritt1: Erzeuge %1 8Bit-Bytes im 4+1 Shuffe-Modus 4*256 + 4*56(64) "));
}

QStringList SoundConverter::Shuffled8()
{
    // The one layout that puts the first sample of a pair into the low nibble.
    return shuffledLinear(
        NibbleOrder::FirstLow, 8,
        QStringLiteral("Schritt1: Erzeuge %1 8Bit-Bytes im 8/2 +1 Shuffe-Modus 8*128 + 8*28(32)   "));
}

QStringList SoundConverter::Modul()
{
    QStringList lines;
    lines.reserve(257);
    // The 255 "p; 0" lines come before the packing report, as the program has always logged them.
    for (int p = 1; p <= 255; ++p)
        lines << QStringLiteral("%1; 0").arg(p);
    const int samples = mLength;
    const int blocks = packForShuffle(NibbleOrder::FirstHigh);
    lines << QStringLiteral("Schritt1: ") + PackText(samples, mLength);
    shuffle(blocks, 8, true);
    mLength = blocks * kBlockOut + kGroupGap * (blocks / kBlocksPerGroup);
    lines << QStringLiteral(
                 "Schritt2: Erzeuge %1 8Bit-Bytes im 8/2 +1 Shuffe-Modus 8*128 + 8*28(32) im 8 KB Raster  ")
                 .arg(mLength);
    return lines;
}
