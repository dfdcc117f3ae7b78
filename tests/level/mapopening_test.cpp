// The level editor's first opening builds the page in front; the others are built when first shown,
// and what they show and log is there when they are.
#include "level/leveldocument.h"
#include "gui/level/levelwindow.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "gui/pattern/patternwindow.h"
#include "support/windowsetfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MapOpeningTest : public WindowSetFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        PatternEditor startup;
        SaveFontFile(startup, folder.filePath(QStringLiteral("Vorarado.fa8")));
        start();
        // Opened as the user opens it; the window set is not asked for the window, which would build
        // every control for its caller.
        QTest::mouseClick(Control<QPushButton>(set->patternWindow(), "ButtonMap"), Qt::LeftButton);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Formmap"))
                map = w;
        ASSERT_NE(map, nullptr);
        ASSERT_TRUE(map->isVisible());
    }
    template <class T>
    T* find(const char* name) { return map->findChild<T*>(QLatin1String(name)); }
    void showPage(int page) { find<QTabWidget>("PageControl1")->setCurrentIndex(page); }

    QWidget* map = nullptr;
};

} // namespace

TEST_F(MapOpeningTest, PagesAreBuiltWhenFirstShown)
{
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), 2);
    EXPECT_NE(find<QTableView>("MonsterGrid"), nullptr);
    EXPECT_EQ(find<QPushButton>("ButtonSaveFile"), nullptr);
    EXPECT_EQ(find<QPlainTextEdit>("Memo"), nullptr);
    EXPECT_EQ(find<QTableView>("Schaltergrid"), nullptr);

    // Texts changed before the data page exists show when it is first shown.
    LevelDocument& document = set->levelWindow()->document();
    document.setAuthor(QStringLiteral("Ada"));
    showPage(0);
    ASSERT_NE(find<QLineEdit>("editautor"), nullptr);
    EXPECT_EQ(find<QLineEdit>("editautor")->text(), QStringLiteral("Ada"));
    showPage(3);
    EXPECT_NE(find<QTableView>("Schaltergrid"), nullptr);
}

TEST_F(MapOpeningTest, LogAndSlotReachedBeforeTheirPagesWereShown)
{
    // The log stands on the elements page, the slot field on the data page; the test-play button stands
    // below the level and needs both.
    QTest::mouseClick(find<QPushButton>("ButtonPlayMatrix"), Qt::LeftButton);
    auto* memo = find<QPlainTextEdit>("Memo");
    ASSERT_NE(memo, nullptr);
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    // The disk path logged at creation stands first; no game file here, so the play ends in its error.
    EXPECT_TRUE(lines.first().endsWith(QStringLiteral(".atr"))) << lines.first().toStdString();
    EXPECT_EQ(dialogs.errors.size(), 1);
}
