// The sound converter window driven through its controls and scripted dialogs.
#include "gui/common/imageview.h"
#include "gui/sound/soundwindow.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class SoundWindowTest : public ::testing::Test {
protected:
    SoundWindowTest() { window.ensureControls(); }
    QString write(const QString& name, const QByteArray& bytes) { return WriteTestFile(dir, name, bytes); }
    static QByteArray read(const QString& path) { return ReadTestFile(path); }
    void click(const char* name) { QTest::mouseClick(Control<QPushButton>(&window, name), Qt::LeftButton); }
    QStringList log() { return Control<QPlainTextEdit>(&window, "Memo1")->toPlainText().split(QLatin1Char('\n')); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    SoundWindow window{dialogs};
};

TEST_F(SoundWindowTest, LoadPackSave)
{
    const QString in = write(QStringLiteral("in.snd"), QByteArray("\x12\x34\xAB\xCD\xEF", 5));
    const QString out = dir.filePath(QStringLiteral("Pokey.bin"));
    dialogs.fileAnswers = {in, out};
    EXPECT_EQ(Control<QLabel>(&window, "Paneltop")->text(), QStringLiteral("Keine Datei geladen"));

    click("ButtonLoadPicture");
    click("Button8to4packed");
    click("ButtonRAMsave");

    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(log(), (QStringList{QStringLiteral("Loading: ") + in, QStringLiteral("5 Dateigröße"),
                                  QStringLiteral("5 wirklich geladen"), QStringLiteral("980"),
                                  QStringLiteral("Packe 5 8Bit-Bytes auf 2 4Bit Doppel-Nibble"),
                                  QStringLiteral("Speichere Datei: ") + out}));
    EXPECT_EQ(Control<QLabel>(&window, "Paneltop")->text(), in + QStringLiteral("  (5 Bytes)"));
    EXPECT_EQ(read(out), QByteArray("\x13\xAC", 2));

    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    const FileDialogRequest& open = dialogs.openRequests[0];
    EXPECT_EQ(open.filter, QStringLiteral("Sounddateien (*.snd)|*.snd|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(open.filterIndex, 1);
    EXPECT_TRUE(open.fileName.isEmpty());
    EXPECT_EQ(open.initialDir, QDir::currentPath());
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const FileDialogRequest& save = dialogs.saveRequests[0];
    EXPECT_EQ(save.title, QStringLiteral("Speichern: Dateiname für die Pokey-Datei?"));
    EXPECT_EQ(save.filter, QStringLiteral("Pokey Data RAM Datei  (*.bin)|*.bin|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(save.filterIndex, 1);
    EXPECT_EQ(save.defaultExt, QStringLiteral("bin"));
    EXPECT_EQ(save.fileName, QStringLiteral("Pokey.bin"));
    EXPECT_EQ(save.initialDir, QDir::currentPath());
}

TEST_F(SoundWindowTest, ModulLogsAllItsLines)
{
    dialogs.fileAnswers = {write(QStringLiteral("in.snd"), QByteArray(4, '\x20'))};
    click("ButtonLoadPicture");
    Control<QPlainTextEdit>(&window, "Memo1")->clear();
    click("Button8to4packedShuffledModul");
    const QStringList lines = log();
    ASSERT_EQ(lines.size(), 257);
    EXPECT_EQ(lines[0], QStringLiteral("1; 0"));
    EXPECT_EQ(lines[256],
              QStringLiteral("Schritt2: Erzeuge 1280 8Bit-Bytes im 8/2 +1 Shuffe-Modus 8*128 + 8*28(32) im 8 KB Raster  "));
}

TEST_F(SoundWindowTest, CancelledLoadStillDrawsThePlots)
{
    click("ButtonLoadPicture");
    EXPECT_EQ(log(), QStringList{QStringLiteral("980")});
    EXPECT_EQ(window.converter().plot8().pixel(500, 3), qRgb(255, 0, 0));
    EXPECT_EQ(Control<ImageView>(&window, "paintbox")->image(), &window.converter().plot8());
    EXPECT_EQ(Control<ImageView>(&window, "paintbox8")->image(), &window.converter().plot4());
    EXPECT_EQ(Control<QLabel>(&window, "Paneltop")->text(), QStringLiteral("Keine Datei geladen"));
}

TEST_F(SoundWindowTest, RefusedLoadShowsTheErrorAndKeepsTheWindowAsItWas)
{
    const QString good = write(QStringLiteral("good.snd"), QByteArray("\x40\x40", 2));
    const QString tooLong = write(QStringLiteral("long.snd"), QByteArray(2097151, '\x10'));
    dialogs.fileAnswers = {good, tooLong, dir.filePath(QStringLiteral("missing.snd"))};
    click("ButtonLoadPicture");
    const QString panel = Control<QLabel>(&window, "Paneltop")->text();
    click("ButtonLoadPicture");
    click("ButtonLoadPicture");

    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("Datei %1 ist zu groß: höchstens 2097150 Bytes").arg(tooLong));
    EXPECT_TRUE(dialogs.errors[1].startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden.")
                                                 .arg(dir.filePath(QStringLiteral("missing.snd")))));
    EXPECT_EQ(Control<QLabel>(&window, "Paneltop")->text(), panel);
    EXPECT_EQ(window.converter().CurrentLength(), 2);
    // A failed load ends the action before the plots: "980" was logged once, by the good load.
    EXPECT_EQ(log().count(QStringLiteral("980")), 1);
}

TEST_F(SoundWindowTest, SaveIntoUnwritableFolderShowsTheFileErrorAndKeepsTheData)
{
    dialogs.fileAnswers = {write(QStringLiteral("in.snd"), QByteArray("\x12\x34", 2))};
    click("ButtonLoadPicture");
    click("Button8to4packed");
    // A path below a plain file cannot be created, whoever runs the test.
    const QString blocked = write(QStringLiteral("plain"), "x") + QStringLiteral("/Pokey.bin");
    const QString good = dir.filePath(QStringLiteral("Pokey.bin"));
    dialogs.fileAnswers = {blocked, good};
    click("ButtonRAMsave");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden.").arg(blocked)))
        << dialogs.errors[0].toStdString();
    EXPECT_FALSE(QFile::exists(blocked));

    click("ButtonRAMsave");
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(read(good), QByteArray("\x13", 1));
}

TEST_F(SoundWindowTest, CloseHidesAndKeepsTheBuffers)
{
    dialogs.fileAnswers = {write(QStringLiteral("in.snd"), QByteArray("\x12\x34", 2))};
    click("ButtonLoadPicture");
    window.show();
    click("Buttonende");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.converter().CurrentLength(), 2);
}

} // namespace
