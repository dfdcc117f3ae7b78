// Painting, picking and choosing patterns, the placement rule and opening the level editor.
#include "common/bytefile.h"
#include "common/errors.h"
#include "level/levelfile.h"
#include "support/levelsessionfixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <QUndoStack>

namespace {

using S = LevelEditSession;

struct Fixture : LevelSessionFixture {
    Fixture()
        : LevelSessionFixture([](PatternStore& store, ColorRegisterSet& registers) {
              store.setEntry(1, 6, 0, QStringLiteral("255")); // pattern 3 differs from pattern 1
              registers[3].displayColor = PackRgb(1, 2, 3);
          })
    {
    }
};

} // namespace

TEST(PlacementRule, StartPointsAndTeleporters)
{
    const QString ok = QStringLiteral("OK");
    const QString oxilLeft = QStringLiteral("Oxil darf nicht so weit links starten.");
    const QString oxilRight = QStringLiteral("Oxil darf nicht so weit rechts starten.");
    const QString teleLeft = QStringLiteral("Ein Teleporterdarf nicht so weit links stehen.");
    const QString teleRight = QStringLiteral("Ein Teleporter darf nicht so weit rechts stehen.");
    struct Case {
        int pattern;
        QString at8, at9, at118, at119;
    };
    for (const Case& c : {Case{44, oxilLeft, ok, ok, oxilRight}, Case{108, oxilLeft, ok, ok, oxilRight},
                          Case{19, teleLeft, ok, ok, teleRight}, Case{83, teleLeft, ok, ok, teleRight},
                          Case{64, ok, ok, ok, ok}, Case{45, ok, ok, ok, ok}}) {
        EXPECT_EQ(S::check(8, 3, c.pattern), c.at8) << c.pattern;
        EXPECT_EQ(S::check(9, 0, c.pattern), c.at9) << c.pattern;
        EXPECT_EQ(S::check(118, 9, c.pattern), c.at118) << c.pattern;
        EXPECT_EQ(S::check(119, 5, c.pattern), c.at119) << c.pattern;
    }
}

TEST(LevelEditSession, OpeningTwice)
{
    Fixture f;
    EXPECT_TRUE(f.session.levelInitialised());
    EXPECT_EQ(f.doc.cellPattern(60, 5), 1);
    EXPECT_EQ(f.doc.colorEntry(3, 1).hexText, QStringLiteral("36"));
    EXPECT_EQ(f.doc.undoStack().count(), 0);
    f.click(60, 5, S::LeftBit);
    f.session.chooserMouseDown({32 * 17 + 3, 3}, S::RightBit);
    EXPECT_EQ(f.session.carriedText(S::Right), QStringLiteral("17"));
    // A pattern edit in between reaches the pixel table; the level stays.
    f.store.setEntry(1, 2, 0, QStringLiteral("255"));
    f.session.open(f.store, f.registers);
    EXPECT_EQ(f.doc.cellPattern(60, 5), 3);
    EXPECT_EQ(f.picture.pixels().pixel(2, 0, 0), 3);
    EXPECT_EQ(f.session.carriedText(S::Left), QStringLiteral("3"));
    EXPECT_EQ(f.session.carriedText(S::Middle), QStringLiteral("10"));
    EXPECT_EQ(f.session.carriedText(S::Right), QStringLiteral("1"));
    // A damaged entry stops the opening before anything changes.
    f.session.setCarried(S::Left, 20);
    f.store.setEntry(2, 0, 0, QStringLiteral("?"));
    EXPECT_THROW(f.session.open(f.store, f.registers), ConversionError);
    EXPECT_EQ(f.picture.pixels().pixel(2, 0, 0), 3);
    EXPECT_EQ(f.session.carriedText(S::Left), QStringLiteral("20"));
}

TEST(LevelEditSession, RefusedPlacementsOnlyLog)
{
    Fixture f;
    f.session.setCarried(S::Left, 44);
    f.click(8, 2, S::LeftBit);
    EXPECT_EQ(f.doc.cellPattern(8, 2), 1);
    EXPECT_EQ(f.logged, QStringList({"Oxil darf nicht so weit links starten."}));
    f.click(9, 2, S::LeftBit);
    EXPECT_EQ(f.doc.cellPattern(9, 2), 44);
    EXPECT_EQ(f.doc.undoStack().count(), 1);
    // Dragging over refused columns logs every move again.
    f.logged.clear();
    f.session.levelMouseDown(Fixture::cell(120, 1), S::LeftBit, false);
    f.session.levelMouseMove(Fixture::cell(120, 1), S::LeftBit, true);
    f.session.levelMouseMove(Fixture::cell(121, 1), S::LeftBit, true);
    f.session.levelMouseUp();
    EXPECT_EQ(f.logged.size(), 3);
    EXPECT_EQ(f.doc.undoStack().count(), 1);
}

