// The register table: its reset, loading, and the compact and isolated analyses on hand-made pictures.
#include "converter/graphicsconverter.h"
#include "converterfixture.h"
#include "support/testutil.h"

#include "common/errors.h"
#include "converter/graphicsexport.h"
#include "converter/pictureloader.h"
#include "support/testpicture.h"

#include <QSignalSpy>
#include <algorithm>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QString kBlack = QStringLiteral("clBlack");

// The texts of columns 1 ... last of a row.
QStringList RowTexts(const GraphicsConverter& converter, int row, int last = 19)
{
    QStringList texts;
    for (int c = 1; c <= last; ++c)
        texts << converter.cell(c, row);
    return texts;
}

QStringList Padded(QStringList texts, int count = 19)
{
    while (texts.size() < count)
        texts << QString();
    return texts;
}

TEST(RegisterTable, LoadSizesAndNumbersTheTable)
{
    GraphicsConverter converter;
    converter.TakePicture(PaletteImage({{0x08, 0x00, 0x0C}, {0x00, 0x00, 0x00}}));
    EXPECT_EQ(converter.table().columnCount(), 20);
    EXPECT_EQ(converter.table().rowCount(), 3);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(converter.cell(0, r), QString::number(r));
        EXPECT_EQ(converter.cell(1, r), kBlack);
    }
    // Quantised on load: entry $08 formats as "clGray", $0C as "clSilver".
    EXPECT_EQ(FormatColorText(*converter.pixel(0, 0)), QStringLiteral("clGray"));
    EXPECT_EQ(FormatColorText(*converter.pixel(2, 0)), QStringLiteral("clSilver"));
}

TEST(RegisterTable, HeadersAfterTabelleLeerenAndAfterLoadAndIsoliert)
{
    GraphicsConverter converter;
    converter.TabelleLeeren();
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(converter.cell(c, 0), QStringLiteral("Reg %1").arg(703 + c));
    EXPECT_EQ(converter.cell(9, 0), QStringLiteral("Reg 712"));

    const QStringList addresses = {QStringLiteral("$D012"), QStringLiteral("$D013"), QStringLiteral("$D014"),
                                   QStringLiteral("$D015"), QStringLiteral("$D016"), QStringLiteral("$D017"),
                                   QStringLiteral("$D018"), QStringLiteral("$D019"), QStringLiteral("$D01A")};
    // The window resets with the address headers before it loads.
    converter.ResetRegisterTable(GraphicsConverter::Headers::RegisterAddresses);
    converter.TakePicture(PaletteImage({{0x00}}));
    EXPECT_EQ(RowTexts(converter, 0, 9), addresses);

    converter.TabelleLeeren();
    converter.ErmittleFarbenIsoliert();
    EXPECT_EQ(RowTexts(converter, 0, 9), addresses);
    converter.TabelleLeeren();
    converter.CodeGenerieren();
    EXPECT_EQ(RowTexts(converter, 0, 9), addresses);
}

TEST(Kompakt, FillsEachLineFromTheRightIntoTheLowestFreeColumns)
{
    GraphicsConverter converter;
    // Line 1: all black. Line 2 read from the right: $0C, $08, black, $0C.
    converter.TakePicture(PaletteImage({{0x00, 0x00, 0x00, 0x00}, {0x0C, 0x00, 0x08, 0x0C}}));
    converter.ErmittleFarbenKompakt();
    EXPECT_EQ(RowTexts(converter, 1), Padded({kBlack}));
    EXPECT_EQ(RowTexts(converter, 2), Padded({kBlack, QStringLiteral("clSilver"), QStringLiteral("clGray")}));

    // Running it again finds every colour in place.
    converter.ErmittleFarbenKompakt();
    EXPECT_EQ(RowTexts(converter, 2), Padded({kBlack, QStringLiteral("clSilver"), QStringLiteral("clGray")}));

    // Log: the initial line, then one line per pixel, right to left, for each run.
    const ConverterLog& log = converter.log();
    ASSERT_EQ(log.lineCount(), 1 + 2 * 8);
    EXPECT_EQ(log.line(0), QStringLiteral("Memo1"));
    EXPECT_EQ(log.line(1), QStringLiteral("4 / 1"));
    EXPECT_EQ(log.line(4), QStringLiteral("1 / 1"));
    EXPECT_EQ(log.line(5), QStringLiteral("4 / 2"));
    EXPECT_EQ(log.line(16), QStringLiteral("1 / 2"));
}

