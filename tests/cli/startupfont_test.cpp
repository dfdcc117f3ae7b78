// The start-up pattern file the build draws from data/art: it loads, and every level element has a picture.
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(StartupFont, LoadsWithArtInEveryPatternOfSetOne)
{
    PatternEditor editor;
    LoadFontFile(editor, QCoreApplication::applicationDirPath() + QStringLiteral("/Vorarado.fa8"));
    EXPECT_EQ(editor.phases, QStringLiteral("1;2;1;3"));
    for (int k = 0; k < ColorRegisterSet::kCount; ++k)
        EXPECT_TRUE(editor.registers[k].caption.startsWith(QStringLiteral("F%1: ").arg(k)));
    for (int pattern = 1; pattern <= PatternStore::kPatterns; ++pattern) {
        bool drawn = false;
        for (int y = 0; y < 16; ++y)
            for (int h = 0; h < 2; ++h)
                drawn = drawn || editor.store.patternByte(1, pattern, y, h) != QLatin1String("0");
        EXPECT_TRUE(drawn) << "element " << pattern - 1 << " is empty";
        // The animation sets hold every element too, so still elements do not blink.
        for (int set = 2; set <= 3; ++set) {
            bool framed = false;
            for (int y = 0; y < 16; ++y)
                for (int h = 0; h < 2; ++h)
                    framed = framed || editor.store.patternByte(set, pattern, y, h) != QLatin1String("0");
            EXPECT_TRUE(framed) << "element " << pattern - 1 << " missing in set " << set;
        }
    }
}
