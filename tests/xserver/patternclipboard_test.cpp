// Patterns on the real clipboard of an X server: the framed run copied in the pattern editor is read by
// another program (xclip) as text and as a picture, and text that program put there pastes, in any
// case and spacing; text that is no patterns changes nothing.
#include "gui/common/imageview.h"
#include "gui/pattern/patternwindow.h"
#include "pattern/fontfile.h"
#include "support/windowsetfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class PatternClipboard : public WindowSetFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run this group in an X server: xvfb-run -a with QT_QPA_PLATFORM=xcb";
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            << "xclip is missing: scripts/setup.sh installs it";
        // Patterns 1-3 of set 1 with distinct bytes, the rest 0.
        PatternEditor seed;
        for (int p = 1; p <= 3; ++p)
            for (int y = 0; y < 16; ++y)
                for (int h = 0; h < 2; ++h)
                    seed.document().setPatternByte(1, p, y, h, QString::number(p * 60 + 2 * y + h));
        SaveFontFile(seed, folder.filePath(QStringLiteral("Vorarado.fa8")));
        seedBytes = ReadTestFile(folder.filePath(QStringLiteral("Vorarado.fa8")));
        start();
        form = set->patternWindow();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }
    void TearDown() override
    {
        if (writer) {
            writer->kill();
            writer->waitForFinished(5000);
        }
    }

    // Reads the clipboard as another program does, the event loop serving it meanwhile; a failed read
    // fails the test unless `failed` takes it.
    QByteArray xclipOut(const QString& target, bool* failed = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o"),
                                         QStringLiteral("-t"), target});
        QElapsedTimer t;
        t.start();
        while (!p.waitForFinished(10) && t.elapsed() < 10000)
            QCoreApplication::processEvents();
        if (failed)
            *failed = p.exitCode() != 0;
        else
            EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return p.readAllStandardOutput();
    }
    // Another program owns the clipboard with this text until the test ends.
    void xclipIn(const QByteArray& text)
    {
        if (writer) {
            writer->kill();
            writer->waitForFinished(5000);
        }
        writer = std::make_unique<QProcess>();
        writer->start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-i"),
                                                QStringLiteral("-quiet")});
        ASSERT_TRUE(writer->waitForStarted(5000));
        writer->write(text);
        writer->closeWriteChannel();
        // Owned once the clipboard no longer answers with what it had.
        QElapsedTimer t;
        t.start();
        bool failed = true;
        while ((xclipOut(QStringLiteral("UTF8_STRING"), &failed) != text || failed) && t.elapsed() < 10000)
            QTest::qWait(20);
        ASSERT_EQ(xclipOut(QStringLiteral("UTF8_STRING")), text);
    }
    void overviewKey(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        auto* overview = Control<ImageView>(form, "paintboxall");
        overview->setFocus();
        QTest::keyClick(overview, k, m);
    }
    QByteArray saved()
    {
        const QString path = folder.filePath(QStringLiteral("saved.fa8"));
        QFile::remove(path);
        dialogs.fileAnswers.push_back(path);
        QTest::mouseClick(Control<QPushButton>(form, "ButtonSaveFile"), Qt::LeftButton);
        return ReadTestFile(path);
    }
    QString lastLog() { return Control<QPlainTextEdit>(form, "Memo")->toPlainText().split(QLatin1Char('\n')).last(); }

    PatternWindow* form = nullptr;
    QByteArray seedBytes;
    std::unique_ptr<QProcess> writer;
};

} // namespace

TEST_F(PatternClipboard, ARunGoesOutAsTextAndPictureAndComesBackFromAnotherProgram)
{
    // Patterns 1-3 of set 1 framed and copied.
    overviewKey(Qt::Key_Right, Qt::ShiftModifier);
    overviewKey(Qt::Key_Right, Qt::ShiftModifier);
    overviewKey(Qt::Key_C, Qt::ControlModifier);
    const QByteArray targets = xclipOut(QStringLiteral("TARGETS"));
    EXPECT_TRUE(targets.contains("image/png")) << targets.toStdString();
    const QByteArray text = xclipOut(QStringLiteral("UTF8_STRING"));
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), 4) << text.toStdString(); // three lines and the end of the last
    EXPECT_TRUE(lines[0].startsWith("3C 3D 3E 3F 40")) << lines[0].toStdString();
    EXPECT_TRUE(lines[2].startsWith("B4 B5")) << lines[2].toStdString();
    QImage picture;
    ASSERT_TRUE(picture.loadFromData(xclipOut(QStringLiteral("image/png")), "PNG"));
    EXPECT_EQ(picture.size(), QSize(96, 32));
    EXPECT_TRUE(picture.convertToFormat(QImage::Format_RGB32)
                == form->editor().overview().copy(0, 0, 96, 32).convertToFormat(QImage::Format_RGB32));

    // The same text from the other program, pasted at set 4 pattern 63: two fit, one is left out.
    xclipIn(text);
    overviewKey(Qt::Key_Down);
    overviewKey(Qt::Key_Down);
    overviewKey(Qt::Key_Down);
    overviewKey(Qt::Key_End);
    overviewKey(Qt::Key_Left);
    overviewKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(lastLog(), QStringLiteral("2 Patterns eingefügt (Set 4: 63-64); kein Platz mehr im Set für 1 weiteres Pattern"))
        << lastLog().toStdString();
    PatternEditor expected;
    LoadFontFile(expected.document(), folder.filePath(QStringLiteral("Vorarado.fa8")));
    for (int p = 0; p < 2; ++p)
        for (int y = 0; y < 16; ++y)
            for (int h = 0; h < 2; ++h)
                expected.document().setPatternByte(4, 63 + p, y, h, QString::number((p + 1) * 60 + 2 * y + h));
    SaveFontFile(expected, folder.filePath(QStringLiteral("expected.fa8")));
    const QByteArray pasted = ReadTestFile(folder.filePath(QStringLiteral("expected.fa8")));
    EXPECT_EQ(saved(), pasted);

    // Typed elsewhere: lower case, blanks of any kind and count, bytes written together, CR LF.
    QByteArray typed = lines[0].toLower().replace(' ', "  ");
    typed = "\r\n" + typed.left(20).replace(" ", "") + "\t" + typed.mid(20) + "\r\n\r\n";
    xclipIn(typed);
    overviewKey(Qt::Key_Home);
    overviewKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(lastLog(), QStringLiteral("1 Pattern eingefügt (Set 4: 1)")) << lastLog().toStdString();
    for (int y = 0; y < 16; ++y)
        for (int h = 0; h < 2; ++h)
            expected.document().setPatternByte(4, 1, y, h, QString::number(60 + 2 * y + h));
    SaveFontFile(expected, folder.filePath(QStringLiteral("expected.fa8")));
    const QByteArray typedIn = ReadTestFile(folder.filePath(QStringLiteral("expected.fa8")));
    EXPECT_EQ(saved(), typedIn);

    // Text that is no patterns changes nothing and says why.
    for (const QByteArray& bad : {QByteArray("Hallo Welt\n"), QByteArray("3C 3D 3E\n"), lines[0] + " 00\n"}) {
        xclipIn(bad);
        overviewKey(Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(lastLog().startsWith(QStringLiteral("Einfügen nicht möglich: Zeile 1: "))) << lastLog().toStdString();
        EXPECT_EQ(saved(), typedIn) << bad.toStdString();
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}
