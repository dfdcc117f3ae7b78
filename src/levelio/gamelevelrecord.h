// The level as the game build holds it: 1590 bytes built into the executable image, and the text codes it uses.
#pragma once

#include <QString>
#include <QStringList>

class LevelDocument;
class XexImage;

// Offsets within the record (and, from 1408 on, within a disk record's block at 2688).
namespace GameRecord {
constexpr int kCells = 0;
constexpr int kTitle = 1280;
constexpr int kTip1 = 1312;
constexpr int kTip2 = 1344;
constexpr int kLevelLine = 1376;
constexpr int kTextSize = 32;
constexpr int kSwitches = 1408;
constexpr int kSwitchSize = 6;
constexpr int kMonsters = 1456;
constexpr int kMonsterSize = 8;
constexpr int kColors = 1536;
constexpr int kTime = 1586;
// The byte of a monster entry that monster table row 1-6 goes to.
constexpr int kMonsterByteOfRow[7] = {-1, 4, 0, 1, 2, 3, 5};
} // namespace GameRecord

// Letters a-z turned into A-Z; umlauts and everything else stay.
QString UpperAsciiLetters(const QString& text);
// The text without blanks and control characters at either end.
QString TrimmedText(const QString& text);

// The game's byte for a character already upper-cased: blank 32, "!" ... "@" 1-32, "A" ... "Z" 33-58,
// any other its own code's low 8 bits.
int GameCharCode(QChar c);
// The game's codes of the first `size` characters of a text, upper-cased.
QByteArray GameText(const QString& text, int size);

// A switch's target pattern t as its byte, 2t + 1 (the right half's character code), low 8 bits:
// any number the table holds, however large or negative, gives a byte.
int TargetPatternByte(int targetPattern);

// A monster's facing or turning letter as a byte: L 44, R 50, O 47, U 53; any other text 44.
int DirectionCode(const QString& text);
// The letter of a direction byte; any byte other than 44, 50, 47, 53 gives "L".
QString DirectionLetter(int code);

// A colour entry's text read as two hex digits of either case; a digit that is not one, or is
// missing, counts as 0 ("5" gives 80).
int GameColorValue(const QString& hexText);

// "LEVEL nn: FROM " and the trimmed author, nn the last two digits of the slot number.
QString LevelLineText(int slot, const QString& author);

// Builds the record of the document into the image at its record offset and adds one line per level
// byte to log. A level code that is not a number throws ConversionError (the lines before it are in
// log, the image is partly built). A switch cell that is not a number ends its step silently; a
// monster cell that is not a number ends the monster step, leaves the monster table as it is and adds
// a line naming the monster and the cell. Bytes not written keep the executable's values.
void BuildGameLevelRecord(const LevelDocument& document, XexImage& image, int slot, QStringList& log);
