// The colour lines: swatch requests and keys, the hand-back with its caption colour, standard colours, take-over, undo.
#include "level/leveldocument.h"
#include "level/levelcolorlines.h"
#include "level/stepredraw.h"
#include "palette/ataripalette.h"
#include "pattern/colorregisterset.h"
#include "support/recordingdrawing.h"

#include <gtest/gtest.h>
#include <QUndoStack>

namespace {

class ColorLinesTest : public ::testing::Test {
protected:
    ColorLinesTest()
    {
        doc.InitEmptyLevel(1);
        doc.Farbenstandard(registers);
    }

    PaletteAnswer picked(const QString& target, AtariColor value) const
    {
        PaletteAnswer a;
        a.button = 2;
        a.target = target;
        a.code = ColorCodeOf(value);
        a.color = PaletteColor(value);
        return a;
    }

    // The 50 entries, A1 ... E10 line by line.
    std::vector<ColorLineEntry> entries() const
    {
        std::vector<ColorLineEntry> all;
        for (int line = 1; line <= 10; ++line)
            for (int c = 0; c < 5; ++c)
                all.push_back(doc.colorEntry(c, line));
        return all;
    }

    ColorRegisterSet registers;
    LevelDocument doc;
    RecordingDrawing drawing;
    StepRedraw redraw{doc, drawing}; // as the level editor's session draws the steps
    LevelColorLines lines{doc, drawing};
};

} // namespace

TEST(ColorLineHandBack, CaptionColourFollowsTheSecondCharacter)
{
    const struct {
        const char* caption;
        PackedColor expected;
    } cases[] = {{"00", kWhite}, {"A8", kWhite}, {"F9", kWhite}, {"AA", kBlack}, {"1E", kBlack},
                 {"1F", kBlack}, {"1a", kBlack}, {"1", kWhite},  {"", kWhite}};
    for (const auto& c : cases)
        EXPECT_EQ(HandBackTextColor(QString::fromLatin1(c.caption)), c.expected) << c.caption;
}

TEST_F(ColorLinesTest, SwatchRequestsCarryTheEntryAndItsKey)
{
    doc.setColorEntry(4, 10, {QStringLiteral("AE"), 0x123456, kBlack});
    const PaletteRequest r = lines.request(4, 10);
    EXPECT_EQ(r.button, 2);
    EXPECT_EQ(r.target, QStringLiteral("EA"));
    EXPECT_EQ(r.caption, QStringLiteral("AE"));
    EXPECT_EQ(r.color, PackedColor(0x123456));
    EXPECT_EQ(r.textColor, kBlack);
    EXPECT_EQ(lines.request(0, 1).target, QStringLiteral("A1"));
    EXPECT_EQ(lines.request(2, 7).target, QStringLiteral("C7"));
}

TEST_F(ColorLinesTest, C7TakesOneEAndRedrawsRowSix)
{
    const ColorLineEntry before = doc.colorEntry(2, 7);
    std::vector<ColorLineEntry> expected = entries();
    EXPECT_EQ(lines.accept(picked(QStringLiteral("C7"), 0x1E)), 6);
    const ColorLineEntry& c7 = doc.colorEntry(2, 7);
    EXPECT_EQ(c7.hexText, QStringLiteral("1E"));
    EXPECT_EQ(c7.displayColor, PaletteColor(0x1E));
    EXPECT_EQ(c7.textColor, kBlack);
    EXPECT_EQ(drawing.calls, QStringList({"line 6"}));
    expected[5 * 6 + 2] = c7; // no other entry changed
    EXPECT_EQ(entries(), expected);

    ASSERT_EQ(doc.undoStack().count(), 1);
    doc.undoStack().undo();
    EXPECT_EQ(doc.colorEntry(2, 7), before);
    doc.undoStack().redo();
    EXPECT_EQ(doc.colorEntry(2, 7).hexText, QStringLiteral("1E"));
}

