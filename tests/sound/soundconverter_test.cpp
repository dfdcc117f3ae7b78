// The sound converter's conversions: nibble orders, block layouts, lengths, log lines and refusals.
#include "common/boundedbytefile.h"
#include "common/errors.h"
#include "support/childprocess.h"
#include "sound/soundconverter.h"
#include "support/testutil.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace {

using Conversion = QStringList (SoundConverter::*)();

QByteArray Noise(int size, unsigned seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(seed >> 16);
    }
    return bytes;
}

// The shuffle layouts written out index by index, as independent of the converter's copy loops as
// possible: parts of 1248/parts packed bytes per block, heads on the first four pages, tails on the fifth.
QByteArray ExpectedShuffle(const QByteArray& packed, int parts, bool grouped)
{
    const int blocks = static_cast<int>(packed.size()) / 1248 + 1;
    const int length = blocks * 1280 + (grouped ? 512 * (blocks / 6) : 0);
    QByteArray out(length, '\0');
    const int partIn = 1248 / parts;
    const int head = 1024 / parts;
    for (int b = 0; b < blocks; ++b) {
        const int base = 1280 * b + (grouped ? 512 * (b / 6) : 0);
        for (int e = 0; e < parts; ++e)
            for (int j = 0; j < partIn; ++j) {
                const int from = 1248 * b + partIn * e + j;
                const char value = from < packed.size() ? packed[from] : '\0';
                const int to = j < head ? base + head * e + j : base + 1024 + (256 / parts) * e + (j - head);
                out[to] = value;
            }
    }
    return out;
}

QByteArray PackPairs(const QByteArray& samples, bool firstHigh)
{
    QByteArray packed(samples.size() / 2, '\0');
    for (int k = 0; k < packed.size(); ++k) {
        const auto a = static_cast<quint8>(samples[2 * k]);
        const auto b = static_cast<quint8>(samples[2 * k + 1]);
        packed[k] = static_cast<char>(firstHigh ? (a & 0xF0) | (b >> 4) : (b & 0xF0) | (a >> 4));
    }
    return packed;
}

class SoundConverterTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("sample.snd"))
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QStringList load(const QByteArray& bytes) { return converter->Soundladen(write(bytes)); }

    QTemporaryDir dir;
    std::unique_ptr<SoundConverter> converter = std::make_unique<SoundConverter>();
};

TEST_F(SoundConverterTest, NibbleOrderOfEachConversion)
{
    load(QByteArray("\x12\x34", 2));
    converter->Packed();
    EXPECT_EQ(converter->output(), QByteArray("\x13", 1));

    load(QByteArray("\x12\x34", 2));
    converter->Shuffled8();
    EXPECT_EQ(converter->packed(0), 0x31);

    load(QByteArray("\xFF\x0F\x10", 3));
    converter->LowNibble();
    EXPECT_EQ(converter->output(), QByteArray("\x0F\x00\x01", 3));
}

struct LengthCase {
    const char* name;
    Conversion conversion;
    int samples;
    int length;
    QStringList lastLines;
};

TEST_F(SoundConverterTest, LengthsAndLogLines)
{
    const QString shuffle4 = QStringLiteral("Schritt1: Erzeuge %1 8Bit-Bytes im 4+1 Shuffe-Modus 4*256 + 4*56(64) ");
    const QString shuffle8 = QStringLiteral("Schritt1: Erzeuge %1 8Bit-Bytes im 8/2 +1 Shuffe-Modus 8*128 + 8*28(32)   ");
    const QString modul =
        QStringLiteral("Schritt2: Erzeuge %1 8Bit-Bytes im 8/2 +1 Shuffe-Modus 8*128 + 8*28(32) im 8 KB Raster  ");
    const QString pack = QStringLiteral("Packe %1 8Bit-Bytes auf %2 4Bit Doppel-Nibble");
    const QString step1 = QStringLiteral("Schritt1: ") + pack;
    const LengthCase cases[] = {
        {"lownibble", &SoundConverter::LowNibble, 3, 3, {QStringLiteral("Packe 3 Bytes von 8 auf 4 Bit")}},
        {"packed", &SoundConverter::Packed, 100, 50, {pack.arg(100).arg(50)}},
        {"packed odd", &SoundConverter::Packed, 5, 2, {pack.arg(5).arg(2)}},
        {"shuffled4 one full block", &SoundConverter::Shuffled4, 2496, 2560,
         {step1.arg(2496).arg(1248), shuffle4.arg(2560)}},
        {"shuffled4 part block", &SoundConverter::Shuffled4, 2000, 1280, {step1.arg(2000).arg(1000), shuffle4.arg(1280)}},
        {"shuffled4 empty", &SoundConverter::Shuffled4, 0, 1280, {step1.arg(0).arg(0), shuffle4.arg(1280)}},
        {"shuffled8", &SoundConverter::Shuffled8, 2000, 1280, {step1.arg(2000).arg(1000), shuffle8.arg(1280)}},
        {"modul seven blocks", &SoundConverter::Modul, 14976, 9472, {step1.arg(14976).arg(7488), modul.arg(9472)}},
        {"modul six blocks", &SoundConverter::Modul, 12480, 8192, {step1.arg(12480).arg(6240), modul.arg(8192)}},
        {"modul five blocks", &SoundConverter::Modul, 12478, 6400, {step1.arg(12478).arg(6239), modul.arg(6400)}},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.name);
        load(Noise(c.samples, 7));
        const QStringList lines = ((*converter).*(c.conversion))();
        EXPECT_EQ(converter->CurrentLength(), c.length);
        EXPECT_EQ(converter->output().size(), c.length);
        ASSERT_GE(lines.size(), c.lastLines.size());
        EXPECT_EQ(lines.mid(lines.size() - c.lastLines.size()), c.lastLines);
    }
}

