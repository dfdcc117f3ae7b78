// From the level editor to the Atari screen: a level saved by the level editor and put into the stand-in
// by `tavrel-cli level-xex` shows, pixel for pixel, as the level editor pictures it, in the Atari's colours.
#include "standinfixture.h"

#include "common/packedcolor.h"
#include "level/leveldocument.h"
#include "level/leveleditsession.h"
#include "level/levelpicture.h"
#include "level/levelfile.h"
#include "palette/ataripalette.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "support/clirun.h"
#include "support/testutil.h"
#include "common/packedcolor_picture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(StandinWithEditor, PlayedLevelLooksLikeTheLevelEditorsPicture)
{
    // The level editor as the program starts it: start-up art, first opening (floor plates between
    // the borders, standard colours).
    PatternEditor patterns;
    patterns.create();
    LoadFontFile(patterns, BinFile("Vorarado.fa8"));
    LevelDocument document;
    document.takeRegisterColors(patterns.registers());
    LevelPicture picture(document, patterns.registers());
    LevelEditSession session(document, picture);
    session.open(patterns.store(), patterns.registers());
    // Every pattern somewhere, the fifth colour's included, and row 3 in colours of its own.
    for (int y = 0; y < 10; ++y)
        for (int x = 6; x < 123; ++x)
            document.writeCell(x, y, (5 * x + 11 * y) % 128);
    const int own[5] = {0x24, 0x46, 0x88, 0xCA, 0xEE};
    for (int c = 0; c < 5; ++c)
        document.setColorEntry(c, 4, ColorLineEntry{QString::number(own[c], 16).toUpper(), PaletteColor(own[c]), kWhite});
    session.drawlevel();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SaveLevelFile(document, dir.filePath(QStringLiteral("level.la8")));
    const QString played = dir.filePath(QStringLiteral("oxil-neu.xex"));
    const CliRun run = RunCli({QStringLiteral("level-xex"), dir.filePath(QStringLiteral("level.la8")), QStringLiteral("--xex"),
                               BinFile("oxil.xex"), QStringLiteral("-o"), played});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    AtariMachine atari(ReadTestFile(played));
    atari.boot();
    atari.verticalBlank();
    int position = 0;
    for (int target : {0, 7, 421, kMaxPosition}) {
        atari.porta = 0xF7; // joystick right, one colour clock per frame
        for (; position < target; ++position)
            atari.verticalBlank();
        atari.porta = 0xFF;
        const auto lines = LevelLines(atari.draw());
        ASSERT_EQ(lines.size(), 160u);
        // An Atari pixel (one colour clock, one scan line) is a 4 x 2 block of the editor's picture.
        for (int line = 0; line < 160; ++line)
            for (int x = 0; x < 160; ++x) {
                const QRgb editor = picture.level().pixel(4 * (position + x), 2 * line);
                ASSERT_EQ(ToQRgb(PaletteColor(lines[line][x])), editor)
                    << "view at " << position << ": scan line " << line << ", colour clock " << x;
            }
    }
}
