// The level editor's game buttons in the window set: test-play, the level disk, the 15-sector export and the picture.
#include "disk/gamestarter.h"
#include "disk/atrimage.h"
#include "disk/levelgamefiles.h"
#include "gui/level/levelwindow.h"
#include "levelio/disklevelrecord.h"
#include "gui/pattern/patternwindow.h"
#include "support/standinemulator.h"
#include "support/windowsetfixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <QUndoStack>

namespace {

// How to choose an emulator, the second line of both messages when none started.
const QString kHint =
    QStringLiteral("\nEin Emulator lässt sich mit \u201EEmulator\u2026\u201C neben \u201ETest ATR\u201C wählen.");

// A program folder with copies of the shipped start-up file, game and disk, and another current folder.
class MapGameTest : public WindowSetFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid() && workDir.isValid());
        const QDir shipped(QCoreApplication::applicationDirPath());
        for (const char* name : {"Vorarado.fa8", "oxil.xex", "oxildisk.atr"})
            ASSERT_TRUE(QFile::copy(shipped.filePath(QLatin1String(name)), folder.filePath(QLatin1String(name))))
                << name << ": build the shipped data first";
        oldCurrent = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        start();
        map = set->levelWindow();
    }
    void TearDown() override
    {
        set.reset();
        QDir::setCurrent(oldCurrent);
    }
    void openEditor() { QTest::mouseClick(Control<QPushButton>(set->patternWindow(), "ButtonMap"), Qt::LeftButton); }
    void click(const char* name) { QTest::mouseClick(Control<QPushButton>(map, name), Qt::LeftButton); }
    // Types a slot number over the field's text as a user does, ended with Return.
    void typeSlot(const char* text)
    {
        auto* spin = Control<QSpinBox>(map, "SpinATRlevel");
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QString::fromLatin1(text));
        QTest::keyClick(spin, Qt::Key_Return);
    }
    QStringList log() const { return Control<QPlainTextEdit>(map, "Memo")->toPlainText().split(QLatin1Char('\n')); }
    QString program(const char* name) const { return folder.filePath(QLatin1String(name)); }
    QString work(const char* name) const { return workDir.filePath(QLatin1String(name)); }

    QTemporaryDir workDir;
    QString oldCurrent;
    LevelWindow* map = nullptr;
};

} // namespace

TEST_F(MapGameTest, FreshStartPlayLevelAndTestAtrReachTheDesktop)
{
    openEditor();
    click("ButtonPlayMatrix");
    ASSERT_EQ(opener.opened, QStringList{work("oxil-neu.xex")});
    const QByteArray played = ReadTestFile(work("oxil-neu.xex"));
    const QByteArray game = ReadTestFile(program("oxil.xex"));
    ASSERT_EQ(played.size(), 38677);
    for (int i = 0; i < played.size(); ++i) {
        if (i < 8969 || i > 10558) {
            ASSERT_EQ(played[i], game[i]) << "offset " << i;
        }
    }
    const QStringList lines = log();
    ASSERT_EQ(lines.size(), 1 + 1280); // the disk path, then the build; the shipped game is well formed
    EXPECT_EQ(lines[1], QStringLiteral("Zeichen  8970 / 1 / 1 / 0"));
    EXPECT_EQ(lines.last(), QStringLiteral("Zeichen  10249 / 255 / 10 / 0"));

    click("SpeedButton14");
    ASSERT_EQ(opener.opened.size(), 2);
    EXPECT_EQ(opener.opened[1], program("oxildisk.atr"));
    EXPECT_EQ(QFileInfo(opener.opened[1]).size(), 133136);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MapGameTest, PlayLevelBeforeTheFirstOpeningStopsAtTheEmptyGrid)
{
    click("ButtonPlayMatrix");
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("'' ist kein gültiger Integerwert")});
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(work("oxil-neu.xex")));
}