TEST_F(SoundConverterTest, ModulLogsTheRegisterLinesFirst)
{
    load(Noise(10, 1));
    const QStringList lines = converter->Modul();
    ASSERT_EQ(lines.size(), 257);
    EXPECT_EQ(lines.first(), QStringLiteral("1; 0"));
    EXPECT_EQ(lines[254], QStringLiteral("255; 0"));
}

struct LayoutCase {
    const char* name;
    Conversion conversion;
    int samples;
    int parts;
    bool firstHigh;
    bool grouped;
};

TEST_F(SoundConverterTest, ShuffleLayoutsMatchTheirIndexRules)
{
    const LayoutCase cases[] = {
        {"shuffled4 M=1000", &SoundConverter::Shuffled4, 2000, 4, true, false},
        {"shuffled4 M=2600", &SoundConverter::Shuffled4, 5201, 4, true, false},
        {"shuffled8 M=1000", &SoundConverter::Shuffled8, 2000, 8, false, false},
        {"shuffled8 M=3000", &SoundConverter::Shuffled8, 6000, 8, false, false},
        {"modul M=7488", &SoundConverter::Modul, 14976, 8, true, true},
        {"modul M=16000", &SoundConverter::Modul, 32000, 8, true, true},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray samples = Noise(c.samples, 99);
        load(samples);
        ((*converter).*(c.conversion))();
        EXPECT_EQ(converter->output(), ExpectedShuffle(PackPairs(samples, c.firstHigh), c.parts, c.grouped));
    }
}

TEST_F(SoundConverterTest, ModulSeventhBlockStartsAtTheNextGroup)
{
    const QByteArray samples = Noise(14976, 3);
    load(samples);
    converter->Modul();
    const QByteArray out = converter->output();
    const QByteArray packed = PackPairs(samples, true);
    // Packed data ends exactly with block 5; block 6 holds nothing but zeros, and so does the gap.
    EXPECT_EQ(out.mid(0, 128), packed.mid(0, 128));
    EXPECT_EQ(out.mid(7680, 512), QByteArray(512, '\0'));
    EXPECT_EQ(out.mid(8192), QByteArray(1280, '\0'));
}

// Spare bytes, group gaps and blocks beyond the data must not carry anything over from earlier work.
TEST_F(SoundConverterTest, OutputDependsOnlyOnTheFileJustLoaded)
{
    const Conversion conversions[] = {&SoundConverter::Shuffled4, &SoundConverter::Shuffled8, &SoundConverter::Modul};
    const QByteArray big = Noise(40000, 11);
    QByteArray small = Noise(3000, 12);
    for (Conversion conversion : conversions) {
        SoundConverter fresh;
        fresh.Soundladen(write(small, QStringLiteral("small.snd")));
        (fresh.*conversion)();

        load(big);
        for (Conversion earlier : conversions)
            ((*converter).*(earlier))();
        converter->Soundladen(write(small, QStringLiteral("small.snd")));
        ((*converter).*(conversion))();
        EXPECT_EQ(converter->output(), fresh.output());
    }
}

TEST_F(SoundConverterTest, SavingWithoutConversionWritesZeros)
{
    load(QByteArray(5, '\x7F'));
    EXPECT_EQ(converter->output(), QByteArray(5, '\0'));
}

