// Long texts cut for message boxes.
#include "common/displaytext.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

TEST(DisplayText, TextsWithinTheBoundsStayAsTheyAre)
{
    const QString longest(kMaxDisplayLineLength, QLatin1Char('x'));
    const QString lines = QStringList(kMaxDisplayLines, longest).join(QLatin1Char('\n'));
    for (const QString& text : {QString(), QStringLiteral("OK"), QStringLiteral("a\nb\n"), longest, lines})
        EXPECT_EQ(DisplayText(text), text);
}

TEST(DisplayText, LongLinesAndManyLinesAreCutWithAnEllipsis)
{
    // A conversion error over a line of 300 000 characters.
    const QString huge = QStringLiteral("'") + QString(300000, QLatin1Char('7')) + QStringLiteral("' ist kein gültiger Integerwert");
    const QString shown = DisplayText(huge);
    EXPECT_EQ(shown.size(), kMaxDisplayLineLength);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("'777")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("7…")));

    QStringList many;
    for (int i = 1; i <= 40; ++i)
        many << QString::number(i);
    QStringList expected = many.mid(0, kMaxDisplayLines);
    expected << QStringLiteral("…");
    EXPECT_EQ(DisplayText(many.join(QLatin1Char('\n'))), expected.join(QLatin1Char('\n')));

    // Both at once: every kept line is cut on its own.
    const QString wide(500, QLatin1Char('w'));
    const QStringList cut = DisplayText(QStringList(20, wide).join(QLatin1Char('\n'))).split(QLatin1Char('\n'));
    ASSERT_EQ(cut.size(), kMaxDisplayLines + 1);
    for (int i = 0; i < kMaxDisplayLines; ++i)
        EXPECT_EQ(cut[i], QString(kMaxDisplayLineLength - 1, QLatin1Char('w')) + QStringLiteral("…"));
}

TEST(DisplayText, ACutNeverPartsASurrogatePair)
{
    // U+1F600 takes two UTF-16 units; place it across the cut.
    const QString face = QString::fromUcs4(U"\U0001F600");
    const QString text = QString(kMaxDisplayLineLength - 2, QLatin1Char('a')) + face + QString(10, QLatin1Char('b'));
    const QString shown = DisplayText(text);
    EXPECT_EQ(shown, QString(kMaxDisplayLineLength - 2, QLatin1Char('a')) + QStringLiteral("…"));
    EXPECT_FALSE(shown.at(shown.size() - 2).isHighSurrogate());
}

TEST(VisibleText, ControlCharactersBecomeEscapesAndNothingElseChanges)
{
    const struct {
        QString text;
        const char* shown;
    } cases[] = {
        {QString(), ""},
        {QStringLiteral("Kiste 7 äöü €"), "Kiste 7 äöü €"},
        {QStringLiteral("C:\\Daten\\x01"), "C:\\Daten\\x01"}, // backslashes stay
        {QString(QChar(0)) + QStringLiteral("12"), "\\012"},
        {QStringLiteral("a") + QChar(0) + QChar(0) + QStringLiteral("b"), "a\\0\\0b"},
        {QStringLiteral("\t\n\r"), "\\t\\n\\r"},
        {QStringLiteral("\x01\x1b\x1f\x7f"), "\\x01\\x1B\\x1F\\x7F"},
        {QString(QChar(0x85)) + QChar(0x9F) + QChar(0xA0), "\\x85\\x9F\u00a0"},
        {QString(QChar(0x2028)) + QChar(0x2029), "\\u2028\\u2029"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VisibleText(c.text), QString::fromUtf8(c.shown)) << c.shown;
        EXPECT_EQ(VisibleText(VisibleText(c.text)), VisibleText(c.text)) << c.shown; // escaping twice changes nothing
    }
}

} // namespace