TEST_F(MapGameTest, NothingThatCanStartTheFilesShowsTheMessages)
{
    StandinEmulators none; // a PATH without any emulator
    openEditor();
    opener.answer = false;
    click("ButtonPlayMatrix");
    click("SpeedButton14");
    EXPECT_EQ(dialogs.messages,
              QStringList({QStringLiteral("Es ist ein Fehler aufgetreten beim Starten der Atari-Datei") + kHint,
                           QStringLiteral("Es ist ein Fehler aufgetreten beim Starten der Atari-Datei: \r") +
                               program("oxildisk.atr") + kHint}));
    EXPECT_TRUE(QFileInfo::exists(work("oxil-neu.xex")));
    EXPECT_EQ(log().size(), 1 + 1280); // the build lines are in the log before the message
}

TEST_F(MapGameTest, FailedDiskLoadShowsOneMessageAndChangesNothing)
{
    openEditor();
    const std::vector<QString> codes = map->document().gridCodes();
    const QImage picture = map->picture().level().copy();
    const QStringList before = log();
    const QString missing = work("nichts.atr");
    dialogs.fileAnswers.push_back(missing);
    click("SpeedButton13");
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].filter,
              QStringLiteral("Tavrel ATR Dateien für Atari 8Bit (*.atr)|*.atr|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(dialogs.openRequests[0].fileName, program("oxildisk.atr"));
    EXPECT_EQ(Control<QLabel>(map, "LabelATRname")->text(), QStringLiteral("ATR: nichts.atr"));

    click("ButtonAtrLoad");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Fehler: Datei %1 kann nicht geöffnet werden. ").arg(missing)))
        << dialogs.messages[0].toStdString();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(map->document().gridCodes(), codes);
    EXPECT_EQ(map->picture().level(), picture);
    EXPECT_EQ(log(), before);

    // A file that is no level disk: refused in the same way, and "Level auf ATR speichern" never writes it.
    const QString text = WriteTestFile(workDir, QStringLiteral("text.atr"), QByteArray("kein Diskettenabbild"));
    dialogs.fileAnswers.push_back(text);
    click("SpeedButton13");
    click("ButtonAtrLoad");
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1],
              QStringLiteral("Fehler: Datei %1 ist keine ATR-Diskette: die Kennung 96 02 fehlt am Anfang.").arg(text));
    click("ButtonAtrSave");
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Datei %1 ist keine ATR-Diskette: die Kennung 96 02 fehlt am "
                                                         "Anfang.")
                                              .arg(text)});
    EXPECT_EQ(ReadTestFile(text), QByteArray("kein Diskettenabbild"));
    EXPECT_EQ(map->document().gridCodes(), codes);
}

TEST_F(MapGameTest, LoadASlotDrawItAndSaveItIntoAnother)
{
    openEditor();
    const QByteArray disk = ReadTestFile(program("oxildisk.atr"));
    typeSlot("2");
    const QImage before = map->picture().level().copy();
    click("ButtonAtrLoad");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(map->document().title().startsWith(QStringLiteral("GLATTEIS")));
    EXPECT_NE(map->picture().level(), before);
    EXPECT_FALSE(map->document().undoStack().canUndo());

    // A number beyond the 40 slots becomes the last one, and the save goes there.
    typeSlot("99");
    EXPECT_EQ(Control<QSpinBox>(map, "SpinATRlevel")->value(), 40);
    click("ButtonAtrSave");
    EXPECT_TRUE(dialogs.errors.isEmpty());
    const QByteArray after = ReadTestFile(program("oxildisk.atr"));
    ASSERT_EQ(after.size(), disk.size());
    const int slot40 = AtrImage::slotOffset(40);
    EXPECT_EQ(after.left(slot40), disk.left(slot40));
    EXPECT_EQ(after.mid(slot40 + 3200), disk.mid(slot40 + 3200));
    // Slot 40 now holds slot 2's level, but for the level number in its level line.
    EXPECT_EQ(after.mid(slot40, 2656), disk.mid(AtrImage::slotOffset(2), 2656));
    EXPECT_EQ(after.mid(slot40 + 2656, 14), QByteArray("LEVEL 40: FROM"));

    // Below the first slot is the first one: loading it replaces the level again.
    LevelDocument slot1;
    ReadDiskLevelRecord(slot1, disk.mid(AtrImage::slotOffset(1), 3200));
    ASSERT_NE(slot1.gridCodes(), map->document().gridCodes());
    typeSlot("0");
    EXPECT_EQ(Control<QSpinBox>(map, "SpinATRlevel")->value(), 1);
    click("ButtonAtrLoad");
    EXPECT_EQ(map->document().gridCodes(), slot1.gridCodes());
}