TEST(Kompakt, UsesBlankCellsAndCountsTypedTexts)
{
    GraphicsConverter converter;
    converter.TakePicture(PaletteImage({{0x08, 0x0C}}));
    // Column 2 holds only spaces (free), column 3 already the grey typed by hand.
    converter.setCellText(2, 1, QStringLiteral("  "));
    converter.setCellText(3, 1, QStringLiteral("clGray"));
    converter.ErmittleFarbenKompakt();
    EXPECT_EQ(RowTexts(converter, 1, 4),
              (QStringList{kBlack, QStringLiteral("clSilver"), QStringLiteral("clGray"), QString()}));
}

TEST(Kompakt, ColumnFifteenTakesEveryFurtherColourAndKeepsTheLeftmost)
{
    // Black on the right, then 16 distinct colours: 13 fill columns 2-14, the last three meet a
    // full row and replace each other in column 15.
    const std::vector<AtariColor> colors = DistinctColors(16);
    std::vector<AtariColor> line(colors.rbegin(), colors.rend());
    line.push_back(0x00);
    GraphicsConverter converter;
    converter.TakePicture(PaletteImage({line}));
    converter.ErmittleFarbenKompakt();
    QStringList expected{kBlack};
    for (int i = 0; i < 13; ++i)
        expected << EntryText(colors[i]);
    expected << EntryText(colors[15]);
    EXPECT_EQ(RowTexts(converter, 1, 15), expected);
    EXPECT_TRUE(converter.cell(16, 1).isEmpty());

    const RegisterTable once = converter.table();
    converter.ErmittleFarbenKompakt();
    for (int c = 0; c <= 20; ++c)
        EXPECT_EQ(converter.cell(c, 1), once.cell(c, 1)) << c;
}

TEST(Isoliert, GivesEveryColourItsOwnColumnInOrderOfAppearance)
{
    GraphicsConverter converter;
    // The first non-black colour sits at the top-left corner.
    converter.TakePicture(PaletteImage({
        {0x08, 0x00, 0x0C},
        {0x0C, 0x0C, 0x0C},
        {0x46, 0x08, 0x00},
    }));
    converter.ErmittleFarbenIsoliert();
    const QString gray = QStringLiteral("clGray");
    const QString silver = QStringLiteral("clSilver");
    EXPECT_EQ(RowTexts(converter, 1, 5), (QStringList{kBlack, gray, silver, QString(), QString()}));
    EXPECT_EQ(RowTexts(converter, 2, 5), (QStringList{kBlack, QString(), silver, QString(), QString()}));
    EXPECT_EQ(RowTexts(converter, 3, 5), (QStringList{kBlack, gray, QString(), EntryText(0x46), QString()}));
    EXPECT_EQ(RowTexts(converter, 4, 5), (QStringList{kBlack, QString(), QString(), QString(), QString()}));

    // The table is reset first, so a second run gives the same table.
    converter.setCellText(7, 2, QStringLiteral("clRed"));
    converter.ErmittleFarbenIsoliert();
    EXPECT_EQ(RowTexts(converter, 3, 5), (QStringList{kBlack, gray, QString(), EntryText(0x46), QString()}));
    EXPECT_TRUE(converter.cell(7, 2).isEmpty());
    EXPECT_EQ(converter.log().line(1), QStringLiteral("1 / 1"));
    EXPECT_EQ(converter.log().line(9), QStringLiteral("3 / 3"));
}

TEST(Isoliert, ColoursPastColumnNineteenKeepOneColumnEach)
{
    // 24 colours besides black, each line repeating them: the first 18 take columns 2-19, the other
    // six one column each past 19 on every line, not a new column per pixel.
    const std::vector<AtariColor> colors = DistinctColors(24);
    std::vector<AtariColor> line;
    for (int repeat = 0; repeat < 3; ++repeat)
        line.insert(line.end(), colors.begin(), colors.end());
    GraphicsConverter converter;
    converter.TakePicture(PaletteImage({line, line, line}));
    converter.ErmittleFarbenIsoliert();
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(converter.cell(1, row), kBlack);
        for (int i = 0; i < 24; ++i)
            EXPECT_EQ(converter.cell(i + 2, row), EntryText(colors[i])) << row << " " << i;
        EXPECT_LE(converter.table().rowCells(row).size(), 26u);
    }
    // What is shown and exported stays within columns 1-19 as before.
    EXPECT_EQ(converter.table().columnCount(), 20);
}

