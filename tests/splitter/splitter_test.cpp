// The file splitter: ranges cut to the loaded file, the length field, loading failures, the window.
#include "common/boundedbytefile.h"
#include "common/errors.h"
#include "support/childprocess.h"
#include "splitter/splitbuffer.h"
#include "gui/splitter/splitterwindow.h"
#include "support/scripteddialogs.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

namespace {

constexpr int kMax = std::numeric_limits<int>::max();

class SplitterTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) { return WriteTestFile(dir, name, bytes); }
    static QByteArray read(const QString& path) { return ReadTestFile(path); }

    QTemporaryDir dir;
    const QByteArray sixBytes{"\x00\x01\x02\x03\x04\x05", 6};
};

TEST_F(SplitterTest, PieceIsCutToTheLoadedFile)
{
    SplitBuffer buffer;
    buffer.dateiladen(write(QStringLiteral("six.bin"), sixBytes));
    const struct {
        int start, stop;
        QByteArray piece;
    } cases[] = {
        {1, 6, sixBytes},
        {3, 5, QByteArray("\x02\x03\x04", 3)},
        {5, 4, QByteArray()},
        {4, 4, QByteArray("\x03", 1)},
        {-3, 2, QByteArray("\x00\x01", 2)},
        {5, 100, QByteArray("\x04\x05", 2)},
        {7, 9, QByteArray()},
        {-kMax, kMax, sixBytes},
        {-kMax, 0, QByteArray()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << ".." << c.stop);
        EXPECT_EQ(buffer.piece(c.start, c.stop), c.piece);
    }
}

TEST_F(SplitterTest, LengthIsStopMinusStartPlusOneWithinTheFieldRange)
{
    EXPECT_EQ(SplitLength(3, 5), 3);
    EXPECT_EQ(SplitLength(5, 4), 0);
    EXPECT_EQ(SplitLength(1, 0), 0);
    EXPECT_EQ(SplitLength(-kMax, kMax), kMax);
    EXPECT_EQ(SplitLength(kMax, -kMax), -kMax);
}

TEST_F(SplitterTest, FailedLoadKeepsTheBuffer)
{
    SplitBuffer buffer;
    buffer.dateiladen(write(QStringLiteral("six.bin"), sixBytes));
    EXPECT_THROW(buffer.dateiladen(dir.filePath(QStringLiteral("missing.bin"))), FileOpenError);
    EXPECT_THROW(buffer.dateiladen(write(QStringLiteral("long.bin"), QByteArray(SplitBuffer::kCapacity + 1, 'x'))),
                 FileTooLongError);
    EXPECT_EQ(buffer.bytes(), sixBytes);
}

class SplitterWindowTest : public SplitterTest {
protected:
    SplitterWindowTest() { window.ensureControls(); }
    void click(const char* name) { QTest::mouseClick(Control<QPushButton>(&window, name), Qt::LeftButton); }
    QStringList log() { return Control<QPlainTextEdit>(&window, "Memo1")->toPlainText().split(QLatin1Char('\n')); }

    ScriptedDialogs dialogs;
    SplitterWindow window{dialogs};
};

