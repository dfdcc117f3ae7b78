// Colour registers, row colours, the derived third colour and the animation phases.
#include "common/errors.h"
#include "palette/ataripalette.h"
#include "pattern/patterneditor.h"
#include "common/packedcolor_picture.h"

#include <gtest/gtest.h>

namespace {

void SetRegister(PatternEditor& e, int k, const QString& code)
{
    e.document().setRegisterCaption(k, QStringLiteral("F%1: %2").arg(k).arg(code));
}

} // namespace

TEST(Colors, Calc3AddsDigitsLimitedTo15)
{
    const struct {
        const char *f1, *f2, *f3;
    } cases[] = {{"75", "09", "7E"}, {"A8", "9C", "FF"}, {"00", "00", "00"}, {"1", "", "10"}};
    for (const auto& c : cases) {
        PatternEditor e;
        QStringList info;
        e.setInfoHandler([&](const QString& line) { info << line; });
        SetRegister(e, 1, QLatin1String(c.f1));
        SetRegister(e, 2, QLatin1String(c.f2));
        const PackedColor textBefore = e.registers()[3].textColor;
        e.calc3();
        EXPECT_EQ(e.registers()[3].caption, QStringLiteral("F3: ") + QLatin1String(c.f3)) << c.f1 << "+" << c.f2;
        EXPECT_EQ(e.registers()[3].displayColor, PaletteColor(QString::fromLatin1(c.f3).toInt(nullptr, 16)));
        EXPECT_EQ(e.registers()[3].textColor, textBefore);
        EXPECT_EQ(info, QStringList{QString()});
    }
}

TEST(Colors, PanelClicksSelectThePaintValue)
{
    PatternEditor e;
    e.selectRegister(2);
    EXPECT_EQ(e.paint().text, QStringLiteral("2"));
    EXPECT_EQ(e.paint().color, e.registers()[2].displayColor);
    EXPECT_EQ(e.paint().textColor, e.registers()[2].textColor);
    e.selectRegister(4); // F4 has no code of its own
    EXPECT_EQ(e.paint().text, QStringLiteral("3"));
    EXPECT_EQ(e.paint().color, e.registers()[3].displayColor);
}

TEST(Colors, RegisterRequestAndAnswer)
{
    PatternEditor e;
    e.setDataCell(0, 0, QStringLiteral("99"));
    const auto request = e.requestRegister(4);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->code, QStringLiteral("36"));
    EXPECT_EQ(e.paint().text, QStringLiteral("4"));
    EXPECT_EQ(e.store().patternByte(1, 1, 0, 0), QStringLiteral("99")) << "the request stores the edit buffer";

    e.acceptRegister(PaletteColor(0xA8), QStringLiteral("A8"));
    EXPECT_EQ(e.registers()[4].caption, QStringLiteral("F4: A8"));
    EXPECT_EQ(e.registers()[4].displayColor, PaletteColor(0xA8));
    EXPECT_EQ(e.registers()[4].textColor, kWhite);
    EXPECT_EQ(e.paint().color, PaletteColor(0xA8));

    e.requestRegister(1);
    e.acceptRegister(PaletteColor(0xAA), QStringLiteral("AA"));
    EXPECT_EQ(e.registers()[1].caption, QStringLiteral("F1: AA"));
    EXPECT_EQ(e.registers()[1].textColor, kBlack);
    EXPECT_EQ(e.registers()[3].caption, QStringLiteral("F3: 1C")) << "F3 is derived only in the player mode";
    // The overview is redrawn with the new colour: pixel code 3 of the stored byte 99 (01 10 00 11).
    EXPECT_EQ(e.overview().pixel(12, 0), ToQRgb(e.registers()[3].displayColor));
    EXPECT_EQ(e.overview().pixel(0, 0), ToQRgb(e.registers()[1].displayColor));
}

TEST(Colors, PlayerModeDerivesF3AndRefusesItsDefinition)
{
    PatternEditor e;
    e.setMode(QStringLiteral("Player"));
    EXPECT_FALSE(e.requestRegister(3));
    e.requestRegister(2);
    e.acceptRegister(PaletteColor(0x09), QStringLiteral("09"));
    EXPECT_EQ(e.registers()[3].caption, QStringLiteral("F3: 7E"));
}

TEST(Colors, RowColourRequestsAndAnswers)
{
    PatternEditor e;
    e.setPaintText(QStringLiteral("2"));
    EXPECT_FALSE(e.requestRowColor(2));
    EXPECT_EQ(e.paint().text, QStringLiteral("0"));
    EXPECT_TRUE(e.requestRowColor(1));

    e.document().setRowColor(0, 7, {e.rowColors().at(0, 7).displayColor, QStringLiteral("75")});
    e.acceptRowColor(1, 7, PaletteColor(0x9C), QStringLiteral("9C"));
    EXPECT_EQ(e.rowColors().at(1, 7), (RowColorEntry{PaletteColor(0x9C), QStringLiteral("9C")}));
    EXPECT_EQ(e.rowColors().at(2, 7), (RowColorEntry{PaletteColor(0xFF), QStringLiteral("FF")}));

    const RowColorTable before = e.rowColors();
    for (const QPoint target : {QPoint(3, 0), QPoint(-1, 0), QPoint(0, 16), QPoint(0, -1)})
        e.acceptRowColor(target.x(), target.y(), 0x123456, QStringLiteral("12"));
    EXPECT_EQ(e.rowColors(), before);
}