TEST_F(MapGameTest, BinaryExportAndPicture)
{
    openEditor();
    Control<QSpinBox>(map, "SpinATRlevel")->setValue(4);
    map->document().setAuthor(QStringLiteral(" Ich "));
    map->document().setTitle(QStringLiteral("Wald"));
    click("ButtonBinarySave15");
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'|').toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    const QByteArray bin = ReadTestFile(program("DAD-Level-4-Ich-Wald.bin"));
    ASSERT_EQ(bin.size(), 1920);
    EXPECT_EQ(bin, map->gameFiles().xexImage().mid(8777, 1920));
    QImage saved(program("DAD-Level-4-Ich-Wald.bmp"));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), map->picture().level().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(log().size(), 1 + 1280);

    click("Button31");
    const QByteArray bmp = ReadTestFile(work("bild.bmp"));
    ASSERT_EQ(bmp.size(), 54 + 4096 * 320 * 4);
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 32);
    EXPECT_EQ(QImage(work("bild.bmp")).convertToFormat(QImage::Format_RGB32),
              map->picture().level().convertToFormat(QImage::Format_RGB32));

    // A title the file system cannot take stops the export before anything is written.
    map->document().setTitle(QStringLiteral("Wer?"));
    click("ButtonBinarySave15");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden.")
                                                 .arg(program("DAD-Level-4-Ich-Wer?.bin"))));
    EXPECT_FALSE(QFileInfo::exists(program("DAD-Level-4-Ich-Wer?.bmp")));
}

