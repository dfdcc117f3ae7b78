// The pattern editor's part of a recovery copy: what comes back, and damaged parts changing nothing.
#include "common/errors.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <gtest/gtest.h>

namespace {

struct Seen {
    QStringList fileLines;
    QStringList buffer;
    QString label;
    int set, pattern, bufferSet, bufferPattern;
    bool ladenEnabled, bufferModified, documentModified;
    QImage surface;
    bool operator==(const Seen&) const = default;
    static Seen of(const PatternEditor& e)
    {
        Seen s{FontFileLines(e), {}, e.fontLabel(), e.currentSet(), e.currentPattern(), e.bufferSet(),
               e.bufferPattern(), e.ladenEnabled(), e.bufferModified(), e.documentModified(), e.surface().copy()};
        for (int y = 0; y < EditBuffer::kHeight; ++y) {
            for (int x = 0; x < EditBuffer::kWidth; ++x)
                s.buffer << e.buffer().grid(x, y);
            s.buffer << e.buffer().data(0, y) << e.buffer().data(1, y);
        }
        return s;
    }
};

// Pattern 3 of set 4 painted and not stored; pattern 7 stored with a fill before.
PatternEditor Working(bool storeFirst)
{
    PatternEditor e;
    e.create();
    for (int i = 1; i <= PatternStore::kSlotsI; ++i)
        for (int j = 1; j <= PatternStore::kBanks; ++j)
            e.document().setSlot(i, j, QString::number((i * 13 + j * 5) % 256));
    e.document().setRegisterCaption(2, QStringLiteral("F2: Grün"));
    e.setFontLabel(QStringLiteral("Font: mein.fa8"));
    e.history().markSaved();
    if (storeFirst) {
        e.setCurrentSet(4);
        e.setCurrentPattern(7);
        e.selectRegister(2);
        e.fill();
        e.Speichern();
    }
    e.setCurrentSet(4);
    e.setCurrentPattern(3);
    e.Laden();
    e.selectRegister(3);
    e.surfaceMouseMove(40, 20, false);
    e.surfaceMousePress();
    e.surfaceMouseMove(100, 20, true);
    e.surfaceMouseRelease(100, 20);
    e.setCurrentPattern(9); // chosen, not loaded
    return e;
}

TEST(PatternRecovery, WhatTheUserSawComesBackUnsaved)
{
    for (const bool storeFirst : {false, true}) {
        const PatternEditor e = Working(storeFirst);
        ASSERT_TRUE(e.bufferModified());
        ASSERT_EQ(e.documentModified(), storeFirst);
        const QByteArray bytes = PatternRecoverySnapshot(e)();
        PatternEditor back;
        back.create();
        RestorePatternRecovery(back, bytes, QStringLiteral("Kopie"));
        EXPECT_TRUE(Seen::of(back) == Seen::of(e)) << storeFirst;
        EXPECT_EQ(back.historySize(), 0);
        // The buffer's bytes belong to pattern 3: storing them into it makes the buffer saved.
        back.setCurrentPattern(3);
        back.Speichern();
        EXPECT_FALSE(back.bufferModified());
        EXPECT_TRUE(back.documentModified());
    }
}

TEST(PatternRecovery, ADamagedPartChangesNothing)
{
    const QByteArray bytes = PatternRecoverySnapshot(Working(true))();
    PatternEditor e = Working(false);
    const Seen before = Seen::of(e);
    for (const QByteArray& damaged : {QByteArray(), bytes.left(bytes.size() / 2), bytes.left(bytes.size() - 1),
                                      QByteArray("hello world"), QByteArray(5000, '\xFF')}) {
        try {
            RestorePatternRecovery(e, damaged, QStringLiteral("Kopie"));
            FAIL() << "restored " << damaged.size() << " bytes";
        } catch (const FileContentError& error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("Datei Kopie, Zeile "))) << error.message().toStdString();
        }
        EXPECT_TRUE(Seen::of(e) == before) << damaged.size();
    }
}

} // namespace
