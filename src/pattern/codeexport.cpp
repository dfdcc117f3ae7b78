// The font and player assembler exports of the pattern editor.
#include "pattern/codeexport.h"

#include "common/intconv.h"
#include "pattern/colorregisterset.h"
#include "pattern/editbuffer.h"
#include "pattern/patternstore.h"

#include <algorithm>
#include <array>

namespace {

const QString kRule = QStringLiteral("//###########################################");

// Appends "value, " for every row and closes the line with its comment.
QString PlayerLine(const QString& label, const std::array<int, EditBuffer::kHeight>& bytes, const QString& comment)
{
    QStringList values;
    for (const int b : bytes)
        values << QString::number(b);
    return label + QStringLiteral(":  .byte ") + values.join(QStringLiteral(", ")) + QStringLiteral("  ; ") + comment;
}

} // namespace

void EmitPlayerSet(int s, const QString& name, const std::function<QString(int h, int r)>& byteText,
                   const std::function<void(const QString&)>& emitLine)
{
    // A pixel's high bit belongs to the first player, its low bit to the second.
    std::array<int, EditBuffer::kHeight> first{};
    std::array<int, EditBuffer::kHeight> second{};
    for (int r = 0; r < EditBuffer::kHeight; ++r) {
        for (int h = 0; h < 2; ++h) {
            const auto pixels = DecodeByte(StrToInt(byteText(h, r)));
            for (int k = 0; k < 4; ++k) {
                const int bit = 1 << (7 - (4 * h + k));
                if (pixels[k] & 2)
                    first[r] |= bit;
                if (pixels[k] & 1)
                    second[r] |= bit;
            }
        }
    }
    emitLine(PlayerLine(QStringLiteral("Player0") + name + QString::number(s), first,
                        QStringLiteral("Player 0 Line%1").arg(s)));
    emitLine(PlayerLine(QStringLiteral("Player1") + name + QString::number(s), second,
                        QStringLiteral("Player 1 Line%1").arg(s)));
}


QStringList FontAssemblerCode(const ColorRegisterSet& registers, const PatternStore& store, int from, int to)
{
    QStringList lines;
    lines << kRule;
    // The header lines are padded to the width of the rule; the blanks are part of the text.
    lines << QStringLiteral("//# Font Definition Set Atari 4 Color mode").leftJustified(kRule.size());
    lines << QStringLiteral("//# Made with Tavrel").leftJustified(kRule.size());
    lines << kRule;
    for (int k = 0; k < ColorRegisterSet::kCount; ++k)
        lines << QStringLiteral("//  Color%1 = $%2").arg(k).arg(registers[k].code());

    // The spin fields hold 1-8; other values are clamped the same way so no bank outside the store is read.
    from = std::clamp(from, 1, PatternStore::kSets);
    to = std::clamp(to, 1, PatternStore::kSets);
    for (int b = 2 * from - 1; b <= 2 * to; ++b) {
        lines << kRule;
        lines << QStringLiteral("//  Font Bank %1 ").arg(b);
        lines << kRule;
        lines << QStringLiteral(";------------------");
        lines << QStringLiteral("   .align $400");
        lines << (b % 2 == 1 ? QStringLiteral("UpperFont%1:").arg((b + 1) / 2) : QStringLiteral("LowerFont%1:").arg(b / 2));
        lines << QStringLiteral(";-------------------");
        for (int c = 0; c < PatternStore::kCharacters; ++c) {
            QStringList bytes;
            for (int row = 0; row < PatternStore::kRows; ++row)
                bytes << store.entry(b, c, row);
            lines << QStringLiteral("        .byte ") + bytes.join(QStringLiteral(", "))
                    + QStringLiteral(" // Bank %1 / Zeichen %2").arg(b).arg(c);
        }
    }
    return lines;
}

void PlayerAssemblerCode(const PatternStore& store, int pattern, const QString& name,
                         const std::function<void(const QString&)>& emitLine)
{
    pattern = std::clamp(pattern, 1, PatternStore::kPatterns);
    for (int s = 1; s <= PatternStore::kSets; ++s)
        EmitPlayerSet(s, name, [&](int h, int r) { return store.patternByte(s, pattern, r, h); }, emitLine);
}
