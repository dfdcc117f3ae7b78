// Build tool: turns the readable art and colour sources in data/art into the start-up pattern file,
// and optionally the stand-in game's six character sets as raw bytes.
#include "common/bytefile.h"
#include "common/errors.h"
#include "common/intconv.h"
#include "palette/ataricolor.h"
#include "palette/ataripalette.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "pattern/patternstore.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kArtSets = 3; // sets 1-3 hold the still pictures and two animation frames

// A malformed source: names the file and line so the art can be fixed.
struct ArtError {
    QString text;
};

[[noreturn]] void Fail(const QString& file, int line, const QString& what)
{
    throw ArtError{QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(what)};
}

QStringList ReadSourceLines(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw ArtError{QStringLiteral("%1: cannot be read: %2").arg(fileName, file.errorString())};
    QStringList lines;
    QTextStream in(&file);
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}

bool IsSkipped(const QString& line)
{
    return line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'));
}

// 16 rows of 8 pixel codes 0-3.
using Picture = std::array<std::array<int, EditBuffer::kWidth>, EditBuffer::kHeight>;

// One set file: every pattern 0-63 exactly once, drawn or taken from set 1.
std::vector<std::optional<Picture>> ReadSet(const QString& fileName, bool mayCopy)
{
    static const QRegularExpression header(QStringLiteral("^pattern (\\d+)( .*)?$"));
    const QStringList lines = ReadSourceLines(fileName);
    std::vector<std::optional<Picture>> patterns(PatternStore::kPatterns);
    std::vector<bool> seen(PatternStore::kPatterns, false);
    int i = 0;
    while (i < lines.size()) {
        if (IsSkipped(lines[i])) {
            ++i;
            continue;
        }
        const int headerLine = i + 1;
        const auto match = header.match(lines[i]);
        if (!match.hasMatch())
            Fail(fileName, headerLine, QStringLiteral("expected \"pattern N name\", found \"%1\"").arg(lines[i]));
        const int n = match.captured(1).toInt();
        if (n >= PatternStore::kPatterns)
            Fail(fileName, headerLine, QStringLiteral("pattern %1 is outside 0-63").arg(n));
        if (seen[n])
            Fail(fileName, headerLine, QStringLiteral("pattern %1 is drawn twice").arg(n));
        seen[n] = true;
        ++i;
        if (match.captured(2).endsWith(QLatin1String(" = set 1"))) {
            if (!mayCopy)
                Fail(fileName, headerLine, QStringLiteral("set 1 must draw every pattern"));
            continue;
        }
        Picture picture{};
        for (int y = 0; y < EditBuffer::kHeight; ++y, ++i) {
            if (i >= lines.size() || lines[i].startsWith(QLatin1String("pattern ")) || IsSkipped(lines[i]))
                Fail(fileName, i + 1, QStringLiteral("pattern %1 has %2 rows, needs 16").arg(n).arg(y));
            const QString& row = lines[i];
            if (row.size() != EditBuffer::kWidth)
                Fail(fileName, i + 1, QStringLiteral("row is %1 pixels wide, needs 8").arg(row.size()));
            for (int x = 0; x < EditBuffer::kWidth; ++x) {
                const QChar c = row[x];
                if (c == QLatin1Char('.'))
                    picture[y][x] = 0;
                else if (c >= QLatin1Char('1') && c <= QLatin1Char('3'))
                    picture[y][x] = c.unicode() - '0';
                else
                    Fail(fileName, i + 1, QStringLiteral("unknown pixel '%1' (use . 1 2 3)").arg(c));
            }
        }
        patterns[n] = picture;
    }
    for (int n = 0; n < PatternStore::kPatterns; ++n)
        if (!seen[n])
            Fail(fileName, static_cast<int>(lines.size()), QStringLiteral("pattern %1 is missing").arg(n));
    return patterns;
}

