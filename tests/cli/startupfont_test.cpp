// The start-up pattern file the build draws from data/art: it loads, and every level element has a picture.
#include "gui/common/codewindow.h"
#include "app/windowset.h"
#include "pattern/fontfile.h"
#include "gui/pattern/patternwindow.h"
#include "support/testutil.h"
#include "support/scripteddialogs.h"
#include "pattern/patterneditor.h"

#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(StartupFont, LoadsWithArtInEveryPatternOfSetOne)
{
    PatternEditor editor;
    LoadFontFile(editor, QCoreApplication::applicationDirPath() + QStringLiteral("/Vorarado.fa8"));
    EXPECT_EQ(editor.document().phases(), QStringLiteral("1;2;1;3"));
    for (int k = 0; k < ColorRegisterSet::kCount; ++k)
        EXPECT_TRUE(editor.registers()[k].caption.startsWith(QStringLiteral("F%1: ").arg(k)));
    for (int pattern = 1; pattern <= PatternStore::kPatterns; ++pattern) {
        bool drawn = false;
        for (int y = 0; y < 16; ++y)
            for (int h = 0; h < 2; ++h)
                drawn = drawn || editor.store().patternByte(1, pattern, y, h) != QLatin1String("0");
        EXPECT_TRUE(drawn) << "element " << pattern - 1 << " is empty";
        // The animation sets hold every element too, so still elements do not blink.
        for (int set = 2; set <= 3; ++set) {
            bool framed = false;
            for (int y = 0; y < 16; ++y)
                for (int h = 0; h < 2; ++h)
                    framed = framed || editor.store().patternByte(set, pattern, y, h) != QLatin1String("0");
            EXPECT_TRUE(framed) << "element " << pattern - 1 << " missing in set " << set;
        }
    }
}

TEST(StartupFont, CliFontAsmPrintsTheWindowsExport)
{
    const QString folder = QCoreApplication::applicationDirPath();
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    WindowSet windows(dialogs, opener, folder);
    windows.showMain();
    QTest::mouseClick(Control<QPushButton>(windows.patternWindow(), "Button1"), Qt::LeftButton);
    ASSERT_TRUE(dialogs.errors.isEmpty());

    QProcess cli;
    cli.start(folder + QStringLiteral("/tavrel-cli"), {QStringLiteral("font-asm"), folder + QStringLiteral("/Vorarado.fa8")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()), windows.codeWindow()->code() + QLatin1Char('\n'));
}
