// The two overlays of the level picture: switches with their target fields, monsters with their paths.
#include "level/levelpicture.h"

#include "common/intconv.h"
#include "level/leveldocument.h"
#include "level/monsterpath.h"

#include <QPainter>
#include <array>

namespace {

// A small fixed font of 5 x 7 pixels for the labels, drawn pixel by pixel so that the labels look the
// same with or without a display (the command-line companion has no fonts).
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

constexpr int kGlyphAdvance = 6;
constexpr int kLabelHeight = 9;

// Writes text with its top left corner at (x, y) on a box of the background colour; letters in black.
void DrawLabel(QImage& image, int x, int y, const QString& text, PackedColor background)
{
    const QRgb fill = ToQRgb(background);
    const QRgb ink = qRgb(0, 0, 0);
    const int width = kGlyphAdvance * text.size() + 1;
    for (int row = 0; row < kLabelHeight; ++row) {
        const int py = y + row;
        if (py < 0 || py >= image.height())
            continue;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int col = 0; col < width; ++col) {
            const int px = x + col;
            if (px < 0 || px >= image.width())
                continue;
            QRgb rgb = fill;
            const int gy = row - 1;
            const int index = (col - 1) / kGlyphAdvance;
            const int gx = (col - 1) % kGlyphAdvance;
            if (col >= 1 && gy >= 0 && gy < 7 && gx < 5 && index < text.size()) {
                for (const Glyph& g : kGlyphs)
                    if (g.ch == text[index].unicode() && g.rows[gy][gx] == '#')
                        rgb = ink;
            }
            line[px] = rgb;
        }
    }
}

QPen WidePen(PackedColor color)
{
    QPen pen(ToQColor(color), 5);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

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

void LevelPicture::drawschalter()
{
    for (int n = 1; n <= LevelDocument::kSwitches; ++n) {
        const QPoint at = Position(mDocument.switchCell(1, n), mDocument.switchCell(2, n));
        if (StrToInt(mDocument.switchCell(1, n)) == 0 || at.x() == -1)
            continue;
        const PackedColor color = switchColor(n);
        DrawLabel(levelImage(), kCell * at.x() + 2, kCell * at.y() + 14, QStringLiteral(" %1 ").arg(n), color);
        const QPoint target = Position(mDocument.switchCell(3, n), mDocument.switchCell(4, n));
        QPainter painter(&levelImage());
        painter.setPen(WidePen(color));
        painter.drawLine(kCell * at.x() + 16, kCell * at.y() + 12, kCell * target.x() + 16, kCell * target.y() + 16);
        painter.setBrush(QBrush(ToQColor(color), Qt::BDiagPattern));
        painter.drawRect(kCell * target.x(), kCell * target.y(), kCell, kCell);
    }
}

void LevelPicture::Drawmonster()
{
    for (int n = 1; n <= LevelDocument::kMonsters; ++n) {
        const QPoint at = Position(mDocument.monsterCell(2, n), mDocument.monsterCell(3, n));
        if (StrToInt(mDocument.monsterCell(2, n)) == 0)
            continue;
        const PackedColor color = monsterColor(n);
        DrawLabel(levelImage(), kCell * at.x() + 4, kCell * at.y() + 2, QStringLiteral("Mon"), color);
        DrawLabel(levelImage(), kCell * at.x() + 4, kCell * at.y() + 14,
                  QStringLiteral("#") + (QStringLiteral("0") + QString::number(n)).right(2), color);
        const std::vector<QPoint> path = MonsterPath(mDocument, at.x(), at.y(), mDocument.monsterCell(7, n));
        QPainter painter(&levelImage());
        painter.setPen(WidePen(color));
        for (size_t i = 1; i < path.size(); ++i) {
            const QPoint& a = path[i - 1];
            const QPoint& b = path[i];
            painter.drawLine(kCell * a.x() + 14, kCell * a.y() + 16, kCell * b.x() + 14, kCell * b.y() + 16);
        }
    }
}
