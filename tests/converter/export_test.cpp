// Code generation, the RAM image and the picture file of the graphics converter.
#include "converter/converterlog.h"
#include "converter/graphicsconverter.h"
#include "converter/graphicsexport.h"
#include "converterfixture.h"
#include "support/childprocess.h"
#include "support/testutil.h"

#include "common/errors.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A converter holding the picture as loaded in the window: table reset, then the picture taken.
void Load(GraphicsConverter& converter, const QImage& picture)
{
    converter.ResetRegisterTable(GraphicsConverter::Headers::RegisterAddresses);
    converter.TakePicture(picture);
}

// The lines of one line block; pairs = (operand, register) loaded in it.
QStringList Block(int row, const std::vector<std::pair<QString, QString>>& pairs)
{
    QStringList lines{QStringLiteral(" //################ %1 ##################        ").arg(row), QStringLiteral(" "),
                      QStringLiteral("        STA WSYNC "), QStringLiteral("   //pre")};
    for (const auto& [operand, reg] : pairs)
        lines << QStringLiteral("        LDA ") + operand << QStringLiteral("        STA ") + reg;
    lines << QStringLiteral("   //post") << QStringLiteral("        ");
    for (int i = 0; i < 3; ++i)
        lines << QStringLiteral("   //pre2") << QStringLiteral("        STA WSYNC") << QStringLiteral("   //post2")
              << QStringLiteral(" ");
    return lines;
}

TEST(ColorOperand, FixedTableTrimmedAndCaseBlind)
{
    const std::pair<const char*, const char*> cases[] = {
        {"  CLBLACK ", "#$00"}, {"clBlack", "#$00"},    {"$00406060", "#$E2"}, {"$0040A0E0", "#$22"},
        {"clGray", "#$0A"},     {"clMedGray", "#$0A"},  {"clCream", "#$0F"},   {"$00006040", "#$B2"},
        {"", "#$FF"},           {"   ", "#$FF"},        {"clWhite", ""},       {"$00808080", ""},
        {"$406060", ""},        {"clblack2", ""},
    };
    for (const auto& [text, operand] : cases)
        EXPECT_EQ(ColorOperand(QString::fromLatin1(text)), QString::fromLatin1(operand)) << text;
}

TEST(CodeGenerieren, OneLinePictureGivesFortyNineBlocks)
{
    GraphicsConverter converter;
    Load(converter, PaletteImage({{0x08}}));
    converter.ErmittleFarbenKompakt();
    converter.TabelleLeeren();
    // "Tabelle leeren" took the grey away again: put it back by hand, as the user would.
    converter.setCellText(2, 1, QStringLiteral("clGray"));
    converter.CodeGenerieren();

    QStringList expected;
    const QStringList operands = {QStringLiteral("#$00"), QStringLiteral("#$0A")};
    for (int c = 1; c <= 9; ++c) {
        expected << QStringLiteral("        LDA ") + (c <= 2 ? operands[c - 1] : QStringLiteral("#$FF"));
        expected << QStringLiteral("        STA $2c%1").arg(c - 1);
        expected << QStringLiteral("        STA ") + RegisterAddressHeader(c);
        expected << QStringLiteral("        ");
    }
    expected << QStringLiteral(" //#####################################       ") << QStringLiteral("        ");
    // Row 2 keeps black in column 1 only: the grey goes; row 3 is empty: black goes.
    expected << Block(2, {{QStringLiteral("#$FF"), QStringLiteral("$D013")}});
    expected << Block(3, {{QStringLiteral("#$FF"), QStringLiteral("$D012")}});
    for (int row = 4; row <= 50; ++row)
        expected << Block(row, {});
    EXPECT_EQ(converter.log().lines(), expected);
    EXPECT_EQ(converter.cell(9, 0), QStringLiteral("$D01A"));
    EXPECT_EQ(RegisterAddressHeader(1), QStringLiteral("$D012"));
}

TEST(CodeGenerieren, WithoutAPictureStillWritesEveryBlock)
{
    GraphicsConverter converter;
    converter.CodeGenerieren();
    const QStringList code = converter.log().lines();
    ASSERT_EQ(code.size(), 9 * 4 + 2 + 49 * Block(2, {}).size());
    EXPECT_EQ(code[0], QStringLiteral("        LDA #$FF"));
    EXPECT_EQ(code.mid(38, Block(2, {}).size()), Block(2, {}));
    EXPECT_EQ(code.last(), QStringLiteral(" "));
}

TEST(CodeGenerieren, ChangedCellsOnlyAndUnknownColoursLeaveTheOperandEmpty)
{
    GraphicsConverter converter;
    Load(converter, PaletteImage({{0x00}, {0x00}, {0x00}}));
    converter.setCellText(1, 1, QStringLiteral("clWhite"));
    converter.setCellText(4, 3, QStringLiteral("$00404040"));
    const QStringList code = AssemblerCode(converter.table());
    EXPECT_EQ(code[0], QStringLiteral("        LDA "));
    const qsizetype block2 = code.indexOf(QStringLiteral(" //################ 2 ##################        "));
    const qsizetype block3 = code.indexOf(QStringLiteral(" //################ 3 ##################        "));
    ASSERT_GT(block2, 0);
    EXPECT_EQ(code.mid(block2, block3 - block2), Block(2, {{QStringLiteral("#$00"), QStringLiteral("$D012")}}));
    // Rows 1 and 2 of columns 2-9 are identical, row 3 differs in column 4 only.
    EXPECT_EQ(code.mid(block3, Block(3, {{}}).size()),
              Block(3, {{QStringLiteral("#$04"), QStringLiteral("$D015")}}));
}

