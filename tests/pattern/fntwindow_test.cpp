// "FNT importieren…" and "FNT exportieren…" in the pattern editor window, with scripted dialogs.
#include "common/bytefile.h"
#include "palette/ataripalette.h"
#include "pattern/fontbankfile.h"
#include "pattern/fontfile.h"
#include "gui/pattern/patternwindow.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"
#include "common/packedcolor_picture.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

const QString kFntFilter = QStringLiteral("Atari Zeichensätze (*.fnt)|*.fnt|Alle Dateien (*.*)|*.*");

class FntWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        PatternEditor seed;
        seed.document().setPatternByte(2, 7, 3, 1, QStringLiteral("200")); // bank 3, character 13, row 3
        SaveFontFile(seed, dir.filePath(QStringLiteral("Vorarado.fa8")));
        form = std::make_unique<PatternWindow>(dialogs, dir.path());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    PatternEditor& editor() { return form->editor(); }
    QComboBox* bankChoice() { return Control<QComboBox>(form.get(), "ComboFntBank"); }
    void click(const char* name) { QTest::mouseClick(Control<QPushButton>(form.get(), name), Qt::LeftButton); }
    // Selects a pattern set and a bank of it as the user does, with the arrow keys.
    void choose(int set, int lowerBank)
    {
        auto* spin = Control<QSpinBox>(form.get(), "SpinFontsetnumber");
        for (int s = 1; s < set; ++s)
            QTest::keyClick(spin, Qt::Key_Up);
        for (int i = 0; i < lowerBank; ++i)
            QTest::keyClick(bankChoice(), Qt::Key_Down);
    }
    QStringList bankTexts(int bank)
    {
        QStringList texts;
        for (int c = 0; c < PatternStore::kCharacters; ++c)
            for (int r = 0; r < PatternStore::kRows; ++r)
                texts << editor().store().entry(bank, c, r);
        return texts;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<PatternWindow> form;
};

} // namespace

TEST_F(FntWindowTest, ExportWritesTheChosenBankOfTheCurrentSet)
{
    choose(2, 0);
    EXPECT_EQ(bankChoice()->currentText(), QStringLiteral("Bank 3 (Set 2 oben)"));
    EXPECT_EQ(bankChoice()->itemText(1), QStringLiteral("Bank 4 (Set 2 unten)"));
    const QString out = dir.filePath(QStringLiteral("set2.fnt"));
    dialogs.fileAnswers.push_back(out);
    click("ButtonFntExport");

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const FileDialogRequest& request = dialogs.saveRequests[0];
    EXPECT_EQ(request.title, QStringLiteral("FNT exportieren: Dateiname für Bank 3 (Set 2 oben)?"));
    EXPECT_EQ(request.filter, kFntFilter);
    EXPECT_EQ(request.defaultExt, QStringLiteral("fnt"));
    EXPECT_EQ(request.fileName, QStringLiteral("Vorarado-Bank3.fnt"));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    const QByteArray bytes = ReadTestFile(out);
    ASSERT_EQ(bytes.size(), 1024);
    EXPECT_EQ(quint8(bytes[13 * 8 + 3]), 200);
    EXPECT_EQ(bytes.count('\0'), 1023);
    EXPECT_TRUE(Control<QPlainTextEdit>(form.get(), "Memo")->toPlainText().contains(
        QStringLiteral("Bank 3 (Set 2 oben) als set2.fnt exportiert")));

    // Cancelled: nothing written.
    QFile::remove(out);
    click("ButtonFntExport");
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(FntWindowTest, ImportIsOneUndoStepThatRedrawsTheOverview)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const QImage overview = editor().overview().copy();
    const QStringList before = bankTexts(2);
    const QString fnt = WriteTestFile(dir, QStringLiteral("voll.fnt"), QByteArray(1024, '\xFF'));
    choose(1, 1);
    dialogs.fileAnswers.push_back(fnt);
    click("ButtonFntImport");

    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].title, QStringLiteral("FNT importieren: Zeichensatz für Bank 2 (Set 1 unten)"));
    EXPECT_EQ(dialogs.openRequests[0].filter, kFntFilter);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(bankTexts(2), QStringList(1024, QStringLiteral("255")));
    EXPECT_EQ(bankTexts(1), QStringList(1024, QStringLiteral("0")));
    // Lower half of every pattern of set 1 in F3, the upper half still in F0.
    const QRgb f3 = ToQRgb(editor().registers()[3].displayColor);
    EXPECT_EQ(editor().overview().pixel(0, 16), f3);
    EXPECT_EQ(editor().overview().pixel(63 * 32 + 31, 31), f3);
    EXPECT_EQ(editor().overview().pixel(0, 15), overview.pixel(0, 15));
    EXPECT_EQ(editor().undoText(), QStringLiteral("FNT importieren"));
    EXPECT_EQ(editor().historySize(), 1);
    // Pattern 1 of set 1 in the editor shows the imported lower half.
    auto* data = Control<QTableWidget>(form.get(), "data");
    EXPECT_EQ(data->item(8, 0)->text(), QStringLiteral("255"));
    EXPECT_EQ(data->item(7, 0)->text(), QStringLiteral("0"));

    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bankTexts(2), before);
    EXPECT_TRUE(editor().overview() == overview);
    EXPECT_EQ(data->item(8, 0)->text(), QStringLiteral("0"));
    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(bankTexts(2), QStringList(1024, QStringLiteral("255")));
}

TEST_F(FntWindowTest, ImportKeepsPaintedChangesNotYetStored)
{
    editor().typeData(0, 9, QStringLiteral("17"));
    editor().setLadenEnabled(false);
    dialogs.fileAnswers.push_back(WriteTestFile(dir, QStringLiteral("voll.fnt"), QByteArray(1024, '\xFF')));
    choose(1, 1);
    click("ButtonFntImport");
    EXPECT_EQ(editor().store().entry(2, 0, 1), QStringLiteral("255"));
    EXPECT_EQ(editor().buffer().data(0, 9), QStringLiteral("17"));
    EXPECT_EQ(editor().buffer().data(0, 8), QStringLiteral("0"));
}

TEST_F(FntWindowTest, RefusedFilesAndEntriesChangeNothing)
{
    const QStringList before = bankTexts(1);
    for (const int size : {0, 1023, 1025, 2048}) {
        dialogs.fileAnswers.push_back(WriteTestFile(dir, QStringLiteral("falsch.fnt"), QByteArray(size, '\x01')));
        click("ButtonFntImport");
        ASSERT_EQ(dialogs.errors.size(), 1) << size;
        EXPECT_TRUE(dialogs.errors.takeFirst().endsWith(QStringLiteral(
            "falsch.fnt ist kein Zeichensatz: eine FNT-Datei ist genau 1024 Bytes lang"))) << size;
    }
    EXPECT_EQ(bankTexts(1), before);
    EXPECT_EQ(editor().historySize(), 0);

    // An entry that is no number: the conversion error, and no file.
    editor().document().setEntry(1, 5, 2, QStringLiteral("abc"));
    const QString out = dir.filePath(QStringLiteral("bank1.fnt"));
    dialogs.fileAnswers.push_back(out);
    click("ButtonFntExport");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("'abc' ist kein gültiger Integerwert"));
    EXPECT_FALSE(QFile::exists(out));
}