TEST_F(ColorLinesTest, E10WritesKeyEAAndRedrawsRowNine)
{
    const PaletteRequest r = lines.request(4, 10);
    EXPECT_EQ(lines.accept(picked(*r.target, 0x94)), 9);
    EXPECT_EQ(doc.colorEntry(4, 10).hexText, QStringLiteral("94"));
    EXPECT_EQ(doc.colorEntry(4, 10).textColor, kWhite);
    EXPECT_EQ(drawing.calls, QStringList({"line 9"}));
}

TEST_F(ColorLinesTest, AcceptWithoutPickingOnlyFollowsTheCaptionRule)
{
    // Line 1's E entry is "9E" with a white caption from the standard colours.
    const PaletteRequest r = lines.request(4, 1);
    PaletteAnswer a;
    a.target = *r.target;
    a.code = *r.caption;
    a.color = *r.color;
    lines.accept(a);
    EXPECT_EQ(doc.colorEntry(4, 1).hexText, QStringLiteral("9E"));
    EXPECT_EQ(doc.colorEntry(4, 1).displayColor, PaletteColor(0x9E));
    EXPECT_EQ(doc.colorEntry(4, 1).textColor, kBlack);
}

TEST_F(ColorLinesTest, KeysOfOtherRequestersChangeNothing)
{
    for (const char* target : {"Grid", "FA", "A0", "a1", ""}) {
        EXPECT_EQ(lines.accept(picked(QString::fromLatin1(target), 0x1E)), std::nullopt) << target;
    }
    EXPECT_TRUE(drawing.calls.isEmpty());
    EXPECT_EQ(doc.undoStack().count(), 0);
}

TEST_F(ColorLinesTest, StandardColoursAndTakeOver)
{
    registers[0].caption = QStringLiteral("F0: 04");
    registers[0].displayColor = PaletteColor(0x04);
    registers[3].caption = QStringLiteral("F3: 44");
    registers[3].displayColor = PaletteColor(0x44);
    registers[3].textColor = kBlack;
    doc.setColorEntry(3, 1, {QStringLiteral("12"), 0, kBlack});
    const std::vector<QString> grid = doc.gridCodes();

    lines.standardColors(registers);
    for (int line : {1, 5, 9})
        EXPECT_EQ(doc.colorEntry(3, line).hexText, QStringLiteral("36"));
    QStringList e;
    for (int line = 1; line <= 10; ++line) {
        EXPECT_EQ(doc.colorEntry(0, line).hexText, QStringLiteral("04"));
        EXPECT_EQ(doc.colorEntry(4, line).displayColor, PaletteColor(static_cast<AtariColor>(doc.colorEntry(4, line).hexText.toInt(nullptr, 16))));
        e << doc.colorEntry(4, line).hexText;
    }
    EXPECT_EQ(e.removeDuplicates(), 0);
    EXPECT_EQ(doc.colorEntry(3, 3).hexText, QStringLiteral("1E"));
    EXPECT_EQ(doc.colorEntry(4, 3).hexText, QStringLiteral("1E"));
    EXPECT_EQ(doc.gridCodes(), grid);
    EXPECT_EQ(drawing.calls, QStringList({"line 0", "line 1", "line 2", "line 3", "line 4", "line 5", "line 6", "line 7",
                                          "line 8", "line 9"}));

    drawing.calls.clear();
    lines.takeOver(registers);
    EXPECT_EQ(doc.colorEntry(3, 7).hexText, QStringLiteral("44"));
    EXPECT_EQ(doc.colorEntry(3, 7).textColor, kBlack);
    EXPECT_TRUE(drawing.calls.isEmpty()); // the take-over never redraws

    ASSERT_EQ(doc.undoStack().count(), 2);
    doc.undoStack().undo();
    EXPECT_EQ(doc.colorEntry(3, 7).hexText, QStringLiteral("1E"));
    doc.undoStack().undo();
    EXPECT_EQ(doc.colorEntry(3, 1).hexText, QStringLiteral("12"));
    EXPECT_EQ(doc.colorEntry(0, 4).hexText, QStringLiteral("00")); // F0 of the fixture's standard colours
}
