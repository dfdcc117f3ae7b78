// The code window's assembler choice: the text follows it, and the choice is kept for the next run.
#include "common/programsettings.h"
#include "gui/common/codewindow.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList kStandard = {
    QStringLiteral("//  Font Bank 1 "),
    QStringLiteral("   .align $400"),
    QStringLiteral("UpperFont1:"),
    QStringLiteral("        .byte 0, 60, 255, 255, 60, 0, 0, 0 // Bank 1 / Zeichen 0"),
};

class CodeWindowTest : public ::testing::Test {
protected:
    // Every test starts as a first run: nothing chosen yet.
    void SetUp() override { ProgramSettings().remove(QStringLiteral("codewindow")); }

    ScriptedDialogs dialogs;

    // Picks a dialect as the user does: focus on the choice and arrow keys.
    static void Choose(QComboBox* combo, int index)
    {
        combo->setFocus();
        while (combo->currentIndex() < index)
            QTest::keyClick(combo, Qt::Key_Down);
        while (combo->currentIndex() > index)
            QTest::keyClick(combo, Qt::Key_Up);
    }
};

} // namespace

TEST_F(CodeWindowTest, TextFollowsTheChoiceWhichIsKeptForTheNextRun)
{
    {
        CodeWindow code(dialogs);
        code.ensureControls();
        auto* combo = Control<QComboBox>(&code, "ComboDialect");
        auto* memo = Control<QPlainTextEdit>(&code, "Memocode");
        ASSERT_TRUE(combo && memo);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items.join(QStringLiteral(", ")), QStringLiteral("Standard, ca65, xa, dasm, acme, 64tass"));
        EXPECT_EQ(Control<QLabel>(&code, "LabelDialect")->text(), QStringLiteral("Assembler:"));
        EXPECT_EQ(combo->currentIndex(), 0);

        code.appendLines(kStandard);
        EXPECT_EQ(code.code(), kStandard.join('\n'));
        Choose(combo, 4); // acme
        EXPECT_EQ(code.code(), DialectLines(AsmDialect::Acme, kStandard).join('\n'));
        EXPECT_TRUE(code.code().contains(QStringLiteral("!align $3FF, 0, 0")));
        code.appendLine(QStringLiteral("Player0Shape1:  .byte 1, 2  ; Player 0 Line1"));
        EXPECT_TRUE(code.code().endsWith(QStringLiteral("Player0Shape1:  !byte 1, 2  ; Player 0 Line1")));
        Choose(combo, 0);
        EXPECT_EQ(code.code(), (kStandard + QStringList{QStringLiteral("Player0Shape1:  .byte 1, 2  ; Player 0 Line1")}).join('\n'));
        Choose(combo, 2); // xa
    }
    CodeWindow next(dialogs);
    next.ensureControls();
    EXPECT_EQ(Control<QComboBox>(&next, "ComboDialect")->currentText(), QStringLiteral("xa"));
    next.appendLines(kStandard);
    EXPECT_EQ(next.code(), DialectLines(AsmDialect::Xa, kStandard).join('\n'));
}

TEST_F(CodeWindowTest, TextTheUserChangedStaysAsItIs)
{
    CodeWindow code(dialogs);
    code.ensureControls();
    auto* memo = Control<QPlainTextEdit>(&code, "Memocode");
    code.appendLines(kStandard);
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, QStringLiteral(" ; ok"));
    const QString edited = code.code();
    Choose(Control<QComboBox>(&code, "ComboDialect"), 3); // dasm
    EXPECT_EQ(code.code(), edited);
    code.clearCode();
    code.appendLines(kStandard);
    EXPECT_EQ(code.code(), DialectLines(AsmDialect::Dasm, kStandard).join('\n'));
}
