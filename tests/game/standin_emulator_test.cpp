// The stand-in game in a real Atari emulator, where one is installed: it runs until the program
// idles, dumps the whole memory through the emulator's monitor, and records the chip registers at
// the left edge of the playfield on every scan line. The test follows the display list in the dump,
// draws each level scan line from the dumped screen memory and character sets with the registers
// of that very line, and compares it with the level editor's view of the record.
#include "standinfixture.h"

#include "common/packedcolor.h"
#include "level/leveldocument.h"
#include "level/levelfile.h"
#include "palette/ataripalette.h"
#include "pattern/patterneditor.h"
#include "support/clirun.h"
#include "support/testutil.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

constexpr int kFirstDisplayLine = 8; // ANTIC reads the display list's first instruction for this scan line
constexpr int kLastScanLine = 247;
constexpr int kPlayfieldStart = 24;  // processor cycle of the normal playfield's left edge (colour clock 48)
constexpr int kFrames = 100;         // the system starts and loads the file in about 50
constexpr int kStepsPerLine = 10;    // single steps after each scan line's break, past the playfield's edge

// What ANTIC and GTIA hold at one moment.
struct Registers {
    int chbase = -1;
    int hscrol = -1;
    std::array<int, 5> colours{-1, -1, -1, -1, -1}; // COLBK, COLPF0-3: the colour line's order
};

struct EmulatorRun {
    QByteArray memory;  // $0000-$FFFF
    int displayList = -1;
    std::map<int, Registers> atPlayfieldStart; // scan line -> registers
    QString output;
};

int HexField(const QString& text, const char* name)
{
    const QRegularExpression field(QLatin1String(name) + QStringLiteral("=\\s*([0-9A-Fa-f]{2})"));
    const auto match = field.match(text);
    return match.hasMatch() ? match.captured(1).toInt(nullptr, 16) : -1;
}

// Runs `file` as the emulator test does by hand, with the monitor on standard input.
EmulatorRun RunInEmulator(const QString& emulator, const QString& file)
{
    QTemporaryDir dir;
    EXPECT_TRUE(dir.isValid());
    QByteArray commands;
    for (int k = 0; k < kFrames; ++k)
        commands += "BLINE 100\nCONT\nBLINE 200\nCONT\n";
    commands += "BLINE 4\nCONT\nANTIC\nWRITE 0000 FFFF dump.bin\n";
    // Each scan line: stop at its start, then step on and show the chips after every instruction.
    for (int line = kFirstDisplayLine; line <= kLastScanLine; ++line) {
        commands += "BLINE " + QByteArray::number(line) + "\nCONT\nANTIC\nGTIA\n";
        for (int k = 0; k < kStepsPerLine; ++k)
            commands += "G\nANTIC\nGTIA\n";
    }
    commands += "QUIT\n";

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SDL_VIDEODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    run.setProcessEnvironment(env);
    run.setWorkingDirectory(dir.path());
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(emulator, {QStringLiteral("-config"), dir.filePath(QStringLiteral("scratch.cfg")), QStringLiteral("-xl"),
                         QStringLiteral("-xl-rev"), QStringLiteral("altirra"), QStringLiteral("-nobasic"),
                         QStringLiteral("-nosound"), QStringLiteral("-nojoystick"), QStringLiteral("-pal"),
                         QStringLiteral("-turbo"), QStringLiteral("-monitor"), QStringLiteral("-run"), file});
    EmulatorRun result;
    if (!run.waitForStarted(10000))
        return result;
    run.write(commands);
    run.closeWriteChannel();
    QByteArray output;
    while (!run.waitForFinished(100) && run.state() != QProcess::NotRunning) {
        output += run.readAll();
        if (output.size() > 64 * 1024 * 1024)
            break;
    }
    if (run.state() != QProcess::NotRunning) {
        run.kill();
        run.waitForFinished(5000);
    }
    output += run.readAll();
    result.output = QString::fromLocal8Bit(output);
    result.memory = ReadTestFile(dir.filePath(QStringLiteral("dump.bin")));

    // Positions ("ypos xpos A=.."), ANTIC's lines and GTIA's colour line, in the order printed.
    static const QRegularExpression position(QStringLiteral("^\\s*(\\d+)\\s+(\\d+)\\s+A="));
    int ypos = -1, xpos = -1;
    Registers now;
    for (const QString& line : result.output.split(QLatin1Char('\n'))) {
        if (const auto match = position.match(line); match.hasMatch()) {
            ypos = match.captured(1).toInt();
            xpos = match.captured(2).toInt();
        } else if (line.contains(QLatin1String("DLISTL="))) {
            now.hscrol = HexField(line, "HSCROL");
            if (result.displayList < 0)
                result.displayList = HexField(line, "DLISTL") | (HexField(line, "DLISTH") << 8);
        } else if (line.contains(QLatin1String("CHBASE="))) {
            now.chbase = HexField(line, "CHBASE");
        } else if (line.contains(QLatin1String("COLPF0="))) {
            now.colours = {HexField(line, "COLBK"), HexField(line, "COLPF0"), HexField(line, "COLPF1"),
                           HexField(line, "COLPF2"), HexField(line, "COLPF3")};
            // The last state of a line before the playfield's edge is what its pixels show; a store the
            // processor could only finish later (ANTIC holds the bus) is not in it.
            if (ypos >= kFirstDisplayLine && xpos <= kPlayfieldStart)
                result.atPlayfieldStart[ypos] = now;
        }
    }
    return result;
}

