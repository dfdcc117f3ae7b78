// The stand-in game's 6502 program, run in the interpreter: what it puts on the screen after
// loading, how the joystick and the arrow keys scroll it, and what its interrupts write.
#include "standinfixture.h"

#include "pattern/patternstore.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <map>

namespace {

constexpr uint8_t kStickRight = 0xF7, kStickLeft = 0xFB, kStickNone = 0xFF;

// A machine that has loaded the file and run its start and one vertical blank.
struct Started {
    explicit Started(const QByteArray& xex)
        : machine(xex)
    {
        machine.boot();
        machine.verticalBlank();
    }
    AtariMachine machine;

    // Runs `frames` vertical blanks with the joystick as given.
    void hold(uint8_t stick, int frames, bool button = false)
    {
        machine.porta = stick;
        machine.trig0 = button ? 0 : 1;
        for (int k = 0; k < frames; ++k)
            machine.verticalBlank();
        machine.porta = kStickNone;
        machine.trig0 = 1;
    }
};

// Counts the lines where the frame differs from the editor's view; reports the first one.
::testing::AssertionResult ShowsView(const Frame& frame, const QByteArray& record, int position)
{
    const auto shown = LevelLines(frame);
    if (shown.empty())
        return ::testing::AssertionFailure() << "the frame shows no level";
    const auto wanted = EditorView(StartupStore(), record, position);
    for (int line = 0; line < 160; ++line)
        for (int x = 0; x < 160; ++x)
            if (shown[line][x] != wanted[line][x])
                return ::testing::AssertionFailure()
                    << "position " << position << ": line " << line << " clock " << x << " shows $" << std::hex
                    << int(shown[line][x]) << ", the editor $" << int(wanted[line][x]);
    return ::testing::AssertionSuccess();
}

QByteArray RecordOf(const QByteArray& xex)
{
    return xex.mid(kRecordOffset, kRecordSize);
}

// A record as the level editor may build it: every code, odd ones and the fifth colour's included,
// and ten colour lines that differ in every column.
QByteArray PatchedXex()
{
    QByteArray xex = StandinBytes();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 128; ++x)
            xex[kRecordOffset + y * 128 + x] = static_cast<char>((x * 7 + y * 29) & 0xFF);
    for (int n = 0; n < 10; ++n)
        for (int c = 0; c < 5; ++c)
            xex[kRecordOffset + kColours + 5 * n + c] = static_cast<char>(0x10 * (n + 3 * c) + 2 * c + 2);
    const QByteArray title = "\x21\x22\x01\x10\x19\x20\x3A Z";
    for (int k = 0; k < 32; ++k)
        xex[kRecordOffset + kTitle + k] = k < title.size() ? title[k] : char(32);
    return xex;
}

} // namespace

TEST(StandinProgram, ShowsItsLevelAndTextAtOnceAfterLoading)
{
    const QByteArray xex = StandinBytes();
    Started game(xex);
    const QHash<QString, int> labels = ReadLabels(LabelFile());
    EXPECT_EQ(game.machine.cpu.word(0x0230), labels.value(QStringLiteral("dlist"))); // SDLSTL
    EXPECT_EQ(game.machine.chip(reg::NMIEN), 0xC0);                                  // VBI and DLI on

    const Frame frame = game.machine.draw();
    // 24 blank lines, two text lines, 2 blank lines, 20 mode 4 lines.
    ASSERT_EQ(frame.lines.size(), 24u + 16 + 2 + 160);
    EXPECT_EQ(frame.firstLevelLine, 42);
    ASSERT_EQ(frame.textRows.size(), 2u);
    // Text lines: 4 blanks, the 32 codes of the field (blank 32 becomes screen code 0), 4 blanks.
    const QByteArray record = RecordOf(xex);
    for (int row = 0; row < 2; ++row) {
        const int field = row == 0 ? kTitle : kLevelLine;
        for (int k = 0; k < 40; ++k) {
            const int code = k < 4 || k >= 36 ? 32 : static_cast<uint8_t>(record[field + k - 4]);
            EXPECT_EQ(static_cast<uint8_t>(frame.textRows[row][k]), code == 32 ? 0 : code) << row << "/" << k;
        }
    }
    EXPECT_TRUE(ShowsView(frame, record, 0));
}