void StorePicture(PatternEditor& editor, int set, int element, const Picture& picture)
{
    for (int y = 0; y < EditBuffer::kHeight; ++y) {
        for (int h = 0; h < 2; ++h) {
            const auto& p = picture[y];
            const int value = EncodePixels(p[4 * h], p[4 * h + 1], p[4 * h + 2], p[4 * h + 3]);
            // Level element n is pattern n + 1 of the set.
            editor.document().setPatternByte(set, element + 1, y, h, QString::number(value));
        }
    }
}

// Registers "F0 90" … and the phase list from the colour source.
void ReadColors(PatternEditor& editor, const QString& fileName)
{
    static const QRegularExpression reg(QStringLiteral("^F([0-4]) ([0-9A-F]{2})$"));
    const QStringList lines = ReadSourceLines(fileName);
    std::array<bool, ColorRegisterSet::kCount> seen{};
    bool phases = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (IsSkipped(line))
            continue;
        if (line.startsWith(QLatin1String("phases "))) {
            editor.document().setPhases(line.mid(7).trimmed());
            phases = !editor.document().phases().isEmpty();
            continue;
        }
        const auto match = reg.match(line);
        if (!match.hasMatch())
            Fail(fileName, i + 1, QStringLiteral("expected \"Fk XX\" or \"phases LIST\", found \"%1\"").arg(line));
        const int k = match.captured(1).toInt();
        const AtariColor color = static_cast<AtariColor>(match.captured(2).toInt(nullptr, 16));
        editor.document().setRegister(k, {QStringLiteral("F%1: %2").arg(k).arg(ColorCodeOf(color)), PaletteColor(color),
                                          ContrastTextColor(Luminance(color))});
        seen[k] = true;
    }
    for (int k = 0; k < ColorRegisterSet::kCount; ++k)
        if (!seen[k])
            Fail(fileName, static_cast<int>(lines.size()), QStringLiteral("register F%1 is missing").arg(k));
    if (!phases)
        Fail(fileName, static_cast<int>(lines.size()), QStringLiteral("the phase list is missing"));
    // The player mode's row colours start as the registers F1-F3.
    for (int c = 0; c < RowColorTable::kColumns; ++c)
        for (int r = 0; r < RowColorTable::kRows; ++r)
            editor.document().setRowColor(c, r, {editor.registers()[c + 1].displayColor, editor.registers()[c + 1].code()});
}

// Banks 1-6 (pattern sets 1-3) as the game holds them: bank k at 1024 (k - 1), character c at 8 c.
QByteArray GameBanks(const PatternStore& store)
{
    constexpr int kGameBanks = 6;
    QByteArray bytes;
    bytes.reserve(kGameBanks * PatternStore::kCharacters * PatternStore::kRows);
    for (int bank = 1; bank <= kGameBanks; ++bank)
        for (int c = 0; c < PatternStore::kCharacters; ++c)
            for (int r = 0; r < PatternStore::kRows; ++r)
                bytes.append(static_cast<char>(StrToInt(store.entry(bank, c, r)) & 0xFF));
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: makefont ART_FOLDER OUT.fa8 [BANKS.bin]\n");
        return 2;
    }
    const QString artDir = QString::fromLocal8Bit(argv[1]);
    const QString outFile = QString::fromLocal8Bit(argv[2]);
    try {
        PatternEditor editor;
        editor.create();
        ReadColors(editor, artDir + QStringLiteral("/colors.txt"));
        std::vector<std::optional<Picture>> firstSet;
        for (int set = 1; set <= kArtSets; ++set) {
            const auto patterns = ReadSet(artDir + QStringLiteral("/set%1.txt").arg(set), set > 1);
            if (set == 1)
                firstSet = patterns;
            for (int n = 0; n < PatternStore::kPatterns; ++n)
                StorePicture(editor, set, n, patterns[n] ? *patterns[n] : *firstSet[n]);
        }
        SaveFontFile(editor, outFile);
        if (argc == 4)
            WriteByteFile(QString::fromLocal8Bit(argv[3]), GameBanks(editor.store()));
    } catch (const ArtError& e) {
        std::fprintf(stderr, "makefont: %s\n", qPrintable(e.text));
        return 1;
    } catch (const TavrelError& e) {
        std::fprintf(stderr, "makefont: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
