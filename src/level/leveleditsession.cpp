// Painting, picking and choosing patterns, opening the level editor and the whole-level steps.
#include "level/leveleditsession.h"

#include "common/intconv.h"
#include "level/elementdescriptions.h"
#include "level/levelfile.h"
#include "level/undo_writecells.h"
#include "pattern/colorregisterset.h"
#include "pattern/patternstore.h"

#include <algorithm>

namespace {

bool InPicture(QPoint point)
{
    return point.x() >= 0 && point.y() >= 0 && point.x() < LevelPicture::kWidth && point.y() < LevelPicture::kHeight;
}

} // namespace

LevelEditSession::LevelEditSession(LevelDocument& document, LevelPicture& picture)
    : mDocument(document), mPicture(picture)
{
    mCarried = {QStringLiteral("3"), QStringLiteral("10"), QStringLiteral("1")};
    for (QImage& image : mPreviews) {
        image = QImage(LevelPicture::kCell, LevelPicture::kCell, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
}

LevelEditSession::~LevelEditSession() = default;

void SessionDrawing::drawlevel() { mSession.drawlevel(); }

void SessionDrawing::drawCell(int x, int y) { mSession.picture().drawCell(x, y); }

void SessionDrawing::updateline(int y) { mSession.picture().updateline(y); }

void SessionDrawing::drawMonstersIfShown()
{
    if (mSession.showMonsters)
        mSession.picture().drawMonsters();
}

int LevelEditSession::carried(Button b) const { return StrToInt(mCarried[b]); }

void LevelEditSession::setCarried(Button b, int pattern)
{
    mCarried[b] = QString::number(pattern);
    mPicture.UpdatePattern2(pattern, 0, 0, mPreviews[b]);
}

void LevelEditSession::open(const PatternStore& store, const ColorRegisterSet& registers)
{
    // Decoded apart first, so that an entry that is not a number leaves the table as it was.
    LevelPixelTable table;
    table.fill(store);
    mPicture.pixels() = table;
    if (!mInitialised) {
        mDocument.InitEmptyLevel(1);
        mDocument.Farbenstandard(registers);
        // Drawn with the colour lines it is shown with.
        mPicture.drawAllCells();
        mInitialised = true;
    }
    mPicture.drawChooser();
    setCarried(Left, 3);
    setCarried(Middle, 10);
    setCarried(Right, 1);
}

QString LevelEditSession::check(int x, int /*y*/, int pattern)
{
    const int q = pattern > 64 ? pattern - 64 : pattern;
    if (q == 44 && x < 9)
        return QStringLiteral("Oxil darf nicht so weit links starten.");
    if (q == 44 && x > 118)
        return QStringLiteral("Oxil darf nicht so weit rechts starten.");
    if (q == 19 && x < 9)
        return QStringLiteral("Ein Teleporterdarf nicht so weit links stehen.");
    if (q == 19 && x > 118)
        return QStringLiteral("Ein Teleporter darf nicht so weit rechts stehen.");
    return QStringLiteral("OK");
}

void LevelEditSession::place(int pattern, int x, int y)
{
    const QString answer = check(x, y, pattern);
    if (answer != QLatin1String("OK")) {
        if (log)
            log(answer);
        return;
    }
    // A cell that already holds the pattern is drawn again all the same.
    if (mDocument.holdsWritten(x, y, pattern))
        mPicture.drawCell(x, y);
    else
        mDocument.push(new PaintStrokeCommand(mDocument, mStroke, CellWriteEdits(mDocument, {{QPoint(x, y), pattern}})));
}

int LevelEditSession::paintPattern(unsigned buttons) const
{
    if (buttons & MiddleBit)
        return carried(Middle);
    if (buttons & RightBit)
        return carried(Right);
    return carried(Left);
}

void LevelEditSession::levelMouseDown(QPoint point, unsigned buttons, bool shift)
{
    ++mStroke;
    if (!InPicture(point))
        return;
    int p = paintPattern(buttons);
    const QPoint cell = cellAt(point);
    if (shift) {
        for (const auto& [bit, button] : {std::pair{LeftBit, Left}, std::pair{MiddleBit, Middle}, std::pair{RightBit, Right}}) {
            if (buttons & bit) {
                p = mDocument.cellPattern(cell.x(), cell.y());
                setCarried(button, p);
            }
        }
    }
    place(p, cell.x(), cell.y());
}

void LevelEditSession::levelMouseMove(QPoint point, unsigned buttons, bool paintingPage)
{
    if (!InPicture(point))
        return;
    if (!paintingPage) {
        hover(point, {});
        return;
    }
    hover(point, QStringLiteral("Klicke unten, um das gewählte Pattern zu setzen in:    "));
    const QPoint cell = cellAt(point);
    if (buttons & (LeftBit | MiddleBit | RightBit))
        place(paintPattern(buttons), cell.x(), cell.y());
}

void LevelEditSession::hover(QPoint point, const QString& what)
{
    if (!InPicture(point))
        return;
    const QPoint cell = cellAt(point);
    mBanner = what + QStringLiteral("Spalte (X) = %1  /  Zeile (Y) = %2").arg(cell.x()).arg(cell.y());
}

void LevelEditSession::levelMouseUp() { ++mStroke; }

int LevelEditSession::chooserPattern(QPoint point)
{
    const int column = std::clamp(point.x() / LevelPicture::kCell, 0, LevelPicture::kChooserColumns - 1);
    const int row = std::clamp(point.y() / LevelPicture::kCell, 0, 3);
    return LevelPicture::kChooserColumns * row + column;
}

void LevelEditSession::chooserMouseDown(QPoint point, unsigned buttons)
{
    const int p = chooserPattern(point);
    if (buttons & LeftBit)
        setCarried(Left, p);
    if (buttons & RightBit)
        setCarried(Right, p);
    if (buttons & MiddleBit)
        setCarried(Middle, p);
}

void LevelEditSession::chooserMouseMove(QPoint point)
{
    const int p = chooserPattern(point);
    mChooserText = QStringLiteral("Die Pattern - Klicke um ein Pattern zum Setzen auszuwählen:  Pattern-Nr.  ")
        + QString::number(p) + QStringLiteral("    (") + ElementDescription(p) + QStringLiteral(")");
}

QString LevelEditSession::initialiseQuestion() const
{
    return QStringLiteral("Soll der gesamte Level mit dem gewählten Pattern ") + mCarried[Left]
        + QStringLiteral(" initialisiert werden?\rAlle bisherigen Pattern werden gelöscht!");
}

void LevelEditSession::initialiseLevel()
{
    // The step draws the cells it changes; a level that already is the initial one is drawn again.
    if (!mDocument.initialiseLevel(carried(Left)))
        mPicture.drawAllCells();
}

void LevelEditSession::loadLevel(const QString& fileName)
{
    LoadLevelFile(mDocument, fileName);
    drawLoadedLevel();
}

QString LevelEditSession::restoreLevel(const QByteArray& bytes, const QString& source)
{
    const QString label = RestoreLevelRecovery(mDocument, bytes, source);
    drawLoadedLevel();
    return label;
}

void LevelEditSession::drawLoadedLevel()
{
    mPicture.drawLoadedLevel(showMonsters, showSwitches);
    setCarried(Left, 0);
}
