// The sound converter's buffers: 8-bit samples in, 4-bit POKEY layouts out, and the two sample plots.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

class QImage;
struct SoundPlots;

// The high nibble of a sample, 0-15: all the POKEY keeps of it.
constexpr std::uint8_t Acht2Vier(std::uint8_t sample) { return sample >> 4; }

// Every operation returns the log lines it adds, in order, so the window can append them as one block.
class SoundConverter {
public:
    static constexpr int kSampleCapacity = 2097150;
    // A shuffle block takes 1248 packed bytes and spreads them over five 256-byte pages.
    static constexpr int kBlockIn = 1248;
    static constexpr int kBlockOut = 1280;
    // "Modul" puts six blocks into each 8 KB group and leaves its last 512 bytes free.
    static constexpr int kBlocksPerGroup = 6;
    static constexpr int kGroupGap = 512;
    // The block count of the largest file: its packed length div 1248, plus the block begun after it.
    static constexpr int kMaxBlocks = kSampleCapacity / 2 / kBlockIn + 1;
    static constexpr int kMaxShuffledLength = kMaxBlocks * kBlockOut + kGroupGap * (kMaxBlocks / kBlocksPerGroup);
    // A second conversion reads as many samples as the first one's length says.
    static_assert(kMaxShuffledLength <= kSampleCapacity, "every current length must stay within the samples");
    static constexpr int kPlotWidth = 980;
    static constexpr int kPlotHeight = 270;

    // Holds no buffer and no plot yet: each is made on first use, as long as what was loaded needs.
    SoundConverter();

    // Fills the sample buffer from the file and clears the output as far as it reaches.
    // A file that cannot be read, or is longer than the sample buffer, changes nothing.
    QStringList Soundladen(const QString& fileName);
    // Replaces the file with the first CurrentLength output bytes.
    void Soundspeichern(const QString& fileName) const;

    QStringList LowNibble();
    QStringList Packed();
    QStringList Shuffled4();
    QStringList Shuffled8();
    QStringList Modul();

    // Redraws both plots from the first samples of the buffer, whatever was loaded last.
    QStringList drawPlots();

    int CurrentLength() const { return mLength; }
    QByteArray output() const;
    // Entries past what any action reached read as 0, as in buffers cleared at start-up.
    std::uint8_t sample(int index) const { return At(mSamples, index); }
    std::uint8_t packed(int index) const { return At(mPacked, index); }
    // Null until the plots are first drawn.
    const QImage& plot8() const;
    const QImage& plot4() const;
    // Bytes held by the sample, packed and output buffers.
    size_t bufferBytes() const { return mSamples.capacity() + mPacked.capacity() + mOutput.capacity(); }

private:
    static std::uint8_t At(const std::vector<std::uint8_t>& buffer, int index)
    {
        return index >= 0 && static_cast<size_t>(index) < buffer.size() ? buffer[static_cast<size_t>(index)] : 0;
    }
    enum class NibbleOrder { FirstHigh, FirstLow };
    // Packs L samples pairwise into the packed buffer, zeroes it up to the end of the last block,
    // and returns the number of blocks.
    int packForShuffle(NibbleOrder order);
    // Lays the packed blocks out in `parts` equal parts: the head of part e fills the e-th
    // 1024/parts bytes of the first four pages, its tail goes to the fifth page at 256/parts * e,
    // and the spare bytes after each tail (and each group gap when grouped) become zero.
    void shuffle(int blocks, int parts, bool grouped);
    // Packs, lays out without group gaps, and reports with `report` holding %1 for the new length.
    QStringList shuffledLinear(NibbleOrder order, int parts, const QString& report);

    std::vector<std::uint8_t> mSamples;
    std::vector<std::uint8_t> mPacked;
    std::vector<std::uint8_t> mOutput;
    int mLength = 0;
    // The plots are pictures (QtGui, soundconverter_plots.cpp); the conversions get by on Qt Core.
    SoundPlots& plots() const;
    mutable std::shared_ptr<SoundPlots> mPlots;
};
