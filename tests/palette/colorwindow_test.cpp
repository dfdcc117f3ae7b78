// The palette window as its requesters use it: picks, accept buttons, double clicks, cancelling.
#include "common/errors.h"
#include "gui/common/colorpanel.h"
#include "gui/common/imageview.h"
#include "palette/ataripalette.h"
#include "gui/palette/palettewindow.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"
#include "common/packedcolor_picture.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kInitialInfo = QStringLiteral("Bitte Farbe anklicken für Info...");

// What an accept action read from the window when it ran.
struct Answer {
    int button;
    QString caption;
    PackedColor color;
    QString target;
    int spinX, spinY;
};

class ColorWindowTest : public ::testing::Test {
protected:
    ColorWindowTest() { window.ensureControls(); }
    // Every request of these tests records the answer it gets back.
    PaletteRequest recordingRequest(int acceptButton)
    {
        PaletteRequest r;
        r.button = acceptButton;
        r.answer = [this](const PaletteAnswer& a) {
            answers.push_back({a.button, a.code, a.color, a.target, a.spinX, a.spinY});
        };
        return r;
    }

    ImageView* grid() { return Control<ImageView>(&window, "DrawGrid1"); }
    QPushButton* button(const char* name) { return Control<QPushButton>(&window, name); }
    void clickCell(int column, int row, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseClick(grid(), b, {}, QPoint(column * 32 + 10, row * 32 + 10));
    }
    // A double click is always preceded by the click that picked the cell; QTest's double click
    // leaves that release out.
    void doubleClickCell(int column, int row)
    {
        clickCell(column, row);
        QTest::mouseDClick(grid(), Qt::LeftButton, {}, QPoint(column * 32 + 10, row * 32 + 10));
    }
    bool noAcceptButtonShown()
    {
        return button("Buttonwahl")->isHidden() && button("Buttonwahl2")->isHidden()
            && button("Buttonwahl3")->isHidden();
    }
    void requestFrom(int acceptButton)
    {
        window.request(recordingRequest(acceptButton));
    }

    ScriptedDialogs dialogs;
    PaletteWindow window{dialogs};
    std::vector<Answer> answers;
};

TEST_F(ColorWindowTest, StartsHiddenWithItsControls)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Atari Palette"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(564, 655));
    EXPECT_EQ(Control<QLabel>(&window, "labelinfo")->text(), kInitialInfo);
    EXPECT_EQ(button("ButtonAbbrechen")->text(), QStringLiteral("Abbrechen"));
    for (const char* name : {"Buttonwahl", "Buttonwahl2", "Buttonwahl3"})
        EXPECT_EQ(button(name)->text(), QStringLiteral("Übernehmen"));
    EXPECT_TRUE(noAcceptButtonShown());
    EXPECT_TRUE(Control<QLabel>(&window, "Labelfarbe")->isHidden());
    EXPECT_TRUE(Control<QSpinBox>(&window, "SpinX")->isHidden());
    EXPECT_TRUE(Control<QSpinBox>(&window, "SpinY")->isHidden());
    EXPECT_EQ(grid()->size(), QSize(512, 512));
}

TEST_F(ColorWindowTest, ReleaseOverGridFillsPreviewAndInfo)
{
    auto* panel = Control<ColorPanel>(&window, "Panel1");
    auto* info = Control<QLabel>(&window, "labelinfo");

    clickCell(1, 0);
    EXPECT_EQ(panel->text(), QStringLiteral("00"));
    EXPECT_EQ(panel->color(), kBlack);
    EXPECT_EQ(panel->textColor(), kWhite);
    EXPECT_EQ(info->text(), QStringLiteral("Rot: 0        Grün: 0        Blau: 0"));

    clickCell(9, 10, Qt::RightButton); // any button picks
    EXPECT_EQ(panel->text(), QStringLiteral("A8"));
    EXPECT_EQ(panel->color(), PaletteColor(0xA8));
    EXPECT_EQ(panel->textColor(), kWhite);

    clickCell(10, 10);
    EXPECT_EQ(panel->text(), QStringLiteral("AA"));
    EXPECT_EQ(panel->textColor(), kBlack);

    // A held button released far outside the grid still reaches it.
    QTest::mouseRelease(grid(), Qt::LeftButton, {}, QPoint(3000, 3000));
    EXPECT_EQ(panel->text(), QStringLiteral("FF"));
    EXPECT_EQ(panel->color(), PaletteColor(0xFF));
    QTest::mouseRelease(grid(), Qt::LeftButton, {}, QPoint(-40, -3000));
    EXPECT_EQ(panel->text(), QStringLiteral("00"));
}

TEST_F(ColorWindowTest, GridImageShowsPaletteCells)
{
    EXPECT_EQ(window.gridImage().pixel(3 * 32 + 15, 4 * 32 + 15) & 0xFFFFFF, ToQRgb(PaletteColor(0x42)) & 0xFFFFFF);
}