TEST(Colors, FarbenInitCopiesTheRegistersIntoEveryRow)
{
    PatternEditor e;
    e.document().setRowColor(1, 9, {0x1, QStringLiteral("xx")});
    e.farbenInit();
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 3; ++c)
            ASSERT_EQ(e.rowColors().at(c, r), (RowColorEntry{e.registers()[c + 1].displayColor, e.registers()[c + 1].code()}));
    EXPECT_EQ(e.registers()[3].caption, QStringLiteral("F3: 7E"));
}

TEST(Colors, RowGridSelectionStaysInsideTheTable)
{
    PatternEditor e;
    e.selectRowColorCell(45, 100);
    EXPECT_EQ(e.rowSelectionColumn(), 2);
    EXPECT_EQ(e.rowSelectionRow(), 6);
    e.selectRowColorCell(500, 900);
    EXPECT_EQ(e.rowSelectionColumn(), 2);
    EXPECT_EQ(e.rowSelectionRow(), 15);
    e.selectRowColorCell(-50, -50);
    EXPECT_EQ(e.rowSelectionColumn(), 0);
    EXPECT_EQ(e.rowSelectionRow(), 0);
}

TEST(Animation, SpeedSetsTheInterval)
{
    PatternEditor e;
    EXPECT_EQ(e.animation().interval(), 300);
    for (const auto& [speed, ms] : {std::pair{16, 320}, {1, 20}, {100, 2000}}) {
        e.setSpeed(speed);
        EXPECT_EQ(e.animation().interval(), ms);
    }
}

TEST(Animation, PhaseListsAlternateTheirSets)
{
    for (const char* list : {"2;3", "2;3;"}) {
        PatternEditor e;
        QStringList info;
        e.setInfoHandler([&](const QString& line) { info << line; });
        e.setCurrentPattern(4);
        e.document().setPatternByte(2, 4, 0, 0, QStringLiteral("2"));
        e.document().setPatternByte(3, 4, 0, 0, QStringLiteral("3"));
        e.document().setPhases(QLatin1String(list));
        e.toggleAnimation();
        EXPECT_TRUE(e.animation().running());
        EXPECT_EQ(info, QStringList({"2", "3", "#2"})) << list;
        QStringList seen;
        for (int i = 0; i < 4; ++i) {
            e.animationStep();
            seen << e.buffer().data(0, 0);
        }
        EXPECT_EQ(seen, QStringList({"2", "3", "2", "3"}));
        EXPECT_EQ(e.currentSet(), 1);
    }
}

TEST(Animation, StartStoresAndStopReloads)
{
    PatternEditor e;
    e.setDataCell(0, 0, QStringLiteral("42"));
    e.toggleAnimation();
    EXPECT_EQ(e.store().patternByte(1, 1, 0, 0), QStringLiteral("42"));
    e.animationStep(); // set 1
    e.animationStep(); // set 2: empty
    EXPECT_EQ(e.buffer().data(0, 0), QStringLiteral("0"));
    e.toggleAnimation();
    EXPECT_FALSE(e.animation().running());
    EXPECT_EQ(e.buffer().data(0, 0), QStringLiteral("42"));
}

TEST(Animation, BadPhaseListsAreRefused)
{
    // A token that is no number gets the conversion error; a number that names no pattern set says so.
    const struct {
        const char* list;
        const char* message;
    } cases[] = {
        {"1", "'' ist kein gültiger Integerwert"},
        {"1;x;2", "'x' ist kein gültiger Integerwert"},
        {";", "'' ist kein gültiger Integerwert"},
        {"1;9", "Phase 9 liegt nicht zwischen 1 und 8"},
        {"0;1", "Phase 0 liegt nicht zwischen 1 und 8"},
        {"170", "Phase 170 liegt nicht zwischen 1 und 8"},
        {"2; $AA", "Phase 170 liegt nicht zwischen 1 und 8"},
        {"1;-3", "Phase -3 liegt nicht zwischen 1 und 8"},
    };
    for (const auto& c : cases) {
        PatternEditor e;
        e.document().setPhases(QLatin1String(c.list));
        try {
            e.toggleAnimation();
            ADD_FAILURE() << c.list << " accepted";
        } catch (const TavrelError& error) {
            EXPECT_EQ(error.message(), QString::fromUtf8(c.message)) << c.list;
        }
        EXPECT_FALSE(e.animation().running()) << c.list;
    }
}

TEST(Animation, MoreThan64PhasesKeepTheFirst64)
{
    PatternEditor e;
    QStringList phases;
    for (int i = 0; i < 70; ++i)
        phases << QString::number(i % 8 + 1);
    e.document().setPhases(phases.join(QLatin1Char(';')));
    QStringList info;
    e.setInfoHandler([&](const QString& line) { info << line; });
    e.toggleAnimation();
    EXPECT_EQ(e.animation().phaseCount(), 64);
    EXPECT_EQ(info.last(), QStringLiteral("#70"));
    EXPECT_EQ(e.animation().phaseEntry(63), 63 % 8);
}