TEST(StandinProgram, ScreenMemoryHoldsBothCodesOfEveryCell)
{
    const QByteArray xex = PatchedXex();
    Started game(xex);
    const int rows = ReadLabels(LabelFile()).value(QStringLiteral("rows"));
    ASSERT_GT(rows, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 128; ++x) {
            const uint8_t code = static_cast<uint8_t>(xex[kRecordOffset + y * 128 + x]);
            ASSERT_EQ(game.machine.cpu.memory[rows + 256 * y + 2 * x], code & 0xFE) << x << ", " << y;
            ASSERT_EQ(game.machine.cpu.memory[rows + 256 * y + 2 * x + 1], code | 1) << x << ", " << y;
        }
}

TEST(StandinProgram, AnyRecordShowsAsTheLevelEditorDrawsIt)
{
    const QByteArray xex = PatchedXex();
    Started game(xex);
    EXPECT_TRUE(ShowsView(game.machine.draw(), RecordOf(xex), 0));
    game.hold(kStickRight, 333);
    EXPECT_TRUE(ShowsView(game.machine.draw(), RecordOf(xex), 333));
    const Frame frame = game.machine.draw();
    EXPECT_EQ(static_cast<uint8_t>(frame.textRows[0][4]), 0x21);
    EXPECT_EQ(static_cast<uint8_t>(frame.textRows[0][11]), 0); // the blank
}

TEST(StandinProgram, JoystickScrollsSmoothlyAcrossAllColumnsAndStopsAtTheEnds)
{
    const QByteArray xex = StandinBytes();
    const QByteArray record = RecordOf(xex);
    Started game(xex);
    // One colour clock per frame: every fine-scroll step and every coarse step shows right.
    for (int position = 1; position <= 9; ++position) {
        game.hold(kStickRight, 1);
        ASSERT_TRUE(ShowsView(game.machine.draw(), record, position));
    }
    game.hold(kStickRight, 100, true); // four per frame with the button
    ASSERT_TRUE(ShowsView(game.machine.draw(), record, 409));
    game.hold(kStickRight, 200, true);
    ASSERT_TRUE(ShowsView(game.machine.draw(), record, kMaxPosition)); // column 127 at the right edge
    game.hold(kStickRight, 3);
    EXPECT_TRUE(ShowsView(game.machine.draw(), record, kMaxPosition));
    game.hold(kStickLeft, 3);
    EXPECT_TRUE(ShowsView(game.machine.draw(), record, kMaxPosition - 3));
    game.hold(kStickLeft, 300, true);
    EXPECT_TRUE(ShowsView(game.machine.draw(), record, 0));
    game.hold(kStickNone, 5);
    EXPECT_TRUE(ShowsView(game.machine.draw(), record, 0));
}

TEST(StandinProgram, ArrowKeysScrollLikeTheJoystick)
{
    const QByteArray xex = StandinBytes();
    Started game(xex);
    const struct {
        uint8_t key; // keyboard code with CONTROL (bit 7), as the arrow keys send them
        bool held;
        int frames;
        int position;
    } steps[] = {
        {0x87, true, 20, 20},  // CONTROL + *: right
        {0x86, true, 5, 15},   // CONTROL + +: left
        {0x07, true, 5, 20},   // * alone works too
        {0x87, false, 5, 20},  // the key was released: no move
        {0x3F, true, 5, 20},   // another key: no move
    };
    for (const auto& s : steps) {
        game.machine.kbcode = s.key;
        game.machine.skstat = s.held ? 0xFB : 0xFF;
        for (int k = 0; k < s.frames; ++k)
            game.machine.verticalBlank();
        EXPECT_TRUE(ShowsView(game.machine.draw(), RecordOf(xex), s.position)) << "key $" << std::hex << int(s.key);
    }
}

