// Whether the edit buffer holds unsaved work: its bytes against the pattern they came from.
#include "pattern/patterneditor.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Pattern 5 of set 2 in the buffer, every store byte different from its neighbours, no history.
void Prepare(PatternEditor& e)
{
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            e.document().setSlot(i, j, QString::number((i * 37 + j * 11) % 256));
    e.setCurrentSet(2);
    e.setCurrentPattern(5);
    e.Laden();
    e.clearHistory();
}

void PaintCell(PatternEditor& e, int register_, int x, int y)
{
    e.selectRegister(register_);
    e.surfaceMouseMove(32 * x + 3, 16 * y + 3, false);
    e.surfaceMousePress();
    e.surfaceMouseRelease(32 * x + 3, 16 * y + 3);
}

TEST(UnsavedBuffer, EveryChangeOfTheBytesCountsAndUndoingItBackIsSaved)
{
    const struct {
        const char* name;
        std::function<void(PatternEditor&)> change;
    } cases[] = {
        {"Füllen", [](PatternEditor& e) { e.selectRegister(3); e.fill(); }},
        {"Hoch", [](PatternEditor& e) { e.rotateUp(); }},
        {"Runter", [](PatternEditor& e) { e.rotateDown(); }},
        {"Links", [](PatternEditor& e) { e.rotateLeft(); }},
        {"Rechts", [](PatternEditor& e) { e.rotateRight(); }},
        {"Spgl LR", [](PatternEditor& e) { e.mirrorLeftRight(); }},
        {"Spgl HR", [](PatternEditor& e) { e.mirrorTopBottom(); }},
        {"Eingabe", [](PatternEditor& e) { e.typeData(1, 3, QStringLiteral("17")); }},
        {"Eingabe, keine Zahl", [](PatternEditor& e) { e.setDataCell(0, 0, QStringLiteral("x")); }},
        {"Malen", [](PatternEditor& e) { PaintCell(e, 3, 2, 2); PaintCell(e, 1, 4, 9); }},
    };
    for (const auto& c : cases) {
        PatternEditor e;
        Prepare(e);
        ASSERT_FALSE(e.bufferModified()) << c.name;
        c.change(e);
        EXPECT_TRUE(e.bufferModified()) << c.name;
        while (e.canUndo())
            e.undo();
        if (QLatin1String(c.name) == QLatin1String("Eingabe, keine Zahl"))
            e.setDataCell(0, 0, e.store().patternByte(2, 5, 0, 0)); // no step: typed back by hand
        EXPECT_FALSE(e.bufferModified()) << c.name << " undone";
        EXPECT_TRUE(e.ladenEnabled()) << c.name;
    }
}

TEST(UnsavedBuffer, ContentNotTheGuardDecides)
{
    PatternEditor e;
    Prepare(e);
    // Painting a cell with the code it has locks "Laden" but changes no byte.
    const int code = e.buffer().grid(0, 0).toInt();
    PaintCell(e, code, 0, 0);
    EXPECT_FALSE(e.ladenEnabled());
    EXPECT_FALSE(e.bufferModified());

    // "Füllen" leaves "Laden" free but changes the bytes; filling the pattern back does not count.
    PatternEditor f;
    Prepare(f);
    f.selectRegister(2);
    f.fill();
    EXPECT_TRUE(f.ladenEnabled());
    EXPECT_TRUE(f.bufferModified());
    f.Speichern();
    EXPECT_FALSE(f.bufferModified());
    f.rotateLeft(); // a pattern of one colour looks the same shifted
    EXPECT_FALSE(f.bufferModified());
    f.undo();
    EXPECT_TRUE(f.bufferModified()) << "undoing the store gives back the pattern before it";
}

TEST(UnsavedBuffer, TheBufferBelongsToThePatternItCameFrom)
{
    PatternEditor e;
    Prepare(e);
    // Choosing another number loads nothing: the buffer still holds pattern 5 as stored.
    e.setCurrentPattern(6);
    EXPECT_FALSE(e.bufferModified());
    e.fill();
    EXPECT_TRUE(e.bufferModified());
    // Stored into pattern 6, the buffer is that pattern's.
    e.Speichern();
    EXPECT_EQ(e.bufferPattern(), 6);
    EXPECT_FALSE(e.bufferModified());
    e.undo();
    EXPECT_EQ(e.bufferPattern(), 5);
    EXPECT_TRUE(e.bufferModified());
    e.redo();
    EXPECT_FALSE(e.bufferModified());

    // Loading another pattern and undoing that load goes back to the pattern before.
    e.setCurrentPattern(9);
    e.Laden();
    EXPECT_EQ(e.bufferPattern(), 9);
    EXPECT_FALSE(e.bufferModified());
    e.undo();
    EXPECT_EQ(e.bufferPattern(), 6);
    EXPECT_FALSE(e.bufferModified());
}

TEST(UnsavedBuffer, AStoreChangeUnderTheBufferCounts)
{
    PatternEditor e;
    Prepare(e);
    // A raw font into the buffer's bank while it holds an unstored fill: the fill stays, and differs.
    e.selectRegister(1);
    e.fill();
    e.setLadenEnabled(false);
    e.importFontBank(3, QByteArray(1024, '\x55'));
    EXPECT_TRUE(e.bufferModified());
    e.setLadenEnabled(true);
    e.Laden();
    EXPECT_FALSE(e.bufferModified()) << "the buffer holds the imported bytes now";
}

} // namespace
