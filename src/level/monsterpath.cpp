// Walking a monster's path over the level grid.
#include "level/monsterpath.h"

#include "common/intconv.h"
#include "level/leveldocument.h"

namespace {

bool Walkable(const LevelDocument& document, qint64 x, qint64 y)
{
    if (x < 0 || x >= LevelDocument::kColumns || y < 0 || y >= LevelDocument::kRows)
        return false;
    int code = StrToInt(document.leftCode(static_cast<int>(x), static_cast<int>(y)));
    if (code > 128)
        code -= 128;
    return code == 2 || (code >= 104 && code <= 110);
}

} // namespace

std::vector<PathCell> MonsterPath(const LevelDocument& document, qint64 startX, qint64 startY, const QString& facing)
{
    QChar d = facing.toUpper().size() == 1 ? facing.toUpper()[0] : QChar();
    qint64 x = startX;
    qint64 y = startY;
    std::vector<PathCell> path;
    path.reserve(kMonsterPathSteps + 1);
    path.push_back({x, y});
    for (int step = 0; step < kMonsterPathSteps; ++step) {
        if (d == u'O')
            --y;
        else if (d == u'U')
            ++y;
        else if (d == u'L')
            --x;
        else if (d == u'R')
            ++x;
        bool edge = false;
        if (y == -1) {
            y = 0;
            edge = true;
        } else if (y == LevelDocument::kRows) {
            y = LevelDocument::kRows - 1;
            edge = true;
        }
        if (edge || !Walkable(document, x, y)) {
            if (d == u'O')
                d = u'U';
            else if (d == u'U')
                d = u'O';
            else if (d == u'L') {
                d = u'R';
                ++x;
            } else if (d == u'R') {
                d = u'L';
                --x;
            }
        }
        path.push_back({x, y});
    }
    return path;
}