// One mode 4 line of the display list: the row it shows (from its screen address) and its first scan line.
struct LevelModeLine {
    int row;
    int address;
    int firstScanLine;
};

// Follows the display list in the dump from its start to the jump back. Only the modes the stand-in
// uses are known: blank lines, text (mode 2) and the level's mode 4; anything else ends the walk.
std::vector<LevelModeLine> FollowDisplayList(const QByteArray& memory, int start, int rows)
{
    auto byte = [&](int at) { return static_cast<uint8_t>(memory[at & 0xFFFF]); };
    std::vector<LevelModeLine> level;
    int at = start;
    int scanLine = kFirstDisplayLine;
    for (int k = 0; k < 240 && scanLine <= kLastScanLine; ++k) {
        const uint8_t op = byte(at);
        const int mode = op & 0x0F;
        if (mode == 1) {
            if (op & 0x40)
                break; // jump and wait for the vertical blank
            at = byte(at + 1) | (byte(at + 2) << 8);
            continue;
        }
        if (mode == 0) {
            scanLine += ((op >> 4) & 7) + 1;
            ++at;
            continue;
        }
        if (mode != 2 && mode != 4)
            break;
        int address = -1;
        if (op & 0x40) {
            address = byte(at + 1) | (byte(at + 2) << 8);
            at += 3;
        } else {
            ++at;
        }
        if (mode == 4)
            level.push_back({address < 0 ? -1 : (address + 1 - rows) >> 8, address, scanLine});
        scanLine += 8;
    }
    return level;
}

// The level as the emulator shows it: 160 scan lines of 160 colour clocks, drawn from the dump
// with the registers of each scan line; empty, with a reason, where the run lacks something.
std::vector<std::array<uint8_t, 160>> EmulatorView(const EmulatorRun& run, const std::vector<LevelModeLine>& level,
                                                   std::string* problem)
{
    std::vector<std::array<uint8_t, 160>> view;
    for (const LevelModeLine& modeLine : level)
        for (int j = 0; j < 8; ++j) {
            const int scanLine = modeLine.firstScanLine + j;
            const auto found = run.atPlayfieldStart.find(scanLine);
            if (found == run.atPlayfieldStart.end()) {
                *problem = "no registers for scan line " + std::to_string(scanLine);
                return {};
            }
            const Registers& r = found->second;
            std::array<uint8_t, 160> line{};
            // A scrolled line fetches 48 bytes; byte k starts 4 k + HSCROL - 16 colour clocks from the edge.
            for (int k = 0; k < 48; ++k) {
                const uint8_t code = static_cast<uint8_t>(run.memory[(modeLine.address + k) & 0xFFFF]);
                const uint8_t bits = static_cast<uint8_t>(run.memory[((r.chbase & 0xFC) << 8) + (code & 0x7F) * 8 + j]);
                for (int p = 0; p < 4; ++p) {
                    const int x = 4 * k + (r.hscrol & 15) - 16 + p;
                    if (x < 0 || x >= 160)
                        continue;
                    const int pixel = (bits >> (6 - 2 * p)) & 3;
                    const int colour = pixel < 3 ? pixel : ((code & 0x80) ? 4 : 3);
                    line[x] = static_cast<uint8_t>(r.colours[colour] & 0xFE);
                }
            }
            view.push_back(line);
        }
    return view;
}

