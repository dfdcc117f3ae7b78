// The Atari palette and the text form of screen colours.
#include "common/errors.h"
#include "palette/ataripalette.h"
#include "palette/colortext.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct Entry {
    int atari;
    int r, g, b;
};

TEST(Palette, TellingEntries)
{
    const Entry entries[] = {
        {0x00, 0, 0, 0},     {0x0F, 240, 240, 240}, {0x1A, 216, 160, 12}, {0xFA, 216, 160, 12},
        {0x4F, 255, 209, 255}, {0xE0, 37, 13, 0},   {0x08, 128, 128, 128}, {0x75, 43, 67, 253},
    };
    for (const Entry& e : entries) {
        const auto c = static_cast<AtariColor>(e.atari);
        EXPECT_EQ(PaletteColor(c), PackRgb(e.r, e.g, e.b)) << std::hex << e.atari;
        EXPECT_EQ(PaletteColor(Hue(c), Luminance(c)), PaletteColor(c)) << std::hex << e.atari;
        EXPECT_EQ(AtariPalette::red(c), e.r) << std::hex << e.atari;
        EXPECT_EQ(AtariPalette::green(c), e.g) << std::hex << e.atari;
        EXPECT_EQ(AtariPalette::blue(c), e.b) << std::hex << e.atari;
    }
    // Red sits in the low byte of a packed colour.
    EXPECT_EQ(PaletteColor(0x4F), 0xFFD1FFu);
    EXPECT_EQ(PaletteColor(0xE0), 37u + 13u * 256u);
}

// Every entry is its hue's offsets plus 16 per luminance step, cut to 0-255. The offsets are typed in
// here from the table that defines the palette, apart from the program's own copy.
TEST(Palette, EveryEntryFollowsTheBaseTable)
{
    const int base[16][3] = {
        {0, 0, 0},      {56, 0, -148},  {63, -14, -93},  {58, -26, -20},  {42, -31, 56},   {17, -31, 122},
        {-11, -24, 164}, {-37, -13, 173}, {-56, 0, 148},  {-63, 14, 93},   {-58, 26, 20},   {-42, 31, -56},
        {-17, 31, -122}, {11, 24, -164},  {37, 13, -173}, {56, 0, -148},
    };
    const std::array<std::uint8_t, 768>& table = AtariPalette::table();
    for (int hue = 0; hue < 16; ++hue)
        for (int lum = 0; lum < 16; ++lum) {
            const int i = 16 * hue + lum;
            int rgb[3];
            for (int c = 0; c < 3; ++c) {
                rgb[c] = std::clamp(base[hue][c] + 16 * lum, 0, 255);
                EXPECT_EQ(table[3 * i + c], rgb[c]) << "entry " << i << " channel " << c;
            }
            EXPECT_EQ(PaletteColor(static_cast<AtariColor>(i)), PackRgb(rgb[0], rgb[1], rgb[2])) << i;
        }
}

TEST(Palette, GreyRampAndRepeatedHue)
{
    for (int l = 0; l < 16; ++l) {
        EXPECT_EQ(PaletteColor(0, l), PackRgb(16 * l, 16 * l, 16 * l)) << l;
        EXPECT_NE(PaletteColor(0, l), kWhite) << l;
        EXPECT_EQ(PaletteColor(15, l), PaletteColor(1, l)) << l;
    }
}

TEST(ColorCode, DigitsAreUpperCaseHexOnly)
{
    const std::pair<char, int> digits[] = {{'0', 0}, {'9', 9}, {'A', 10}, {'F', 15}, {'a', 0},
                                           {'f', 0}, {'G', 0}, {' ', 0}, {'$', 0}};
    for (const auto& [digit, value] : digits)
        EXPECT_EQ(ColorCodeDigitValue(QLatin1Char(digit)), value) << digit;
    EXPECT_EQ(ColorCodeDigitValue(QChar()), 0);
    EXPECT_EQ(ColorCodeOf(0xA4), QStringLiteral("A4"));
}

struct Case {
    PackedColor color;
    const char* text;
};

