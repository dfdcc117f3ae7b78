// The two overlays of the level picture: switches with their target fields, monsters with their paths.
#include "level/levelpicture.h"

#include "common/intconv.h"
#include "level/leveldocument.h"
#include "level/monsterpath.h"
#include "common/packedcolor_picture.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <optional>

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

// A pixel coordinate of the level picture from a cell coordinate. Table positions are any 32-bit
// number, so the pixel is computed wide; what lies far outside the picture is simply not drawn.
qint64 Pixel(qint64 cell, int offset)
{
    return qint64{LevelPicture::kCell} * cell + offset;
}

// Writes text with its top left corner at (x, y) on a box of the background colour; letters in black.
void DrawLabel(QImage& image, qint64 x, qint64 y, const QString& text, PackedColor background)
{
    const QRgb fill = ToQRgb(background);
    const QRgb ink = qRgb(0, 0, 0);
    const int width = kGlyphAdvance * text.size() + 1;
    for (int row = 0; row < kLabelHeight; ++row) {
        const qint64 py = y + row;
        if (py < 0 || py >= image.height())
            continue;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(py)));
        for (int col = 0; col < width; ++col) {
            const qint64 px = x + col;
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

// The room around the picture in which lines and rectangles are handed to the painter as they are;
// whatever reaches beyond it is cut at its edge first, so the painter never sees a far-off point.
QRect DrawingRoom(const QImage& image)
{
    constexpr int kMargin = 4096;
    return image.rect().adjusted(-kMargin, -kMargin, kMargin, kMargin);
}

bool Inside(const QRect& room, qint64 x, qint64 y)
{
    return x >= room.left() && x <= room.right() && y >= room.top() && y <= room.bottom();
}

// The part of the segment a-b inside room, or nothing when it misses it.
std::optional<QLineF> ClippedLine(QPointF a, QPointF b, const QRectF& room)
{
    double t0 = 0;
    double t1 = 1;
    const QPointF d = b - a;
    const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[4] = {a.x() - room.left(), room.right() - a.x(), a.y() - room.top(), room.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return QLineF(a + t0 * d, a + t1 * d);
}

void DrawLine(QPainter& painter, const QRect& room, qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    if (Inside(room, x1, y1) && Inside(room, x2, y2)) {
        painter.drawLine(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2));
        return;
    }
    if (const auto part = ClippedLine(QPointF(double(x1), double(y1)), QPointF(double(x2), double(y2)), room))
        painter.drawLine(*part);
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

void LevelPicture::drawSwitches()
{
    for (int n = 1; n <= LevelDocument::kSwitches; ++n) {
        const QPoint at = Position(mDocument.switchCell(1, n), mDocument.switchCell(2, n));
        if (StrToInt(mDocument.switchCell(1, n)) == 0 || at.x() == -1)
            continue;
        const PackedColor color = switchColor(n);
        DrawLabel(levelImage(), Pixel(at.x(), 2), Pixel(at.y(), 14), QStringLiteral(" %1 ").arg(n), color);
        const QPoint target = Position(mDocument.switchCell(3, n), mDocument.switchCell(4, n));
        const QRect room = DrawingRoom(levelImage());
        QPainter painter(&levelImage());
        painter.setPen(WidePen(color));
        DrawLine(painter, room, Pixel(at.x(), 16), Pixel(at.y(), 12), Pixel(target.x(), 16), Pixel(target.y(), 16));
        painter.setBrush(QBrush(ToQColor(color), Qt::BDiagPattern));
        const qint64 left = Pixel(target.x(), 0);
        const qint64 top = Pixel(target.y(), 0);
        // A target far outside the picture shows nothing; one near it is drawn as it is.
        if (Inside(room, left, top))
            painter.drawRect(static_cast<int>(left), static_cast<int>(top), kCell, kCell);
    }
}

void LevelPicture::drawMonsters()
{
    for (int n = 1; n <= LevelDocument::kMonsters; ++n) {
        const QPoint at = Position(mDocument.monsterCell(2, n), mDocument.monsterCell(3, n));
        if (StrToInt(mDocument.monsterCell(2, n)) == 0)
            continue;
        const PackedColor color = monsterColor(n);
        DrawLabel(levelImage(), Pixel(at.x(), 4), Pixel(at.y(), 2), QStringLiteral("Mon"), color);
        DrawLabel(levelImage(), Pixel(at.x(), 4), Pixel(at.y(), 14),
                  QStringLiteral("#") + (QStringLiteral("0") + QString::number(n)).right(2), color);
        const std::vector<PathCell> path = MonsterPath(mDocument, at.x(), at.y(), mDocument.monsterCell(7, n));
        const QRect room = DrawingRoom(levelImage());
        QPainter painter(&levelImage());
        painter.setPen(WidePen(color));
        for (size_t i = 1; i < path.size(); ++i) {
            const PathCell& a = path[i - 1];
            const PathCell& b = path[i];
            DrawLine(painter, room, Pixel(a.x, 14), Pixel(a.y, 16), Pixel(b.x, 14), Pixel(b.y, 16));
        }
    }
}
