// The main window's pattern overview by keyboard: Tab reaches it, the arrows move a framed cursor that
// chooses as a click does, Return opens the pattern as a double click, and the view follows.
#include "gui/common/imageview.h"
#include "pattern/fontfile.h"
#include "gui/pattern/patternwindow.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

class OverviewKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Pattern 7 of set 2 holds a byte that only loading it shows.
        PatternEditor seed;
        seed.document().setPatternByte(2, 7, 3, 1, QStringLiteral("200"));
        SaveFontFile(seed, dir.filePath(QStringLiteral("Vorarado.fa8")));
        form = std::make_unique<PatternWindow>(dialogs, dir.path());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    ImageView* overview() { return Control<ImageView>(form.get(), "paintboxall"); }
    void key(Qt::Key k, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(overview(), k);
    }
    int spin(const char* name) { return Control<QSpinBox>(form.get(), name)->value(); }
    QString dataCell(int h, int y) { return Control<QTableWidget>(form.get(), "data")->item(y, h)->text(); }
    QScrollBar* scroll() { return Control<QScrollArea>(form.get(), "ScrollBox1")->horizontalScrollBar(); }
    // Whether the overview shows anything over its picture in the cell of pattern p, set s.
    bool framed(int p, int s)
    {
        const QRect cell(32 * (p - 1), 32 * (s - 1), 32, 32);
        return overview()->grab(cell).toImage().convertToFormat(QImage::Format_RGB32)
            != form->editor().overview().copy(cell).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<PatternWindow> form;
};

} // namespace

TEST_F(OverviewKeysTest, ArrowsChooseReturnOpensAndTheViewFollows)
{
    // Tab reaches the overview; its cursor stands on the current pattern and is framed.
    Control<QWidget>(form.get(), "SpinTilenumber")->setFocus();
    for (int i = 0; i < 80 && QApplication::focusWidget() != overview(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), overview());
    EXPECT_TRUE(framed(1, 1));
    EXPECT_FALSE(framed(2, 1));

    // The arrows choose as a click does and tell the pattern as the pointer does; nothing is loaded.
    key(Qt::Key_Right, 6);
    key(Qt::Key_Down);
    key(Qt::Key_Up, 3); // stops at set 1
    key(Qt::Key_Down);
    EXPECT_EQ(spin("SpinTilenumber"), 7);
    EXPECT_EQ(spin("SpinFontsetnumber"), 2);
    EXPECT_EQ(Control<QLabel>(form.get(), "LabelPattern")->text(),
              QStringLiteral("Wähle ein Pattern durch Doppelklick zum Bearbeiten aus:  Pattern-Set 2  /  Pattern-Nr 7"));
    EXPECT_TRUE(framed(7, 2));
    key(Qt::Key_Space);
    EXPECT_EQ(dataCell(1, 3), QStringLiteral("0"));
    // Return opens it, as a double click.
    key(Qt::Key_Return);
    EXPECT_EQ(dataCell(1, 3), QStringLiteral("200"));

    // End reaches pattern 64, the view scrolled to it; Home goes back.
    key(Qt::Key_End);
    EXPECT_EQ(spin("SpinTilenumber"), 64);
    EXPECT_EQ(scroll()->value(), scroll()->maximum());
    key(Qt::Key_Home);
    EXPECT_EQ(spin("SpinTilenumber"), 1);
    EXPECT_EQ(scroll()->value(), 0);

    // A pattern chosen in the fields moves the cursor there, and the view with it.
    auto* number = Control<QSpinBox>(form.get(), "SpinTilenumber");
    number->setValue(40);
    EXPECT_EQ(overview()->keyboardCell(), QPoint(39, 1));
    const int left = scroll()->value();
    EXPECT_LE(left, 32 * 39);
    EXPECT_LE(32 * 40, left + Control<QScrollArea>(form.get(), "ScrollBox1")->viewport()->width());
    overview()->setFocus();
    key(Qt::Key_Right);
    EXPECT_EQ(spin("SpinTilenumber"), 41);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}