TEST(LevelEditSession, ShiftPicks)
{
    Fixture f;
    f.doc.writeCell(30, 4, 17);
    f.doc.setCode(61, 4, QStringLiteral("99")); // a broken pair: the pick writes it whole again
    f.click(30, 4, S::LeftBit, true);
    EXPECT_EQ(f.session.carriedText(S::Left), QStringLiteral("17"));
    EXPECT_EQ(f.doc.rightCode(30, 4), QStringLiteral("35"));
    EXPECT_EQ(f.session.preview(S::Left), [&] {
        QImage image(32, 32, QImage::Format_RGB32);
        f.picture.UpdatePattern2(17, 0, 0, image);
        return image;
    }());
    // Then a plain click places the picked pattern elsewhere.
    f.click(50, 1, S::LeftBit);
    EXPECT_EQ(f.doc.cellPattern(50, 1), 17);
    // A start point in column 3 is picked, then refused where it stands.
    f.doc.writeCell(3, 0, 44);
    f.click(3, 0, S::RightBit, true);
    EXPECT_EQ(f.session.carriedText(S::Right), QStringLiteral("44"));
    EXPECT_EQ(f.logged, QStringList({"Oxil darf nicht so weit links starten."}));
    // A code that is not a number stops the pick; nothing changes.
    f.doc.setCode(20, 6, QStringLiteral("Mauer"));
    EXPECT_THROW(f.session.levelMouseDown(Fixture::cell(10, 6), S::MiddleBit, true), ConversionError);
    f.session.levelMouseUp();
    EXPECT_EQ(f.session.carriedText(S::Middle), QStringLiteral("10"));
    EXPECT_EQ(f.doc.code(20, 6), QStringLiteral("Mauer"));
}

TEST(LevelEditSession, ButtonsPaintTheirPatterns)
{
    Fixture f;
    f.click(40, 0, S::LeftBit);
    f.click(41, 0, S::RightBit);
    f.click(42, 0, S::MiddleBit);
    f.click(43, 0, S::RightBit | S::MiddleBit);
    f.click(44, 0, S::LeftBit | S::RightBit);
    EXPECT_EQ((std::array{f.doc.cellPattern(40, 0), f.doc.cellPattern(41, 0), f.doc.cellPattern(42, 0),
                          f.doc.cellPattern(43, 0), f.doc.cellPattern(44, 0)}),
              (std::array{3, 1, 10, 10, 1}));
}

TEST(LevelEditSession, DragIsOneStepAndMovesWithoutButtonsOnlyTell)
{
    Fixture f;
    f.session.levelMouseMove(Fixture::cell(7, 3), 0, true);
    EXPECT_EQ(f.session.bannerText(),
              QStringLiteral("Klicke unten, um das gewählte Pattern zu setzen in:    Spalte (X) = 7  /  Zeile (Y) = 3"));
    f.session.levelMouseMove(Fixture::cell(7, 3), S::LeftBit, false);
    EXPECT_EQ(f.session.bannerText(), QStringLiteral("Spalte (X) = 7  /  Zeile (Y) = 3"));
    EXPECT_EQ(f.doc.cellPattern(7, 3), 1);
    const std::vector<QString> before = f.doc.gridCodes();
    const QImage unpainted = f.picture.level().copy();
    f.session.levelMouseDown(Fixture::cell(10, 3), S::LeftBit, false);
    for (int x = 11; x < 30; ++x)
        f.session.levelMouseMove(Fixture::cell(x, 3), S::LeftBit, true);
    f.session.levelMouseMove({-5, 100}, S::LeftBit, true);   // outside the picture: nothing
    f.session.levelMouseMove({4096, 100}, S::LeftBit, true);
    f.session.levelMouseUp();
    EXPECT_EQ(f.doc.undoStack().count(), 1);
    for (int x = 10; x < 30; ++x)
        EXPECT_EQ(f.doc.cellPattern(x, 3), 3);
    EXPECT_EQ(f.doc.cellPattern(0, 3), 0);
    EXPECT_EQ(f.doc.cellPattern(127, 3), 0);
    const QImage painted = f.picture.level().copy();
    ASSERT_NE(painted, unpainted);
    f.doc.undoStack().undo();
    EXPECT_EQ(f.doc.gridCodes(), before);
    EXPECT_EQ(f.picture.level(), unpainted);
    f.doc.undoStack().redo();
    EXPECT_EQ(f.picture.level(), painted);
}

