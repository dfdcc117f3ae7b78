// The stand-in game in a real Atari emulator, where one is installed: it runs the file with a
// record of the test's own, stops where the program idles after its start, and reads the display
// list and the screen memory back through the emulator's monitor.
#include "standinfixture.h"

#include "support/testutil.h"

#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// "ADDR: XX XX ..." lines (the colon optional) of a monitor's memory dump -> address: byte.
QMap<int, uint8_t> ParseDump(const QString& text)
{
    static const QRegularExpression line(QStringLiteral("^\\s*([0-9A-Fa-f]{4}):?((?:\\s+[0-9A-Fa-f]{2}\\b)+)"));
    QMap<int, uint8_t> bytes;
    for (const QString& l : text.split(QLatin1Char('\n'))) {
        const auto match = line.match(l);
        if (!match.hasMatch())
            continue;
        int address = match.captured(1).toInt(nullptr, 16);
        for (const QString& b : match.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            bytes.insert(address++, static_cast<uint8_t>(b.toInt(nullptr, 16)));
    }
    return bytes;
}

} // namespace

TEST(StandinEmulator, ScreenMemoryAndDisplayListHoldTheRecordsLevel)
{
    const QString emulator = QStandardPaths::findExecutable(QStringLiteral("atari800"));
    if (emulator.isEmpty())
        GTEST_SKIP() << "atari800 is not installed; the program was run in the test's own 6502 interpreter only";

    const QHash<QString, int> labels = ReadLabels(LabelFile());
    const int idle = labels.value(QStringLiteral("idle"));
    const int rows = labels.value(QStringLiteral("rows"));
    const int dlist = labels.value(QStringLiteral("dlist"));
    ASSERT_TRUE(idle > 0 && rows > 0 && dlist > 0);

    // A record of our own: every cell a different pattern per row.
    QByteArray xex = StandinBytes();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 128; ++x)
            xex[kRecordOffset + y * 128 + x] = static_cast<char>(2 * ((x + 3 * y) % 128));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = WriteTestFile(dir, QStringLiteral("oxil-neu.xex"), xex);

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SDL_VIDEODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    // Break into the monitor when the program reaches its idle loop, i.e. after its start.
    run.start(emulator, {QStringLiteral("-xl"), QStringLiteral("-nobasic"), QStringLiteral("-nosound"), QStringLiteral("-bpc"),
                         QString::number(idle, 16), QStringLiteral("-run"), file});
    ASSERT_TRUE(run.waitForStarted(10000));
    QByteArray commands = "M " + QByteArray::number(dlist, 16) + "\n";
    for (int y = 0; y < 10; ++y)
        commands += "M " + QByteArray::number(rows + 256 * y, 16) + "\n";
    commands += "QUIT\n";
    run.write(commands);
    run.closeWriteChannel();
    if (!run.waitForFinished(30000)) {
        run.kill();
        run.waitForFinished(5000);
    }
    const QString output = QString::fromLocal8Bit(run.readAll());
    const QMap<int, uint8_t> memory = ParseDump(output);
    ASSERT_FALSE(memory.isEmpty()) << "no memory dump from the monitor:\n" << output.toStdString();

    // The first level line of the display list points just before row 0 (view position 0).
    ASSERT_TRUE(memory.contains(dlist + 10)) << output.toStdString();
    EXPECT_EQ(memory[dlist + 8], 0xD4);
    EXPECT_EQ(memory[dlist + 9] | (memory[dlist + 10] << 8), rows - 1);
    // The screen rows hold both codes of each visible cell.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const uint8_t code = static_cast<uint8_t>(xex[kRecordOffset + y * 128 + x]);
            ASSERT_TRUE(memory.contains(rows + 256 * y + 2 * x + 1)) << "row " << y;
            EXPECT_EQ(memory[rows + 256 * y + 2 * x], code) << x << ", " << y;
            EXPECT_EQ(memory[rows + 256 * y + 2 * x + 1], code + 1) << x << ", " << y;
        }
}