TEST(Isoliert, WithoutAPictureOnlyResets)
{
    GraphicsConverter converter;
    converter.setCellText(3, 1, QStringLiteral("clRed"));
    converter.ErmittleFarbenIsoliert();
    EXPECT_TRUE(converter.cell(3, 1).isEmpty());
    EXPECT_EQ(converter.cell(1, 1), kBlack);
    converter.ErmittleFarbenKompakt();
    EXPECT_EQ(converter.log().lineCount(), 1);
}

TEST(AnalysisOnACopy, GivesWhatTheAnalysisInPlaceGivesAndStopsWithoutAChange)
{
    using Analysis = GraphicsConverter::Analysis;
    for (const Analysis analysis : {Analysis::Kompakt, Analysis::Isoliert}) {
        SCOPED_TRACE(analysis == Analysis::Kompakt ? "Kompakt" : "Isoliert");
        GraphicsConverter inPlace;
        GraphicsConverter onCopy;
        for (GraphicsConverter* c : {&inPlace, &onCopy}) {
            c->TakePicture(MadeUpPhoto(120, 50));
            c->ErmittleFarbenKompakt(); // something in the table already
        }
        if (analysis == Analysis::Kompakt)
            inPlace.ErmittleFarbenKompakt();
        else
            inPlace.ErmittleFarbenIsoliert();

        // Stopped after line 20: no result, the converter as it was, its log too.
        const std::vector<QString> before = AllCells(onCopy.table());
        const qsizetype logLines = onCopy.log().lineCount();
        std::vector<int> reported;
        const auto stopped = GraphicsConverter::Analyse(onCopy.analysisInput(analysis), [&](int done, int lines) {
            EXPECT_EQ(lines, 50);
            reported.push_back(done);
            return done < 20;
        });
        EXPECT_FALSE(stopped.has_value());
        EXPECT_EQ(reported.size(), 20u);
        EXPECT_EQ(reported.back(), 20);
        EXPECT_EQ(AllCells(onCopy.table()), before);
        EXPECT_EQ(onCopy.log().lineCount(), logLines);

        // Run through: every line reported in order, and the result put in place is the same table and log.
        reported.clear();
        auto result = GraphicsConverter::Analyse(onCopy.analysisInput(analysis), [&](int done, int) {
            reported.push_back(done);
            return true;
        });
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(reported.size(), 50u);
        EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
        EXPECT_EQ(AllCells(onCopy.table()), before); // not yet taken
        QSignalSpy changed(&onCopy, &GraphicsConverter::tableChanged);
        onCopy.takeAnalysis(analysis, std::move(*result));
        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(AllCells(onCopy.table()), AllCells(inPlace.table()));
        EXPECT_EQ(onCopy.log().lines(), inPlace.log().lines());
    }
}