TEST_F(SplitterWindowTest, LoadThenSaveARange)
{
    const QString in = write(QStringLiteral("six.bin"), sixBytes);
    const QString whole = dir.filePath(QStringLiteral("whole.bin"));
    const QString middle = dir.filePath(QStringLiteral("Teilstueck.bin"));
    dialogs.fileAnswers = {in, whole, middle};

    click("ButtonLoad");
    auto* start = Control<QSpinBox>(&window, "Spinstart");
    auto* stop = Control<QSpinBox>(&window, "Spinstop");
    auto* length = Control<QSpinBox>(&window, "Spinlaenge");
    EXPECT_EQ(start->value(), 1);
    EXPECT_EQ(stop->value(), 6);
    EXPECT_EQ(length->value(), 6);
    EXPECT_EQ(Control<QLabel>(&window, "Paneltop")->text(), in + QStringLiteral("  (6 Bytes)"));

    click("Buttonsave");
    EXPECT_EQ(read(whole), sixBytes);

    start->setValue(3);
    stop->setValue(5);
    EXPECT_EQ(length->value(), 3);
    click("Buttonsave");
    EXPECT_EQ(read(middle), QByteArray("\x02\x03\x04", 3));

    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(log(), (QStringList{QStringLiteral("Loading: ") + in, QStringLiteral("6 Dateigröße"),
                                  QStringLiteral("6 wirklich geladen"), QStringLiteral("Speichere Datei: ") + whole,
                                  QStringLiteral("Speichere Datei: ") + middle}));
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].filter, QStringLiteral("Alle Dateien (*.*)|*.*"));
    EXPECT_TRUE(dialogs.openRequests[0].fileName.isEmpty());
    EXPECT_EQ(dialogs.openRequests[0].initialDir, QDir::currentPath());
    ASSERT_EQ(dialogs.saveRequests.size(), 2u);
    const FileDialogRequest& save = dialogs.saveRequests[1];
    EXPECT_EQ(save.title, QStringLiteral("Speichern: Dateiname für Teilstück angeben?"));
    EXPECT_EQ(save.filter, QStringLiteral("Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(save.defaultExt, QStringLiteral("bin"));
    EXPECT_EQ(save.fileName, QStringLiteral("Teilstueck.bin"));
    EXPECT_EQ(save.initialDir, QDir::currentPath());
}

TEST_F(SplitterWindowTest, StopBeforeStartSavesAnEmptyFile)
{
    const QString out = write(QStringLiteral("old.bin"), "old content");
    dialogs.fileAnswers = {write(QStringLiteral("six.bin"), sixBytes), out};
    click("ButtonLoad");
    Control<QSpinBox>(&window, "Spinstart")->setValue(5);
    Control<QSpinBox>(&window, "Spinstop")->setValue(4);
    EXPECT_EQ(Control<QSpinBox>(&window, "Spinlaenge")->value(), 0);
    click("Buttonsave");
    EXPECT_EQ(read(out), QByteArray());
}

TEST_F(SplitterWindowTest, EmptyFileGivesAnEmptyRange)
{
    const QString out = write(QStringLiteral("old.bin"), "old content");
    dialogs.fileAnswers = {write(QStringLiteral("empty.bin"), QByteArray()), out};
    click("ButtonLoad");
    EXPECT_EQ(log().mid(1), (QStringList{QStringLiteral("0 Dateigröße"), QStringLiteral("0 wirklich geladen")}));
    EXPECT_EQ(Control<QSpinBox>(&window, "Spinstart")->value(), 1);
    EXPECT_EQ(Control<QSpinBox>(&window, "Spinstop")->value(), 0);
    EXPECT_EQ(Control<QSpinBox>(&window, "Spinlaenge")->value(), 0);
    click("Buttonsave");
    EXPECT_EQ(read(out), QByteArray());
}

TEST_F(SplitterWindowTest, TypedLengthChangesNothingUntilStartOrStopMoves)
{
    dialogs.fileAnswers = {write(QStringLiteral("six.bin"), sixBytes)};
    click("ButtonLoad");
    Control<QSpinBox>(&window, "Spinlaenge")->selectAll();
    QTest::keyClicks(Control<QSpinBox>(&window, "Spinlaenge"), QStringLiteral("99"));
    EXPECT_EQ(Control<QSpinBox>(&window, "Spinlaenge")->value(), 99);
    EXPECT_EQ(Control<QSpinBox>(&window, "Spinstart")->value(), 1);
    EXPECT_EQ(Control<QSpinBox>(&window, "Spinstop")->value(), 6);
    Control<QSpinBox>(&window, "Spinstop")->setValue(2);
    EXPECT_EQ(Control<QSpinBox>(&window, "Spinlaenge")->value(), 2);
}

TEST_F(SplitterWindowTest, FailedLoadKeepsBufferStartAndStop)
{
    const QString in = write(QStringLiteral("six.bin"), sixBytes);
    dialogs.fileAnswers = {in, dir.filePath(QStringLiteral("missing.bin"))};
    click("ButtonLoad");
    Control<QSpinBox>(&window, "Spinstart")->setValue(2);
    click("ButtonLoad");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden.")
                                                 .arg(dir.filePath(QStringLiteral("missing.bin")))));
    EXPECT_EQ(Control<QSpinBox>(&window, "Spinstart")->value(), 2);
    EXPECT_EQ(Control<QSpinBox>(&window, "Spinstop")->value(), 6);
    EXPECT_EQ(Control<QLabel>(&window, "Paneltop")->text(), in + QStringLiteral("  (6 Bytes)"));
    EXPECT_EQ(window.buffer().bytes(), sixBytes);
}

TEST_F(SplitterWindowTest, SaveIntoUnwritableFolderShowsTheFileErrorAndKeepsTheOldFile)
{
    const QString out = write(QStringLiteral("out.bin"), "keep me");
    // A path below a plain file cannot be created, whoever runs the test.
    const QString blocked = out + QStringLiteral("/Teilstueck.bin");
    dialogs.fileAnswers = {write(QStringLiteral("six.bin"), sixBytes), blocked, out};
    click("ButtonLoad");
    click("Buttonsave");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden.").arg(blocked)));
    EXPECT_EQ(read(out), QByteArray("keep me"));
    click("Buttonsave");
    EXPECT_EQ(read(out), sixBytes);
}

TEST_F(SplitterTest, ASaveThatFallsShortByAFewKiBKeepsTheOldFile)
{
    SplitBuffer buffer;
    buffer.dateiladen(write(QStringLiteral("in.bin"), QByteArray(30000, 'x')));
    const QString name = write(QStringLiteral("Teilstueck.bin"), "old piece");
    const ChildResult result = RunWithFileSizeLimit(20000 - 3000, [&] { buffer.Dateispeichern(name, 1001, 21000); });
    EXPECT_EQ(result.end, ChildResult::FileCreateError) << ChildEndName(result.end);
    EXPECT_TRUE(result.message.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(name)))
        << result.message.toStdString();
    EXPECT_TRUE(read(name) == "old piece") << "the old file was replaced";
}

} // namespace

// A file name with a tab and a line break is logged with visible escapes: the log's lines stay the
// lines the program wrote, and a screen reader reads all of them.
TEST_F(SplitterWindowTest, ControlCharactersInAFileNameAreLoggedAsEscapes)
{
    const QString in = write(QStringLiteral("a\tb\nc.bin"), sixBytes);
    dialogs.fileAnswers = {in};
    click("ButtonLoad");
    const QString shown = dir.path() + QStringLiteral("/a\\tb\\nc.bin");
    EXPECT_EQ(log(), (QStringList{QStringLiteral("Loading: ") + shown, QStringLiteral("6 Dateigröße"),
                                  QStringLiteral("6 wirklich geladen")}));
}