TEST_F(ColorWindowTest, RequestFillsPreviewAndTargetAndShowsButton)
{
    PaletteRequest r;
    r.button = 2;
    r.caption = QStringLiteral("A4");
    r.color = PaletteColor(0xA4);
    r.textColor = kWhite;
    r.target = QStringLiteral("C7");
    window.request(r);

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Control<ColorPanel>(&window, "Panel1")->text(), QStringLiteral("A4"));
    EXPECT_EQ(Control<ColorPanel>(&window, "Panel1")->color(), PaletteColor(0xA4));
    EXPECT_EQ(Control<QLabel>(&window, "Labelfarbe")->text(), QStringLiteral("C7"));
    EXPECT_FALSE(Control<QPushButton>(&window, "Buttonwahl2")->isHidden());
    EXPECT_TRUE(Control<QPushButton>(&window, "Buttonwahl")->isHidden());
    EXPECT_TRUE(Control<QPushButton>(&window, "Buttonwahl3")->isHidden());

    // A row colour request leaves the preview colour as it is and carries its target in the spins.
    PaletteRequest row;
    row.button = 3;
    row.caption = QStringLiteral("00");
    row.textColor = kBlack;
    row.spinX = 1;
    row.spinY = 15;
    window.request(row);
    EXPECT_EQ(Control<ColorPanel>(&window, "Panel1")->text(), QStringLiteral("00"));
    EXPECT_EQ(Control<ColorPanel>(&window, "Panel1")->color(), PaletteColor(0xA4));
    EXPECT_EQ(Control<ColorPanel>(&window, "Panel1")->textColor(), kBlack);
    EXPECT_EQ(Control<QSpinBox>(&window, "SpinX")->value(), 1);
    EXPECT_EQ(Control<QSpinBox>(&window, "SpinY")->value(), 15);
    EXPECT_FALSE(Control<QPushButton>(&window, "Buttonwahl2")->isHidden()); // the earlier request stays open
    EXPECT_FALSE(Control<QPushButton>(&window, "Buttonwahl3")->isHidden());
}

TEST_F(ColorWindowTest, AcceptHandsBackThePickAndCloses)
{
    PaletteRequest r = recordingRequest(3);
    r.spinX = 0;
    r.spinY = 7;
    window.request(r);
    clickCell(5, 2);
    QTest::mouseClick(button("Buttonwahl3"), Qt::LeftButton);

    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].button, 3);
    EXPECT_EQ(answers[0].caption, QStringLiteral("24"));
    EXPECT_EQ(answers[0].color, PaletteColor(0x24));
    EXPECT_EQ(answers[0].spinY, 7);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(noAcceptButtonShown());
}

TEST_F(ColorWindowTest, DoubleClickWithTwoButtonsRunsOnlyTheFirst)
{
    requestFrom(1);
    requestFrom(2);
    doubleClickCell(12, 6);

    // Buttonwahl's answer closes the window, which hides Buttonwahl2 before it is looked at.
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].button, 1);
    EXPECT_EQ(answers[0].caption, QStringLiteral("6C"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(noAcceptButtonShown());

    requestFrom(2);
    doubleClickCell(4, 3);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[1].button, 2);
    EXPECT_EQ(answers[1].caption, QStringLiteral("34"));
}

TEST_F(ColorWindowTest, DoubleClickNeverAnswersARowColourRequest)
{
    requestFrom(3);
    doubleClickCell(2, 2);
    EXPECT_TRUE(answers.empty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(Control<QPushButton>(&window, "Buttonwahl3")->isHidden());
    EXPECT_EQ(Control<ColorPanel>(&window, "Panel1")->text(), QStringLiteral("22"));
}

TEST_F(ColorWindowTest, CancelAndCloseBoxHandNothingBack)
{
    requestFrom(1);
    requestFrom(3);
    clickCell(7, 9);
    QTest::mouseClick(button("ButtonAbbrechen"), Qt::LeftButton);
    EXPECT_TRUE(answers.empty());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(noAcceptButtonShown());

    requestFrom(1);
    requestFrom(2);
    requestFrom(3);
    window.close(); // the frame's close box
    EXPECT_TRUE(answers.empty());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(noAcceptButtonShown());
}

TEST_F(ColorWindowTest, ShowingAgainResetsInfoButKeepsPreview)
{
    requestFrom(1);
    clickCell(8, 4);
    window.close();
    requestFrom(1);
    EXPECT_EQ(Control<QLabel>(&window, "labelinfo")->text(), kInitialInfo);
    EXPECT_EQ(Control<ColorPanel>(&window, "Panel1")->text(), QStringLiteral("48"));

    // A request to the open window does not count as showing it.
    clickCell(8, 4);
    requestFrom(2);
    EXPECT_NE(Control<QLabel>(&window, "labelinfo")->text(), kInitialInfo);
}

TEST_F(ColorWindowTest, FailingAnswerReachesErrorBoxAndLeavesRequestOpen)
{
    PaletteRequest r = recordingRequest(2);
    r.answer = [](const PaletteAnswer&) { throw ConversionError(QStringLiteral("x")); };
    window.request(r);
    QTest::mouseClick(button("Buttonwahl2"), Qt::LeftButton);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("'x' ist kein gültiger Integerwert")});
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(Control<QPushButton>(&window, "Buttonwahl2")->isHidden());
}

} // namespace
