// Labels from a fixed 5 x 7 font, wide lines and hatched fields, drawn as runs of pixels.
#include "level/leveloverlays.h"

#include "common/intconv.h"
#include "level/leveldocument.h"
#include "level/monsterpath.h"

#include <QPoint>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// A small fixed font of 5 x 7 pixels for the labels, so that the labels look the same with or without
// a display (the command-line companion has no fonts).
struct Glyph {
    char16_t ch;
    std::array<const char*, 7> rows;
};

constexpr std::array<Glyph, 15> kGlyphs = {{
    {u'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {u'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {u'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {u'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {u'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {u'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {u'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {u'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {u'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {u'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {u'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {u'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {u'n', {".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
    {u'#', {".#.#.", ".#.#.", "#####", ".#.#.", "#####", ".#.#.", ".#.#."}},
    {u' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
}};

constexpr int kCell = 32;
constexpr int kGlyphAdvance = 6;
constexpr int kLabelHeight = 9;
constexpr int kHalfPen = 2; // the lines are 5 pixels wide
constexpr int kHatch = 8;   // the target field's diagonal hatching repeats every 8 pixels

// A pixel coordinate of the level picture from a cell coordinate. Table positions are any 32-bit
// number, so the pixel is computed wide.
qint64 Pixel(qint64 cell, int offset)
{
    return qint64{kCell} * cell + offset;
}

// Pixels x0 ... x1 of row y, cut to the canvas.
void FillClipped(OverlayCanvas& canvas, qint64 y, qint64 x0, qint64 x1, PackedColor color)
{
    if (y < 0 || y >= canvas.height())
        return;
    x0 = std::max<qint64>(x0, 0);
    x1 = std::min<qint64>(x1, canvas.width() - 1);
    if (x0 <= x1)
        canvas.fill(static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1), color);
}

const Glyph* GlyphOf(QChar c)
{
    for (const Glyph& g : kGlyphs)
        if (g.ch == c.unicode())
            return &g;
    return nullptr;
}

// Writes text with its top left corner at (x, y) on a box of the background colour; letters in black.
void DrawLabel(OverlayCanvas& canvas, qint64 x, qint64 y, const QString& text, PackedColor background)
{
    const qint64 width = qint64{kGlyphAdvance} * text.size() + 1;
    for (int row = 0; row < kLabelHeight; ++row) {
        FillClipped(canvas, y + row, x, x + width - 1, background);
        const int gy = row - 1;
        if (gy < 0 || gy >= 7)
            continue;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const Glyph* g = GlyphOf(text[i]);
            for (int gx = 0; g && gx < 5; ++gx)
                if (g->rows[gy][gx] == '#') {
                    const qint64 px = x + 1 + kGlyphAdvance * i + gx;
                    FillClipped(canvas, y + row, px, px, kBlack);
                }
        }
    }
}

} // namespace

void DrawTargetField(OverlayCanvas& canvas, qint64 left, qint64 top, PackedColor color)
{
    for (qint64 y = top - kHalfPen; y <= top + kCell + kHalfPen; ++y) {
        if (y < 0 || y >= canvas.height())
            continue;
        if (y <= top + kHalfPen || y >= top + kCell - kHalfPen) {
            FillClipped(canvas, y, left - kHalfPen, left + kCell + kHalfPen, color);
            continue;
        }
        FillClipped(canvas, y, left - kHalfPen, left + kHalfPen, color);
        FillClipped(canvas, y, left + kCell - kHalfPen, left + kCell + kHalfPen, color);
        const qint64 first = left + kHalfPen + 1;
        for (qint64 x = first + ((kHatch - 1 - (first + y) % kHatch) + kHatch) % kHatch; x < left + kCell - kHalfPen;
             x += kHatch)
            FillClipped(canvas, y, x, x, color);
    }
}

namespace {

// Both coordinates of a table entry, or -1, -1 when either is not a number.
QPoint Position(const QString& x, const QString& y)
{
    const auto px = TryStrToInt(x);
    const auto py = TryStrToInt(y);
    if (!px || !py)
        return {-1, -1};
    return {*px, *py};
}

} // namespace

PackedColor OverlayMonsterColor(int n)
{
    return PackRgb(255 - 14 * n, 0, 0);
}

PackedColor OverlaySwitchColor(int n)
{
    return PackRgb(0, 255 - 14 * n, 0);
}

void DrawWideLine(OverlayCanvas& canvas, qint64 x1, qint64 y1, qint64 x2, qint64 y2, PackedColor color)
{
    constexpr double kHalf = kHalfPen + 0.5;
    const double dx = double(x2 - x1), dy = double(y2 - y1);
    const double length = std::hypot(dx, dy);
    const double ux = length == 0 ? 1 : dx / length, uy = length == 0 ? 0 : dy / length;
    // The rectangle's corners in order around it.
    const std::array<double, 4> px = {double(x1) - kHalf * (ux + uy), double(x2) + kHalf * (ux - uy),
                                      double(x2) + kHalf * (ux + uy), double(x1) - kHalf * (ux - uy)};
    const std::array<double, 4> py = {double(y1) - kHalf * (uy - ux), double(y2) + kHalf * (uy + ux),
                                      double(y2) + kHalf * (uy - ux), double(y1) - kHalf * (uy + ux)};
    const double top = *std::min_element(py.begin(), py.end());
    const double bottom = *std::max_element(py.begin(), py.end());
    const int firstRow = static_cast<int>(std::clamp(std::floor(top - 1), 0.0, double(canvas.height())));
    const int lastRow = static_cast<int>(std::clamp(std::ceil(bottom + 1), -1.0, double(canvas.height() - 1)));
    for (int y = firstRow; y <= lastRow; ++y) {
        const double sy = y + 0.5;
        if (!(sy > top && sy <= bottom))
            continue;
        double left = HUGE_VAL, right = -HUGE_VAL;
        for (int i = 0; i < 4; ++i) {
            const int j = (i + 1) % 4;
            if (py[i] == py[j] || (sy - py[i]) * (sy - py[j]) > 0)
                continue;
            const double x = px[i] + (sy - py[i]) * (px[j] - px[i]) / (py[j] - py[i]);
            left = std::min(left, x);
            right = std::max(right, x);
        }
        if (left > right)
            continue;
        // Centres x + 0.5 in (left, right].
        const double from = std::max(std::floor(left - 0.5) + 1, 0.0);
        const double to = std::min(std::floor(right - 0.5), double(canvas.width() - 1));
        if (from <= to)
            canvas.fill(y, static_cast<int>(from), static_cast<int>(to), color);
    }
}

void DrawSwitchOverlay(OverlayCanvas& canvas, const LevelDocument& document)
{
    for (int n = 1; n <= LevelDocument::kSwitches; ++n) {
        const QPoint at = Position(document.switchCell(1, n), document.switchCell(2, n));
        if (StrToInt(document.switchCell(1, n)) == 0 || at.x() == -1)
            continue;
        const PackedColor color = OverlaySwitchColor(n);
        DrawLabel(canvas, Pixel(at.x(), 2), Pixel(at.y(), 14), QStringLiteral(" %1 ").arg(n), color);
        const QPoint target = Position(document.switchCell(3, n), document.switchCell(4, n));
        DrawWideLine(canvas, Pixel(at.x(), 16), Pixel(at.y(), 12), Pixel(target.x(), 16), Pixel(target.y(), 16), color);
        DrawTargetField(canvas, Pixel(target.x(), 0), Pixel(target.y(), 0), color);
    }
}

void DrawMonsterOverlay(OverlayCanvas& canvas, const LevelDocument& document)
{
    for (int n = 1; n <= LevelDocument::kMonsters; ++n) {
        const QPoint at = Position(document.monsterCell(2, n), document.monsterCell(3, n));
        if (StrToInt(document.monsterCell(2, n)) == 0)
            continue;
        const PackedColor color = OverlayMonsterColor(n);
        DrawLabel(canvas, Pixel(at.x(), 4), Pixel(at.y(), 2), QStringLiteral("Mon"), color);
        DrawLabel(canvas, Pixel(at.x(), 4), Pixel(at.y(), 14),
                  QStringLiteral("#") + (QStringLiteral("0") + QString::number(n)).right(2), color);
        const std::vector<PathCell> path = MonsterPath(document, at.x(), at.y(), document.monsterCell(7, n));
        for (size_t i = 1; i < path.size(); ++i) {
            const PathCell& a = path[i - 1];
            const PathCell& b = path[i];
            DrawWideLine(canvas, Pixel(a.x, 14), Pixel(a.y, 16), Pixel(b.x, 14), Pixel(b.y, 16), color);
        }
    }
}
