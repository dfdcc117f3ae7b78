// The recovery copy against a real kill, in a real X server: a program with unsaved painting in the
// pattern editor and the level is killed; the next start asks with "Wiederherstellen" and "Verwerfen"
// and brings back the exact bytes as unsaved work; after "Verwerfen" in either question the start
// after it asks nothing. Each program is this test executable started again for one stage, with a
// home and data folders of its own.
#include "app/windowset.h"
#include "app/workrecovery.h"
#include "app/qtuserdialogs.h"
#include "common/programdatafolder.h"
#include "common/textfile.h"
#include "gui/common/controls.h"
#include "gui/common/imageview.h"
#include "gui/converter/converterwindow.h"
#include "gui/level/levelpictureview.h"
#include "gui/level/levelwindow.h"
#include "gui/pattern/patternwindow.h"
#include "level/levelfile.h"
#include "common/packedcolor_picture.h"
#include "palette/ataripalette.h"
#include "pattern/fontfile.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const char* kStage = "TAVREL_RECOVERY_STAGE";
const char* kFolder = "TAVREL_RECOVERY_FOLDER";

QString Folder() { return qEnvironmentVariable(kFolder); }
QString Expected() { return Folder() + QStringLiteral("/erwartet.txt"); }

// What the user sees of the unsaved work, as text: the pattern file, the edit buffer, the level file,
// the converter's picture.
QStringList WorkText(WindowSet& windows)
{
    PatternEditor& editor = windows.patternWindow()->editor();
    QStringList text = FontFileLines(editor);
    for (int y = 0; y < EditBuffer::kHeight; ++y) {
        text << editor.buffer().data(0, y) << editor.buffer().data(1, y);
        for (int x = 0; x < EditBuffer::kWidth; ++x)
            text << editor.buffer().grid(x, y);
    }
    const QImage& picture = windows.converterWindow()->converter().picture();
    text << QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height());
    for (int y = 0; y < picture.height(); ++y)
        text << QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(picture.constScanLine(y)), picture.width() * 4).toHex());
    return text + LevelFileLines(windows.levelWindow()->document());
}

// Clicks the button of the next message box for which `pick` names one, and notes the box's buttons.
class BoxAnswers : public QObject {
public:
    explicit BoxAnswers(std::function<QAbstractButton*(QMessageBox*)> pick) : mPick(std::move(pick))
    {
        connect(&mTimer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            texts << box->text();
            if (QAbstractButton* b = mPick(box))
                b->click();
        });
        mTimer.start(50);
    }
    QStringList buttons;
    QStringList texts;

private:
    std::function<QAbstractButton*(QMessageBox*)> mPick;
    QTimer mTimer;
};

QAbstractButton* Named(QMessageBox* box, const char* name)
{
    return box->findChild<QAbstractButton*>(QLatin1String(name));
}

void PaintLevelCell(LevelWindow* level, int x, int y)
{
    Control<QTabWidget>(level, "PageControl1")->setCurrentIndex(1);
    auto* view = Control<LevelPictureView>(level, "paintboxLevel");
    const QPoint at(32 * x + 9, 32 * y + 20);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &release);
}

