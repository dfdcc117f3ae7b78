// Colour-register code, RAM image and bitmap file of a converted picture.
#include "converter/graphicsexport.h"

#include "common/bitmapfile.h"

#include "converter/colortextcache.h"

#include <array>

namespace {

struct Operand {
    const char* key;
    const char* operand;
};

// Fixed values, written for the game's own colours; they do not follow from the palette.
constexpr Operand kOperands[] = {
    {"clblack", "#$00"},   {"$00406060", "#$E2"}, {"$00404040", "#$04"}, {"$00404000", "#$A0"},
    {"$0040a0e0", "#$22"}, {"$00008060", "#$C4"}, {"$0000c0a0", "#$C8"}, {"$00404080", "#$30"},
    {"clgray", "#$0A"},    {"$000080c0", "#$4C"}, {"$0000c0e0", "#$1E"}, {"clcream", "#$0F"},
    {"$00006040", "#$B2"}, {"clmedgray", "#$0A"}, {"", "#$FF"},
};

const QString kEight = QStringLiteral("        ");

} // namespace

QString ColorOperand(const QString& cellText)
{
    const QString key = cellText.trimmed().toLower();
    for (const auto& o : kOperands)
        if (key == QLatin1String(o.key))
            return QString::fromLatin1(o.operand);
    return QString();
}

QString RegisterAddressHeader(int column)
{
    return column == 9 ? QStringLiteral("$D01A") : QStringLiteral("$D01%1").arg(column + 1);
}

QStringList AssemblerCode(const RegisterTable& table)
{
    QStringList lines;
    for (int c = 1; c <= 9; ++c) {
        lines << kEight + QStringLiteral("LDA ") + ColorOperand(table.cell(c, 1));
        lines << kEight + QStringLiteral("STA $2c%1").arg(c - 1);
        lines << kEight + QStringLiteral("STA ") + RegisterAddressHeader(c);
        lines << kEight;
    }
    lines << QStringLiteral(" //#####################################       ") << kEight;
    for (int j = 2; j <= 50; ++j) {
        lines << QStringLiteral(" //################ %1 ##################        ").arg(j);
        lines << QStringLiteral(" ");
        lines << QStringLiteral("        STA WSYNC ");
        lines << QStringLiteral("   //pre");
        for (int c = 1; c <= 9; ++c) {
            if (table.cell(c, j - 1) != table.cell(c, j)) {
                lines << kEight + QStringLiteral("LDA ") + ColorOperand(table.cell(c, j));
                lines << kEight + QStringLiteral("STA ") + table.cell(c, 0);
            }
        }
        lines << QStringLiteral("   //post");
        lines << kEight;
        for (int k = 0; k < 3; ++k)
            lines << QStringLiteral("   //pre2") << QStringLiteral("        STA WSYNC") << QStringLiteral("   //post2")
                  << QStringLiteral(" ");
    }
    return lines;
}

QByteArray AtariRamImage(const QImage& picture, const RegisterTable& table)
{
    const int width = picture.width();
    const int height = picture.height();
    const int perLine = width / 2;
    QByteArray bytes(qsizetype{perLine} * height, Qt::Uninitialized);
    ColorTextCache texts;
    // Register number per colour, worked out once per line and kept with the line's mark.
    ColorStamps stamps;
    auto registerOf = [&](QRgb pixel, int y) {
        const int id = texts.idOf(pixel);
        if (!stamps.marked(id, y)) {
            int number = 0;
            const QString& t = texts.text(id);
            for (int k = 8; k >= 1; --k)
                if (table.cell(k + 1, y) == t) {
                    number = k;
                    break;
                }
            stamps.mark(id, y, number);
        }
        return stamps.value(id);
    };
    char* out = bytes.data();
    for (int y = 1; y <= height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y - 1));
        for (int q = 0; q < perLine; ++q)
            *out++ = static_cast<char>(registerOf(line[2 * q], y) * 16 + registerOf(line[2 * q + 1], y));
    }
    return bytes;
}

QByteArray WindowsBitmap32(const QImage& source)
{
    return Bitmap32Bytes(source);
}