// Runs the file and checks the display list, the screen memory and every level scan line.
void ExpectShownAsTheEditorDrawsIt(const QString& emulator, const QString& file)
{
    const QHash<QString, int> labels = ReadLabels(LabelFile());
    const int rows = labels.value(QStringLiteral("rows"));
    const int bank1 = labels.value(QStringLiteral("bank1")) >> 8;
    const int bank2 = labels.value(QStringLiteral("bank2")) >> 8;
    ASSERT_TRUE(rows > 0 && bank1 > 0 && bank2 > 0);
    const QByteArray xex = ReadTestFile(file);
    ASSERT_EQ(xex.size(), kXexSize);
    const QByteArray record = xex.mid(kRecordOffset, kRecordSize);

    const EmulatorRun run = RunInEmulator(emulator, file);
    ASSERT_EQ(run.memory.size(), 0x10000) << "no memory dump from the monitor:\n" << run.output.right(4000).toStdString();
    ASSERT_EQ(run.displayList, labels.value(QStringLiteral("dlist")));

    // Both halves of each row, in order, each at its row's screen page (view position 0).
    const std::vector<LevelModeLine> level = FollowDisplayList(run.memory, run.displayList, rows);
    ASSERT_EQ(level.size(), 20u);
    for (int k = 0; k < 20; ++k) {
        EXPECT_EQ(level[k].row, k / 2) << "mode line " << k;
        EXPECT_EQ(level[k].address, rows + 256 * (k / 2) - 1) << "mode line " << k;
        EXPECT_EQ(level[k].firstScanLine, level[0].firstScanLine + 8 * k);
    }
    // The screen rows hold both codes of every cell.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 128; ++x) {
            const uint8_t code = static_cast<uint8_t>(record[y * 128 + x]);
            ASSERT_EQ(static_cast<uint8_t>(run.memory[rows + 256 * y + 2 * x]), code & 0xFE) << x << ", " << y;
            ASSERT_EQ(static_cast<uint8_t>(run.memory[rows + 256 * y + 2 * x + 1]), code | 1) << x << ", " << y;
        }

    // Every scan line of a row, its first included, has the row's character set half and colours.
    for (int k = 0; k < 20; ++k)
        for (int j = 0; j < 8; ++j) {
            const LevelModeLine& modeLine = level[k];
            const bool upper = k % 2 == 0;
            const int scanLine = modeLine.firstScanLine + j;
            ASSERT_TRUE(run.atPlayfieldStart.count(scanLine)) << "no registers for scan line " << scanLine;
            const Registers& r = run.atPlayfieldStart.at(scanLine);
            EXPECT_EQ(r.chbase, upper ? bank1 : bank2) << "scan line " << scanLine;
            for (int c = 0; c < 5; ++c)
                EXPECT_EQ(r.colours[c] & 0xFE, static_cast<uint8_t>(record[kColours + 5 * modeLine.row + c]) & 0xFE)
                    << "row " << modeLine.row << ", line " << (upper ? j : 8 + j) << " of the row (scan line "
                    << scanLine << "), colour " << c;
        }

    // Drawn from the dump with those registers, the level looks as the level editor draws it.
    std::string problem;
    const auto shown = EmulatorView(run, level, &problem);
    ASSERT_EQ(shown.size(), 160u) << problem;
    const auto wanted = EditorView(StartupStore(), record, 0);
    for (int line = 0; line < 160; ++line)
        for (int x = 0; x < 160; ++x)
            ASSERT_EQ(shown[line][x], wanted[line][x] & 0xFE) << "level line " << line << ", colour clock " << x;
}

QString FindEmulator()
{
    return QStandardPaths::findExecutable(QStringLiteral("atari800"));
}

} // namespace

TEST(StandinEmulator, ShippedStandinShowsItsLevelOnEveryScanLine)
{
    const QString emulator = FindEmulator();
    if (emulator.isEmpty())
        GTEST_SKIP() << "atari800 is not installed (Debian contrib); the program ran in the test's own 6502 interpreter only";
    ExpectShownAsTheEditorDrawsIt(emulator, BinFile("oxil.xex"));
}

TEST(StandinEmulator, LevelXexCopyShowsRowsInTheirOwnColoursFromTheirFirstLine)
{
    const QString emulator = FindEmulator();
    if (emulator.isEmpty())
        GTEST_SKIP() << "atari800 is not installed (Debian contrib); the program ran in the test's own 6502 interpreter only";
    // A level of every pattern, whose rows change three of their five colours from one row to the
    // next: the background, pixel code 1 and the fifth colour.
    PatternEditor patterns;
    patterns.create();
    LevelDocument document;
    document.takeRegisterColors(patterns.registers());
    document.InitEmptyLevel(1);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 128; ++x)
            document.writeCell(x, y, (5 * x + 11 * y) % 128);
    for (int row = 0; row < 10; ++row) {
        const int own[5] = {0x10 * row + 0x02, 0xF6 - 0x10 * row, 0x38, 0x1C, 0x10 * ((row + 5) % 16) + 0x0E};
        for (int c = 0; c < 5; ++c)
            document.setColorEntry(c, row + 1, // colour lines count from 1
                                   ColorLineEntry{QString::number(own[c], 16).toUpper(), PaletteColor(own[c]), kWhite});
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SaveLevelFile(document, dir.filePath(QStringLiteral("level.la8")));
    const QString played = dir.filePath(QStringLiteral("oxil-neu.xex"));
    const CliRun cli = RunCli({QStringLiteral("level-xex"), dir.filePath(QStringLiteral("level.la8")),
                               QStringLiteral("--xex"), BinFile("oxil.xex"), QStringLiteral("-o"), played});
    ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();
    ExpectShownAsTheEditorDrawsIt(emulator, played);
}