// One stage, run only in a program the test below starts (disabled in every other run, so that no run
// counts it as skipped).
TEST(RecoveryStage, DISABLED_Run)
{
    const QString stage = qEnvironmentVariable(kStage);
    ASSERT_FALSE(stage.isEmpty()) << "started by RecoveryAfterAKill";
    RecordingOpener opener;
    if (stage == QLatin1String("paint")) {
        ScriptedDialogs dialogs;
        WindowSet windows(dialogs, opener, Folder());
        windows.showMain();
        WorkRecovery recovery(windows, dialogs, ProgramDataFolder());
        recovery.offerLeftWork();
        ASSERT_TRUE(dialogs.recoverQuestions.isEmpty());
        PatternWindow* main = windows.patternWindow();
        QTest::mouseClick(Control<QWidget>(main, "Farbe3"), Qt::LeftButton);
        QTest::mouseClick(Control<QWidget>(main, "PaintBox"), Qt::LeftButton, {}, QPoint(40, 20));
        QTest::mouseClick(Control<QWidget>(main, "ButtonMap"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(windows.levelWindow()));
        PaintLevelCell(windows.levelWindow(), 20, 3);
        ASSERT_EQ(windows.levelWindow()->document().cellPattern(20, 3), 3);
        // A pixel painted into a picture loaded in the converter.
        ConverterWindow* converter = windows.converterWindow();
        QImage picture(16, 8, QImage::Format_RGB32);
        picture.fill(Qt::black);
        picture.setPixel(0, 0, ToQRgb(PaletteColor(0x46)));
        ASSERT_TRUE(picture.save(Folder() + QStringLiteral("/bild.png")));
        ShowWindow(converter);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(converter));
        dialogs.fileAnswers.push_back(Folder() + QStringLiteral("/bild.png"));
        QTest::mouseClick(Control<QPushButton>(converter, "ButtonLoadPicture"), Qt::LeftButton);
        Control<QCheckBox>(converter, "CheckBox1")->setChecked(true);
        auto* image = Control<ImageView>(converter, "Image1");
        const auto at = [image](int x, int y) { return QPoint((2 * x + 1) * image->width() / 32, (2 * y + 1) * image->height() / 16); };
        QTest::mouseClick(image, Qt::RightButton, {}, at(0, 0));
        QTest::mouseClick(image, Qt::LeftButton, {}, at(15, 7));
        ASSERT_EQ(converter->converter().pixel(15, 7), PaletteColor(0x46));
        ASSERT_TRUE(converter->converter().pictureModified());
        ASSERT_TRUE(main->editor().bufferModified());
        ASSERT_TRUE(windows.levelWindow()->document().isModified());
        QFile expected(Expected());
        ASSERT_TRUE(expected.open(QIODevice::WriteOnly));
        expected.write(WorkText(windows).join(QLatin1Char('\n')).toUtf8());
        expected.close();
        // Waits to be killed, as a program that hangs or crashes.
        for (;;)
            QTest::qWait(100);
    }
    if (stage == QLatin1String("restore") || stage == QLatin1String("discard")) {
        const bool restore = stage == QLatin1String("restore");
        QtUserDialogs dialogs;
        WindowSet windows(dialogs, opener, Folder());
        windows.showMain();
        WorkRecovery recovery(windows, dialogs, ProgramDataFolder());
        {
            BoxAnswers answers([restore](QMessageBox* box) {
                return Named(box, restore ? "ButtonWiederherstellen" : "ButtonVerwerfen");
            });
            recovery.offerLeftWork();
            EXPECT_TRUE(answers.buttons.contains(QStringLiteral("Wiederherstellen"))) << answers.buttons.join(QLatin1Char(',')).toStdString();
            EXPECT_TRUE(answers.buttons.contains(QStringLiteral("Verwerfen")));
            ASSERT_EQ(answers.texts.size(), 1);
            EXPECT_TRUE(answers.texts[0].contains(QStringLiteral("Pattern-Editor und Font Datei, zuletzt geändert am ")));
            EXPECT_TRUE(answers.texts[0].contains(QStringLiteral("Level Editor, zuletzt geändert am ")));
            EXPECT_TRUE(answers.texts[0].contains(QStringLiteral("Grafikconverter (bemaltes Bild), zuletzt geändert am ")))
                << answers.texts[0].toStdString();
        }
        if (!restore)
            return; // no clean end: nothing was unsaved, so nothing is left
        QFile expected(Expected());
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
        EXPECT_EQ(WorkText(windows).join(QLatin1Char('\n')), QString::fromUtf8(expected.readAll()));
        EXPECT_TRUE(windows.patternWindow()->editor().bufferModified());
        EXPECT_TRUE(windows.levelWindow()->document().isModified());
        EXPECT_TRUE(windows.converterWindow()->converter().pictureModified());
        EXPECT_TRUE(windows.converterWindow()->isVisible());
        // Closing asks again; "Verwerfen" there ends the program cleanly.
        BoxAnswers close([](QMessageBox* box) { return box->button(QMessageBox::Discard); });
        EXPECT_TRUE(windows.patternWindow()->close());
        EXPECT_EQ(close.texts.size(), 1);
        recovery.endCleanly();
        return;
    }
    if (stage == QLatin1String("none")) {
        ScriptedDialogs dialogs;
        WindowSet windows(dialogs, opener, Folder());
        windows.showMain();
        WorkRecovery recovery(windows, dialogs, ProgramDataFolder());
        recovery.offerLeftWork();
        EXPECT_TRUE(dialogs.recoverQuestions.isEmpty());
        EXPECT_TRUE(dialogs.messages.isEmpty());
        recovery.endCleanly();
    }
}