namespace {

// The emulator dialog the "Emulator…" button opened; fails the test when there is none.
QDialog* EmulatorDialogOf(QWidget* map)
{
    auto* dialog = map->findChild<QDialog*>(QStringLiteral("EmulatorDialog"));
    EXPECT_NE(dialog, nullptr) << "no emulator dialog";
    if (dialog) {
        EXPECT_TRUE(dialog->isVisible());
    }
    return dialog;
}

// Closes a dialog with one of its buttons and lets it go away.
void CloseWith(QDialog* dialog, const char* button)
{
    QTest::mouseClick(Control<QPushButton>(dialog, button), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST_F(MapGameTest, EmulatorDialogKeepsTheCommandAcrossRuns)
{
    openEditor();
    click("ButtonEmulator");
    QDialog* dialog = EmulatorDialogOf(map);
    ASSERT_TRUE(dialog);
    auto* edit = Control<QLineEdit>(dialog, "EditEmulator");
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(edit->placeholderText(), QStringLiteral("Standard"));
    QTest::keyClicks(edit, QStringLiteral("emu-test --flag %f"));
    CloseWith(dialog, "ButtonOK");
    EXPECT_EQ(StoredEmulatorCommand(), QStringLiteral("emu-test --flag %f"));

    // Another run: a new window set reads the command back from the settings file.
    map = start().levelWindow();
    openEditor();
    click("ButtonEmulator");
    dialog = EmulatorDialogOf(map);
    ASSERT_TRUE(dialog);
    edit = Control<QLineEdit>(dialog, "EditEmulator");
    EXPECT_EQ(edit->text(), QStringLiteral("emu-test --flag %f"));

    // "Durchsuchen…" puts the chosen program in, quoted where it has blanks; "Abbrechen" keeps the old command.
    dialogs.fileAnswers.push_back(QStringLiteral("/opt/mein emu/emu"));
    QTest::mouseClick(Control<QPushButton>(dialog, "ButtonDurchsuchen"), Qt::LeftButton);
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].fileName, QStringLiteral("emu-test"));
    EXPECT_EQ(edit->text(), QStringLiteral("\"/opt/mein emu/emu\" %f"));
    // A tab or a double quote in the path: the command still names exactly that program.
    const QString odd = QStringLiteral("/opt/tab\there/\"emu\"");
    dialogs.fileAnswers.push_back(odd);
    QTest::mouseClick(Control<QPushButton>(dialog, "ButtonDurchsuchen"), Qt::LeftButton);
    ASSERT_EQ(dialogs.openRequests.size(), 2u);
    EXPECT_EQ(dialogs.openRequests[1].fileName, QStringLiteral("/opt/mein emu/emu"));
    const std::optional<EmulatorCall> call = EmulatorCallFor(edit->text(), QStringLiteral("/x/spiel.xex"));
    ASSERT_TRUE(call.has_value());
    EXPECT_EQ(call->program, odd);
    EXPECT_EQ(call->arguments, QStringList({QStringLiteral("/x/spiel.xex")}));
    CloseWith(dialog, "ButtonAbbrechen");
    EXPECT_EQ(StoredEmulatorCommand(), QStringLiteral("emu-test --flag %f"));

    // "Standard" empties the command.
    click("ButtonEmulator");
    dialog = EmulatorDialogOf(map);
    ASSERT_TRUE(dialog);
    QTest::mouseClick(Control<QPushButton>(dialog, "ButtonStandard"), Qt::LeftButton);
    EXPECT_EQ(Control<QLineEdit>(dialog, "EditEmulator")->text(), QString());
    CloseWith(dialog, "ButtonOK");
    EXPECT_EQ(StoredEmulatorCommand(), QString());

    // Settings that cannot be written: the error box, and the dialog stays open with the text typed.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null/kein-ordner"));
    click("ButtonEmulator");
    dialog = EmulatorDialogOf(map);
    ASSERT_TRUE(dialog);
    QTest::keyClicks(Control<QLineEdit>(dialog, "EditEmulator"), QStringLiteral("emu"));
    QTest::mouseClick(Control<QPushButton>(dialog, "ButtonOK"), Qt::LeftButton);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Die Einstellung kann nicht gespeichert werden: Datei "
                                                         "\"/dev/null/kein-ordner/Tavrel/Tavrel.ini\" ist nicht beschreibbar.")});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Control<QLineEdit>(dialog, "EditEmulator")->text(), QStringLiteral("emu"));
    QTemporaryDir fresh;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, fresh.path());
    CloseWith(dialog, "ButtonAbbrechen");
}

TEST_F(MapGameTest, PlayLevelAndTestAtrStartTheEmulatorSetInTheDialog)
{
    StandinEmulators path;
    path.add(QStringLiteral("atari800"));
    path.add(QStringLiteral("emu-test"));
    openEditor();
    click("ButtonEmulator");
    QDialog* dialog = EmulatorDialogOf(map);
    ASSERT_TRUE(dialog);
    QTest::keyClicks(Control<QLineEdit>(dialog, "EditEmulator"), QStringLiteral("emu-test -run %f"));
    CloseWith(dialog, "ButtonOK");

    click("ButtonPlayMatrix");
    EXPECT_EQ(path.arguments(QStringLiteral("emu-test")), QStringList({QStringLiteral("-run"), work("oxil-neu.xex")}));
    path.clear(QStringLiteral("emu-test"));
    click("SpeedButton14");
    EXPECT_EQ(path.arguments(QStringLiteral("emu-test")),
              QStringList({QStringLiteral("-run"), program("oxildisk.atr")}));
    StoreEmulatorCommand(QString());

    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(path.arguments(QStringLiteral("atari800"), 300).isEmpty());
}