TEST_F(SoundConverterTest, TooLongFileIsRefusedAndChangesNothing)
{
    load(QByteArray("\x12\x34\x56\x78", 4));
    converter->Packed();
    const QString tooLong = write(QByteArray(SoundConverter::kSampleCapacity + 1, '\x55'), QStringLiteral("long.snd"));
    try {
        converter->Soundladen(tooLong);
        FAIL() << "a file longer than the buffer was loaded";
    } catch (const FileTooLongError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Datei %1 ist zu groß: höchstens 2097150 Bytes").arg(tooLong));
    }
    EXPECT_EQ(converter->CurrentLength(), 2);
    EXPECT_EQ(converter->output(), QByteArray("\x13\x57", 2));
    EXPECT_EQ(converter->sample(4), 0);
}

TEST_F(SoundConverterTest, LargestFileConvertsInEveryLayout)
{
    const QByteArray samples = Noise(SoundConverter::kSampleCapacity, 5);
    const std::pair<Conversion, int> cases[] = {
        {&SoundConverter::LowNibble, 2097150}, {&SoundConverter::Packed, 1048575},
        {&SoundConverter::Shuffled4, 841 * 1280}, {&SoundConverter::Shuffled8, 841 * 1280},
        {&SoundConverter::Modul, 841 * 1280 + 140 * 512},
    };
    for (const auto& [conversion, length] : cases) {
        load(samples);
        ((*converter).*(conversion))();
        EXPECT_EQ(converter->CurrentLength(), length);
    }
    EXPECT_EQ(converter->output(), ExpectedShuffle(PackPairs(samples, true), 8, true));
}

TEST_F(SoundConverterTest, PlotsDrawBarsOfTheFirstSamples)
{
    load(QByteArray("\x64\xFF\x00", 3));
    EXPECT_EQ(converter->drawPlots(), QStringList{QStringLiteral("980")});
    const QImage& p8 = converter->plot8();
    const QImage& p4 = converter->plot4();
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), cream = qRgb(0xFF, 0xFB, 0xF0);
    // Sample $64 = 100 at x 11: 100 pixels up from y 260; 4-bit 96 pixels.
    EXPECT_EQ(p8.pixel(11, 260), red);
    EXPECT_EQ(p8.pixel(11, 161), red);
    EXPECT_EQ(p8.pixel(11, 160), cream);
    EXPECT_EQ(p4.pixel(11, 165), blue);
    EXPECT_EQ(p4.pixel(11, 164), cream);
    // Sample 255 at x 12 reaches just under the full-scale line at y 3; sample 0 draws nothing.
    EXPECT_EQ(p8.pixel(12, 6), red);
    EXPECT_EQ(p8.pixel(12, 5), cream);
    EXPECT_EQ(p8.pixel(13, 260), cream);
    EXPECT_EQ(p8.pixel(500, 3), red);
    EXPECT_EQ(p4.pixel(500, 3), blue);
}

TEST_F(SoundConverterTest, ASaveThatFallsShortByAFewKiBKeepsTheOldFile)
{
    load(Noise(20000, 3));
    converter->Packed();
    const QString name = write(QByteArray("old pokey data"), QStringLiteral("Pokey.bin"));
    const ChildResult result = RunWithFileSizeLimit(10000 - 3000, [&] { converter->Soundspeichern(name); });
    EXPECT_EQ(result.end, ChildResult::FileCreateError) << ChildEndName(result.end);
    EXPECT_TRUE(result.message.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(name)))
        << result.message.toStdString();
    EXPECT_TRUE(ReadTestFile(name) == "old pokey data") << "the old file was replaced";
}

TEST_F(SoundConverterTest, BuffersAndPlotsAreMadeOnFirstUseAsLargeAsNeeded)
{
    EXPECT_EQ(converter->bufferBytes(), 0u);
    EXPECT_TRUE(converter->plot8().isNull());
    EXPECT_TRUE(converter->plot4().isNull());
    EXPECT_EQ(converter->sample(2097149), 0);

    load(QByteArray(100, '\x33'));
    EXPECT_LT(converter->bufferBytes(), 1000u);
    converter->Shuffled4(); // one block: 1248 packed bytes, 1280 output bytes
    EXPECT_LT(converter->bufferBytes(), 4000u);
    EXPECT_EQ(converter->output().size(), 1280);
    // Samples the block reaches beyond the file read as zeros, as in a buffer cleared at start-up.
    converter->LowNibble();
    EXPECT_EQ(converter->output(), QByteArray(100, '\x03') + QByteArray(1180, '\0'));
    EXPECT_TRUE(converter->plot8().isNull());
    converter->drawPlots();
    EXPECT_EQ(converter->plot8().size(), QSize(980, 270));
    EXPECT_EQ(converter->plot4().size(), QSize(980, 270));
}

} // namespace