class RecoveryAfterAKill : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run this group in an X server: xvfb-run -a with QT_QPA_PLATFORM=xcb";
        PatternEditor art;
        for (int i = 1; i <= PatternStore::kSlotsI; ++i)
            for (int j = 1; j <= PatternStore::kBanks; ++j)
                art.document().setSlot(i, j, QString::number((i * 7 + j * 3) % 256));
        SaveFontFile(art, program.filePath(QStringLiteral("Vorarado.fa8")));
    }
    QProcessEnvironment environment(const char* stage) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kStage), QString::fromLatin1(stage));
        env.insert(QString::fromLatin1(kFolder), program.path());
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("daten")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("einstellungen")));
        return env;
    }
    // Runs a stage to its end; its test result.
    bool run(const char* stage)
    {
        QProcess p;
        p.setProcessEnvironment(environment(stage));
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_also_run_disabled_tests"), QStringLiteral("--gtest_filter=RecoveryStage.DISABLED_Run")});
        if (!p.waitForFinished(60000))
            p.kill();
        const bool passed = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        EXPECT_TRUE(passed) << stage << ":\n" << p.readAll().toStdString();
        return passed;
    }
    // Paints in a program, waits 5 s and kills it.
    void paintAndKill()
    {
        QFile::remove(program.filePath(QStringLiteral("erwartet.txt")));
        QProcess p;
        p.setProcessEnvironment(environment("paint"));
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_also_run_disabled_tests"), QStringLiteral("--gtest_filter=RecoveryStage.DISABLED_Run")});
        for (int i = 0; i < 300 && !QFile::exists(program.filePath(QStringLiteral("erwartet.txt"))); ++i)
            QTest::qWait(100);
        ASSERT_TRUE(QFile::exists(program.filePath(QStringLiteral("erwartet.txt")))) << p.readAll().toStdString();
        QTest::qWait(5000);
        ASSERT_EQ(p.state(), QProcess::Running) << p.readAll().toStdString();
        p.kill(); // SIGKILL
        p.waitForFinished();
        const QStringList copies = QDir(home.filePath(QStringLiteral("daten/Tavrel/wiederherstellung")))
                                       .entryList({QStringLiteral("*.kopie")}, QDir::Files);
        EXPECT_EQ(copies.size(), 1);
    }
    QTemporaryDir program;
    QTemporaryDir home;
};

TEST_F(RecoveryAfterAKill, TheNextStartOffersTheWorkAndAsksNothingOnceItIsDropped)
{
    paintAndKill();
    EXPECT_TRUE(run("restore"));
    EXPECT_TRUE(run("none")) << "the close question's Verwerfen removed the copy";
    paintAndKill();
    EXPECT_TRUE(run("discard"));
    EXPECT_TRUE(run("none")) << "the recovery question's Verwerfen removed the copy";
}

} // namespace