TEST(StandinProgram, InterruptsSetEachRowsCharacterSetAndColoursBeforeItsFirstLine)
{
    // Row n keeps the colours of row n - 1 except 1 + n mod 5 of them, starting at colour n mod 5.
    QByteArray xex = PatchedXex();
    std::array<std::array<uint8_t, 5>, 10> colours{};
    std::array<std::array<bool, 5>, 10> changed{};
    for (int n = 0; n < 10; ++n)
        for (int c = 0; c < 5; ++c) {
            changed[n][c] = n == 0 || (c - n % 5 + 5) % 5 <= n % 5;
            colours[n][c] = changed[n][c] ? static_cast<uint8_t>(0x10 * ((n * 5 + c) % 16) + 2 * c + 2) : colours[n - 1][c];
            xex[kRecordOffset + kColours + 5 * n + c] = static_cast<char>(colours[n][c]);
        }
    const QHash<QString, int> labels = ReadLabels(LabelFile());
    const int bank1 = labels.value(QStringLiteral("bank1")) >> 8;
    const int bank2 = labels.value(QStringLiteral("bank2")) >> 8;
    const uint16_t colourRegister[5] = {reg::COLBK, reg::COLPF0, reg::COLPF1, reg::COLPF2, reg::COLPF3};
    Started game(xex);
    const Frame frame = game.machine.draw();
    EXPECT_TRUE(ShowsView(frame, RecordOf(xex), 0));
    // One on the blank line above the level, then one after each half but the last.
    ASSERT_EQ(frame.interrupts.size(), 20u);
    for (size_t k = 0; k < frame.interrupts.size(); ++k) {
        const auto& writes = frame.interrupts[k];
        const int row = static_cast<int>(k + 1) / 2; // the row whose upper (k even) or lower half follows
        std::map<uint16_t, uint8_t> last;
        for (const Frame::ChipWrite& w : writes)
            last[w.address] = w.value;
        const bool toUpper = k % 2 == 0;
        EXPECT_EQ(last[reg::CHBASE], toUpper ? bank1 : bank2) << "interrupt " << k;
        if (!toUpper) {
            // Between the halves only the character set changes, at once in the horizontal blank.
            ASSERT_EQ(writes.size(), 1u) << "interrupt " << k;
            EXPECT_LE(writes[0].cyclesAfterWsync, 4) << "interrupt " << k;
            continue;
        }
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(last[colourRegister[c]], colours[row][c]) << "row " << row << ", colour " << c;
        if (k == 0) {
            // Above the level two blank lines give time: the background, which the blank line shows,
            // comes in the horizontal blank before row 0.
            EXPECT_EQ(writes.back().address, reg::COLBK);
            EXPECT_GE(writes.back().cyclesAfterWsync, 0);
            EXPECT_LE(writes.back().cyclesAfterWsync, 4);
            continue;
        }
        // Above rows 1-9 ANTIC leaves the processor time for the character set and three colours:
        // those go first, the colours that changed from the row above before those that did not.
        ASSERT_EQ(writes.size(), 6u) << "interrupt " << k;
        EXPECT_EQ(writes[0].address, reg::CHBASE);
        EXPECT_LE(writes[0].cyclesAfterWsync, 4);
        bool unchangedSeen = false;
        for (size_t w = 1; w < writes.size(); ++w) {
            const int c = static_cast<int>(std::find(colourRegister, colourRegister + 5, writes[w].address) - colourRegister);
            ASSERT_LT(c, 5) << "interrupt " << k << " writes $" << std::hex << writes[w].address;
            if (!changed[row][c])
                unchangedSeen = true;
            else
                EXPECT_FALSE(unchangedSeen) << "row " << row << ": changed colour " << c << " after an unchanged one";
            if (w <= 3) {
                EXPECT_LE(writes[w].cyclesAfterWsync, 18) << "row " << row << ", write " << w;
            }
        }
    }
}
