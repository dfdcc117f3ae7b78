// Raw font bytes into the lines of a pattern file: only the bank's lines change, whatever the file's line ends.
#include "pattern/fontbankfile.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

namespace {

// The 0-based file line of bank b, character c, row r.
qsizetype StoreLine(int bank, int character, int row) { return 10 + 16 * (character * 8 + row) + bank - 1; }

QByteArray Font()
{
    QByteArray font(kFontBankFileSize, Qt::Uninitialized);
    for (int i = 0; i < font.size(); ++i)
        font[i] = static_cast<char>(i * 3);
    return font;
}

} // namespace

TEST(FontBankFile, OnlyTheBanksLinesChangeAndLineEndsStay)
{
    QList<QByteArray> lines;
    for (int i = 0; i < 16491; ++i)
        lines << "L" + QByteArray::number(i);
    const struct {
        const char* name;
        QByteArray file;
        QByteArray end; // of the result's lines
    } cases[] = {
        {"CR LF", lines.join("\r\n") + "\r\n", "\r\n"},
        {"LF", lines.join('\n') + '\n', "\n"},
        {"no end after the last line", lines.join("\r\n"), "\r\n"},
    };
    for (const auto& c : cases) {
        const QByteArray out = PatternFileWithFontBank(c.file, 7, Font());
        QList<QByteArray> expected = lines;
        for (int ch = 0; ch < 128; ++ch)
            for (int r = 0; r < 8; ++r)
                expected[StoreLine(7, ch, r)] = QByteArray::number(static_cast<quint8>(ch * 24 + r * 3));
        QByteArray joined = expected.join(c.end);
        if (c.file.endsWith('\n'))
            joined += c.end;
        EXPECT_TRUE(out == joined) << c.name;
    }
}

TEST(FontBankFile, AShortFileGetsEmptyLinesUpToTheBank)
{
    // A file that ends inside the store: bank 16's last line is line 16 394.
    const QByteArray out = PatternFileWithFontBank("F0: 00\r\nclBlack", 16, Font());
    const QList<QByteArray> lines = out.split('\n');
    ASSERT_EQ(lines.size(), 16394 + 1);
    EXPECT_EQ(lines[0], "F0: 00\r");
    EXPECT_EQ(lines[1], "clBlack\r");
    EXPECT_EQ(lines[2], "\r");
    EXPECT_EQ(lines[StoreLine(16, 0, 0)], "0\r");
    EXPECT_EQ(lines[StoreLine(16, 127, 7)], QByteArray::number(static_cast<quint8>(1023 * 3)) + '\r');
    EXPECT_EQ(lines[StoreLine(15, 127, 7)], "\r");
    EXPECT_TRUE(lines.last().isEmpty());
}