TEST(RegisterTable, ANarrowPictureAfterAWideAnalysedOneKeepsNoneOfItsColours)
{
    // 40 x 30 with 30 colours, analysed both ways and with text typed beyond the table.
    std::vector<std::vector<AtariColor>> wide(30, std::vector<AtariColor>(40));
    const std::vector<AtariColor> colors = DistinctColors(30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            wide[y][x] = colors[(x + y) % 30];
    GraphicsConverter converter;
    converter.TakePicture(PaletteImage(wide));
    converter.ErmittleFarbenKompakt();
    converter.ErmittleFarbenIsoliert();
    converter.setCellText(45, 60, QStringLiteral("$00404040"));

    // Loading resets the table with the old picture's size first, then takes the new one.
    const QImage narrow = PaletteImage({{0x00, 0x08}, {0x08, 0x00}});
    converter.ResetRegisterTable(GraphicsConverter::Headers::RegisterAddresses);
    converter.TakePicture(narrow);
    GraphicsConverter fresh;
    fresh.ResetRegisterTable(GraphicsConverter::Headers::RegisterAddresses);
    fresh.TakePicture(narrow);
    for (int row = 1; row <= 61; ++row)
        for (int c = 0; c <= 50; ++c)
            ASSERT_EQ(converter.cell(c, row), fresh.cell(c, row)) << c << " " << row;

    converter.ErmittleFarbenKompakt();
    fresh.ErmittleFarbenKompakt();
    EXPECT_EQ(AssemblerCode(converter.table()), AssemblerCode(fresh.table()));
    EXPECT_EQ(AtariRamImage(converter.picture(), converter.table()), AtariRamImage(fresh.picture(), fresh.table()));
}

TEST(Editing, SwapTypeAndPaint)
{
    GraphicsConverter converter;
    converter.ResetRegisterTable(GraphicsConverter::Headers::RegisterAddresses);
    converter.TakePicture(PaletteImage({{0x00, 0x08}}));
    converter.setCellText(2, 1, QStringLiteral("clRed"));
    converter.swapCells(2, 1, 1, 2);
    EXPECT_EQ(converter.cell(2, 1), kBlack);
    EXPECT_EQ(converter.cell(1, 2), QStringLiteral("clRed"));
    // A cell swapped with itself keeps its text.
    converter.swapCells(1, 2, 1, 2);
    EXPECT_EQ(converter.cell(1, 2), QStringLiteral("clRed"));

    // Painted pixels are not quantised; outside the picture nothing happens.
    converter.setPixel(1, 0, PackRgb(1, 2, 3));
    EXPECT_EQ(*converter.pixel(1, 0), PackRgb(1, 2, 3));
    converter.setPixel(2, 0, PackRgb(1, 2, 3));
    converter.setPixel(-1, 0, PackRgb(1, 2, 3));
    EXPECT_FALSE(converter.pixel(2, 0).has_value());

    // A column dragged by its header takes its cells along.
    converter.moveColumn(1, 3);
    EXPECT_EQ(converter.cell(3, 0), QStringLiteral("$D012"));
    EXPECT_EQ(converter.cell(1, 0), QStringLiteral("$D013"));
    EXPECT_EQ(converter.cell(3, 2), QStringLiteral("clRed"));
}

// A Windows bitmap header claiming a picture of the given size, with no pixels behind it.
QByteArray BitmapHeader(int width, int height)
{
    QByteArray bytes(54, '\0');
    auto* p = reinterpret_cast<uchar*>(bytes.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(width, p + 18);
    qToLittleEndian<qint32>(height, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(24, p + 28);
    return bytes;
}

TEST(Loading, ReadsBitmapsAndPngAndRefusesWhatItCannotTake)
{
    QTemporaryDir dir;
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(200, 20, 20));
    image.setPixel(0, 0, qRgb(8, 8, 8));
    const QString bmp = dir.filePath(QStringLiteral("bild.bmp"));
    const QString png = dir.filePath(QStringLiteral("bild.png"));
    ASSERT_TRUE(image.save(bmp, "BMP"));
    ASSERT_TRUE(image.save(png, "PNG"));
    GraphicsConverter converter;
    for (const QString& file : {bmp, png}) {
        converter.LoadPicture(file);
        EXPECT_EQ(converter.picture().size(), QSize(3, 2));
        EXPECT_EQ(*converter.pixel(0, 0), PackRgb(16, 16, 16));
        EXPECT_EQ(*converter.pixel(2, 1), NearestPaletteColor(PackRgb(200, 20, 20)));
    }

    // Dimensions past the bounds are refused from the header, before any pixel memory is taken;
    // absurd ones the bitmap reader already turns down itself.
    for (const QSize size : {QSize(9000, 10), QSize(5000, 5000)}) {
        const QString big = WriteTestFile(dir, QStringLiteral("gross.bmp"), BitmapHeader(size.width(), size.height()));
        try {
            converter.LoadPicture(big);
            FAIL() << "accepted a picture of " << size.width() << " x " << size.height();
        } catch (const TavrelError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("%1 x %2 Pixel groß").arg(size.width()).arg(size.height())))
                << qPrintable(e.message());
        }
    }
    const QString huge = WriteTestFile(dir, QStringLiteral("riesig.bmp"), BitmapHeader(100000, 100000));
    EXPECT_THROW(converter.LoadPicture(huge), TavrelError);
    const QString junk = WriteTestFile(dir, QStringLiteral("kaputt.png"), QByteArray("not a picture at all"));
    EXPECT_THROW(converter.LoadPicture(junk), TavrelError);
    EXPECT_THROW(converter.LoadPicture(dir.filePath(QStringLiteral("fehlt.bmp"))), FileOpenError);
    // The previous picture stays.
    EXPECT_EQ(converter.picture().size(), QSize(3, 2));
    EXPECT_EQ(converter.table().rowCount(), 3);
}

} // namespace