TEST(CodeGenerieren, IdenticalRowsGiveAnEmptyBlock)
{
    GraphicsConverter converter;
    Load(converter, PaletteImage({{0x08, 0x0C}, {0x0C, 0x08}, {0x08, 0x08}}));
    converter.ErmittleFarbenIsoliert();
    converter.CodeGenerieren();
    const QStringList code = converter.log().lines();
    // Rows 1 and 2 hold the same two colours in the same columns.
    const qsizetype block2 = code.indexOf(QStringLiteral(" //################ 2 ##################        "));
    EXPECT_EQ(code.mid(block2, Block(2, {}).size()), Block(2, {}));
    EXPECT_EQ(code.count(QStringLiteral("        STA WSYNC ")), 49);
    EXPECT_EQ(code.count(QStringLiteral("        STA WSYNC")), 3 * 49);
}

TEST(AtariRam, TwoPixelsPerByteFromTheRegisterColumns)
{
    // 160 x 100: a grey standing in columns 2 and 5 of its row takes register 4 (the largest).
    std::vector<std::vector<AtariColor>> rows(100, std::vector<AtariColor>(160, 0x00));
    rows[0][0] = 0x08;
    rows[0][3] = 0x0C;
    GraphicsConverter converter;
    Load(converter, PaletteImage(rows));
    converter.setCellText(2, 1, QStringLiteral("clGray"));
    converter.setCellText(5, 1, QStringLiteral("clGray"));
    converter.setCellText(9, 1, QStringLiteral("clSilver"));
    // Column 1 is never searched: black there still gives 0, and so does a colour missing from 2-9.
    converter.setCellText(1, 2, QStringLiteral("clGray"));
    converter.log().clear();
    const QByteArray bytes = converter.AtariRam();
    ASSERT_EQ(bytes.size(), 8000);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x40);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0x08);
    EXPECT_EQ(bytes.count('\0'), 7998);

    const ConverterLog& log = converter.log();
    ASSERT_EQ(log.lineCount(), 8000);
    EXPECT_EQ(log.line(0), QStringLiteral("1 / 1/64"));
    EXPECT_EQ(log.line(1), QStringLiteral("2 / 1/8"));
    EXPECT_EQ(log.line(80), QStringLiteral("1 / 2/0"));
    EXPECT_EQ(log.line(7999), QStringLiteral("80 / 100/0"));
}

TEST(AtariRam, OddWidthDropsTheLastPixelAndNoPictureGivesNothing)
{
    GraphicsConverter converter;
    EXPECT_TRUE(converter.AtariRam().isEmpty());
    Load(converter, PaletteImage({{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08}, {0x08, 0x08, 0x00, 0x00, 0x00, 0x00, 0x08}}));
    converter.ErmittleFarbenIsoliert();
    const QByteArray bytes = converter.AtariRam();
    EXPECT_EQ(bytes, QByteArray::fromHex("000000" "110000"));
}

TEST(SaveFiles, RamImageAndThirtyTwoBitBitmap)
{
    QTemporaryDir dir;
    GraphicsConverter converter;
    Load(converter, PaletteImage({{0x08, 0x0C, 0x46}, {0x00, 0x46, 0x08}}));
    converter.setPixel(2, 1, PackRgb(1, 2, 3));
    converter.ErmittleFarbenIsoliert();

    const QString ram = dir.filePath(QStringLiteral("Atari.bin"));
    converter.SaveAtariRam(ram);
    EXPECT_EQ(ReadTestFile(ram), AtariRamImage(converter.picture(), converter.table()));

    const QString bmp = dir.filePath(QStringLiteral("datei.bmp"));
    converter.SavePicture(bmp);
    const QByteArray file = ReadTestFile(bmp);
    ASSERT_EQ(file.size(), 54 + 3 * 2 * 4);
    EXPECT_EQ(qFromLittleEndian<quint16>(file.constData() + 28), 32);
    const QImage back(bmp);
    ASSERT_EQ(back.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(FromPixel(back.pixel(x, y)), *converter.pixel(x, y)) << x << "," << y;
}

TEST(SaveFiles, AFailedSaveReportsAndLeavesTheOldFile)
{
    QTemporaryDir dir;
    GraphicsConverter converter;
    Load(converter, PaletteImage({{0x08, 0x0C}}));
    EXPECT_THROW(converter.SavePicture(dir.filePath(QStringLiteral("fehlt/datei.bmp"))), FileCreateError);
    EXPECT_THROW(converter.SaveAtariRam(dir.filePath(QStringLiteral("fehlt/Atari.bin"))), FileCreateError);

    // A read-only file in a folder that takes no new file can be neither replaced nor overwritten in
    // place: a user without root's rights gets the reason, and the file keeps its content.
    constexpr auto all = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    constexpr auto enter = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const QString old = WriteTestFile(dir, QStringLiteral("alt.bin"), QByteArray("old"));
    ASSERT_TRUE(QFile::setPermissions(old, all));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), all | enter));
    const ChildResult refused = RunUnprivileged([&] { converter.SaveAtariRam(old); });
    QFile::setPermissions(dir.path(), all | enter | QFileDevice::WriteOwner);
    EXPECT_EQ(refused.end, ChildResult::FileCreateError) << ChildEndName(refused.end);
    EXPECT_EQ(refused.message, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Keine Berechtigung").arg(old));
    EXPECT_EQ(ReadTestFile(old), QByteArray("old"));
}

TEST(ConverterLogText, ControlCharactersOfALineAreShown)
{
    ConverterLog log;
    log.append(QStringList{QStringLiteral("LDA #$") + QChar(0) + QStringLiteral("7"), QStringLiteral("ok")});
    EXPECT_EQ(log.line(log.lineCount() - 2), QStringLiteral("LDA #$\\07"));
    EXPECT_EQ(log.line(log.lineCount() - 1), QStringLiteral("ok"));
}

} // namespace