TEST(ColorText, FormatsNamesAndHex)
{
    const Case cases[] = {
        {PaletteColor(0x00), "clBlack"},   {PaletteColor(0x08), "clGray"},   {PaletteColor(0x0C), "clSilver"},
        {PaletteColor(0x0F), "$00F0F0F0"}, {PaletteColor(0x1A), "$000CA0D8"}, {PackRgb(96, 96, 64), "$00406060"},
        {PackRgb(255, 0, 0), "clRed"},     {kWhite, "clWhite"},              {kCream, "clCream"},
        {0xABCDEF, "$00ABCDEF"},           {1, "$00000001"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatColorText(c.color), QString::fromLatin1(c.text)) << c.text;

    // Only three palette entries have a name.
    for (int i = 0; i < 256; ++i) {
        if (i == 0x00 || i == 0x08 || i == 0x0C)
            continue;
        const QString text = FormatColorText(PaletteColor(static_cast<AtariColor>(i)));
        EXPECT_TRUE(text.size() == 9 && text.startsWith(QLatin1Char('$')) && text == text.toUpper())
            << i << " " << text.toStdString();
    }
}

TEST(ColorText, ParsesNamesInAnyCaseAndNumbers)
{
    const Case cases[] = {
        {0, "clBlack"}, {0, "clblack"}, {0xFFFFFF, "CLWHITE"}, {0xFF00FF, "ClFuChSiA"},
        {PackRgb(96, 96, 64), "$00406060"}, {PackRgb(96, 96, 64), "$406060"}, {kCream, "$00f0fbff"},
        {PackRgb(64, 64, 64), "4210752"}, {0, "0"}, {255, "  255"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TryParseColorText(QString::fromLatin1(c.text)), std::optional<PackedColor>(c.color)) << c.text;
        EXPECT_EQ(ParseColorText(QString::fromLatin1(c.text)), c.color) << c.text;
    }
}

TEST(ColorText, NumbersAtThe32BitEdgesAndLongTokens)
{
    const struct {
        const char* text;
        std::optional<PackedColor> color;
    } cases[] = {
        {"2147483647", 0x7FFFFFFFu},
        {"2147483648", std::nullopt},
        {"-2147483648", 0x80000000u},
        {"-2147483649", std::nullopt},
        {"-1", 0xFFFFFFFFu},
        {"4294967295", std::nullopt},
        {"$FFFFFFFF", 0xFFFFFFFFu},
        {"$100000000", std::nullopt},
        {"6666666661", std::nullopt},                      // 10 digits, beyond 32 bits
        {"0000000255", 255u},                              // 10 digits
        {"00000000255", 255u},                             // 11 digits
        {"99999999999", std::nullopt},                     // 11 digits
        {"00000000000000000255", 255u},                    // 20 digits
        {"18446744073709551617", std::nullopt},            // 20 digits, past 64 bits
        {"$00000000000000FFFFFF", 0xFFFFFFu},              // 20 hex digits
        {"$10000000000000000001", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TryParseColorText(QString::fromLatin1(c.text)), c.color) << c.text;
}

TEST(ColorText, RejectsOtherTextsWithTheConversionError)
{
    for (const char* text : {"xyz", "", "cl", "$G0", "clBlack ", "clBlau", "$", "12a", " "}) {
        const QString t = QString::fromLatin1(text);
        EXPECT_EQ(TryParseColorText(t), std::nullopt) << text;
        try {
            ParseColorText(t);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' ist kein gültiger Integerwert").arg(t));
        }
    }
}

TEST(ColorText, FormatThenParseGivesTheColourBack)
{
    for (int i = 0; i < 256; ++i) {
        const PackedColor c = PaletteColor(static_cast<AtariColor>(i));
        EXPECT_EQ(ParseColorText(FormatColorText(c)), c) << i;
    }
    const Case named[] = {
        {0x000000, "clBlack"}, {0x000080, "clMaroon"}, {0x008000, "clGreen"}, {0x008080, "clOlive"},
        {0x800000, "clNavy"}, {0x800080, "clPurple"}, {0x808000, "clTeal"}, {0x808080, "clGray"},
        {0xC0C0C0, "clSilver"}, {0x0000FF, "clRed"}, {0x00FF00, "clLime"}, {0x00FFFF, "clYellow"},
        {0xFF0000, "clBlue"}, {0xFF00FF, "clFuchsia"}, {0xFFFF00, "clAqua"}, {0xFFFFFF, "clWhite"},
        {0xC0DCC0, "clMoneyGreen"}, {0xF0CAA6, "clSkyBlue"}, {0xF0FBFF, "clCream"}, {0xA4A0A0, "clMedGray"},
    };
    for (const Case& c : named) {
        EXPECT_EQ(FormatColorText(c.color), QString::fromLatin1(c.text));
        EXPECT_EQ(ParseColorText(QString::fromLatin1(c.text)), c.color) << c.text;
    }
}

} // namespace
