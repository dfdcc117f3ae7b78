// Building the game level record into the executable image.
#include "levelio/gamelevelrecord.h"

#include "common/displaytext.h"
#include "common/intconv.h"
#include "level/leveldocument.h"
#include "levelio/xeximage.h"

#include <algorithm>
#include <optional>

using namespace GameRecord;

QString UpperAsciiLetters(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return out;
}

QString TrimmedText(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

int GameCharCode(QChar c)
{
    const int u = c.unicode();
    if (u == 32)
        return 32;
    if (u >= 33 && u <= 90)
        return u - 32;
    return u & 0xFF;
}

QByteArray GameText(const QString& text, int size)
{
    const QString upper = UpperAsciiLetters(text.left(size));
    QByteArray bytes;
    for (QChar c : upper)
        bytes += static_cast<char>(GameCharCode(c));
    return bytes;
}

int TargetPatternByte(int targetPattern)
{
    return static_cast<int>((2 * qint64{targetPattern} + 1) & 0xFF);
}

int DirectionCode(const QString& text)
{
    const QString letter = UpperAsciiLetters(text);
    if (letter == QLatin1String("R"))
        return 50;
    if (letter == QLatin1String("O"))
        return 47;
    if (letter == QLatin1String("U"))
        return 53;
    return 44;
}

QString DirectionLetter(int code)
{
    switch (code) {
    case 50:
        return QStringLiteral("R");
    case 47:
        return QStringLiteral("O");
    case 53:
        return QStringLiteral("U");
    default:
        return QStringLiteral("L");
    }
}

int GameColorValue(const QString& hexText)
{
    // A missing digit or any other character counts 0.
    const int high = hexText.size() > 0 ? std::max(0, HexDigitValue(hexText[0])) : 0;
    const int low = hexText.size() > 1 ? std::max(0, HexDigitValue(hexText[1])) : 0;
    return 16 * high + low;
}

QString LevelLineText(int slot, const QString& author)
{
    const QString nn = (QStringLiteral("00") + QString::number(slot)).right(2);
    return QStringLiteral("LEVEL ") + nn + QStringLiteral(": FROM ") + TrimmedText(author);
}

namespace {

const QString kBlanks33(33, QLatin1Char(' '));

void PutText(XexImage& image, int offset, const QString& text)
{
    image.put(XexImage::kRecordOffset + offset, GameText(text + kBlanks33, kTextSize));
}

void BuildCells(const LevelDocument& document, XexImage& image, QStringList& log)
{
    for (int y = 0; y < LevelDocument::kRows; ++y) {
        for (int x = 0; x < LevelDocument::kColumns; ++x) {
            const int i = y * LevelDocument::kColumns + x;
            const int value = StrToInt(document.leftCode(x, y));
            image.set(XexImage::kRecordOffset + kCells + i, value);
            log << QStringLiteral("Zeichen  %1 / %2 / %3 / %4")
                       .arg(XexImage::kRecordOffset + 1 + i)
                       .arg(2 * x + 1)
                       .arg(y + 1)
                       .arg(value);
        }
    }
}

void BuildSwitches(const LevelDocument& document, XexImage& image)
{
    const auto entry = [](int s) { return XexImage::kRecordOffset + kSwitches + kSwitchSize * (s - 1); };
    [&] {
        for (int s = 1; s <= LevelDocument::kSwitches; ++s)
            for (int row = 1; row <= 4; ++row) {
                const std::optional<int> v = TryStrToInt(document.switchCell(row, s));
                if (!v)
                    return;
                image.set(entry(s) + row - 1, *v);
            }
    }();
    for (int s = 1; s <= LevelDocument::kSwitches; ++s) {
        const std::optional<int> t = TryStrToInt(document.switchCell(5, s));
        if (!t)
            return;
        image.set(entry(s) + 5, TargetPatternByte(*t));
    }
}

void BuildMonsters(const LevelDocument& document, XexImage& image, QStringList& log)
{
    const auto entry = [](int m) { return XexImage::kRecordOffset + kMonsters + kMonsterSize * (m - 1); };
    for (int m = 1; m <= LevelDocument::kMonsters; ++m)
        for (int row = 1; row <= 6; ++row) {
            const QString& cell = document.monsterCell(row, m);
            const std::optional<int> v = TryStrToInt(cell);
            if (!v) {
                log << QStringLiteral("Monster %1, Zeile %2: '%3' ist kein gültiger Integerwert. Die Monstertabelle "
                                      "bleibt unverändert; die übrigen Monsterdaten stammen aus der Spieldatei.")
                           .arg(m)
                           .arg(row)
                           .arg(VisibleText(cell));
                return;
            }
            image.set(entry(m) + kMonsterByteOfRow[row], *v);
        }
    for (int m = 1; m <= LevelDocument::kMonsters; ++m) {
        image.set(entry(m) + 6, DirectionCode(document.monsterCell(7, m)));
        image.set(entry(m) + 7, DirectionCode(document.monsterCell(8, m)));
    }
}

} // namespace

void BuildGameLevelRecord(const LevelDocument& document, XexImage& image, int slot, QStringList& log)
{
    BuildCells(document, image, log);
    PutText(image, kTitle, document.title());
    PutText(image, kTip1, document.tip1());
    PutText(image, kTip2, document.tip2());
    PutText(image, kLevelLine, LevelLineText(slot, document.author()));
    BuildSwitches(document, image);
    BuildMonsters(document, image, log);
    for (int line = 1; line <= LevelDocument::kColorLines; ++line)
        for (int c = 0; c < LevelDocument::kColorColumns; ++c)
            image.set(XexImage::kRecordOffset + kColors + 5 * (line - 1) + c,
                      GameColorValue(document.colorEntry(c, line).hexText));
    for (int i = 0; i < LevelDocument::kTimeDigits; ++i)
        image.set(XexImage::kRecordOffset + kTime + i, StrToIntDef(document.timeDigit(i), 0));
}