TEST(LevelEditSession, Chooser)
{
    Fixture f;
    EXPECT_EQ(S::chooserPattern({70 % 32 * 32 + 31, 2 * 32}), 70);
    EXPECT_EQ(S::chooserPattern({-3, -40}), 0);
    EXPECT_EQ(S::chooserPattern({5000, 5000}), 127);
    f.session.chooserMouseMove({6 * 32, 2 * 32 + 1});
    EXPECT_EQ(f.session.chooserText(),
              QStringLiteral("Die Pattern - Klicke um ein Pattern zum Setzen auszuwählen:  Pattern-Nr.  70    (Mauer: versperrt den Weg)"));
    f.session.chooserMouseDown({5, 32 * 3 + 5}, S::LeftBit | S::MiddleBit);
    EXPECT_EQ(f.session.carriedText(S::Left), QStringLiteral("96"));
    EXPECT_EQ(f.session.carriedText(S::Middle), QStringLiteral("96"));
    EXPECT_EQ(f.session.carriedText(S::Right), QStringLiteral("1"));
}

TEST(LevelEditSession, InitialiseWithTheLeftPattern)
{
    Fixture f;
    f.session.setCarried(S::Left, 2);
    EXPECT_EQ(f.session.initialiseQuestion(),
              QStringLiteral("Soll der gesamte Level mit dem gewählten Pattern 2 initialisiert werden?\r"
                             "Alle bisherigen Pattern werden gelöscht!"));
    const QImage before = f.picture.level().copy();
    f.session.initialiseLevel();
    EXPECT_EQ(f.doc.cellPattern(60, 9), 2);
    f.doc.undoStack().undo();
    EXPECT_EQ(f.doc.cellPattern(60, 9), 1);
    EXPECT_EQ(f.picture.level(), before);
}

TEST(LevelEditSession, EachStrokeIsOneStepAndRedoGivesTheSameFile)
{
    Fixture f;
    QTemporaryDir dir;
    const QString before = dir.filePath(QStringLiteral("before.la8"));
    const QString painted = dir.filePath(QStringLiteral("painted.la8"));
    const QString again = dir.filePath(QStringLiteral("again.la8"));
    SaveLevelFile(f.doc, before);
    // Two strokes of five cells, the second crossing the first.
    f.session.levelMouseDown(Fixture::cell(20, 4), S::LeftBit, false);
    for (int x = 21; x < 25; ++x)
        f.session.levelMouseMove(Fixture::cell(x, 4), S::LeftBit, true);
    f.session.levelMouseUp();
    EXPECT_EQ(f.doc.undoStack().count(), 1);
    EXPECT_EQ(f.doc.undoStack().undoText(), QStringLiteral("Malen"));
    f.session.levelMouseDown(Fixture::cell(22, 2), S::MiddleBit, false);
    for (int y = 3; y < 7; ++y)
        f.session.levelMouseMove(Fixture::cell(22, y), S::MiddleBit, true);
    f.session.levelMouseUp();
    ASSERT_EQ(f.doc.undoStack().count(), 2);
    SaveLevelFile(f.doc, painted);

    f.doc.undoStack().undo(); // the second stroke only
    EXPECT_EQ(f.doc.cellPattern(22, 4), 3);
    EXPECT_EQ(f.doc.cellPattern(22, 5), 1);
    f.doc.undoStack().undo();
    SaveLevelFile(f.doc, again);
    EXPECT_EQ(ReadByteFile(again), ReadByteFile(before));
    EXPECT_TRUE(f.doc.undoStack().isClean());
    f.doc.undoStack().redo();
    f.doc.undoStack().redo();
    SaveLevelFile(f.doc, again);
    EXPECT_EQ(ReadByteFile(again), ReadByteFile(painted));
}
