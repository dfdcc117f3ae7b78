// What the level editor works with besides the document: carried patterns, painting and picking, the log.
#pragma once

#include "level/levelcursor.h"
#include "level/leveldocument.h"
#include "level/levelpicture.h"
#include "level/leveldrawing.h"
#include "level/stepredraw.h"
#include "level/patterngrid.h"

#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class ColorRegisterSet;
class PatternStore;
struct CellWrite;
class LevelEditSession;

// The session's picture and overlay boxes as the drawing of the placement and colour operations and of
// the level's steps.
class SessionDrawing : public LevelDrawing {
public:
    explicit SessionDrawing(LevelEditSession& session) : mSession(session) {}

    void drawlevel() override;
    void drawCell(int x, int y) override;
    void updateline(int y) override;
    void drawMonstersIfShown() override;

private:
    LevelEditSession& mSession;
};

// Each mouse button carries a pattern, kept as the decimal caption of its label. The session paints with
// them into the document (one undo step per press-to-release: each painted cell is pushed as a
// PaintStrokeCommand of the session's current stroke, and those merge); refused placements go to the
// message log. Its picture follows every run of every step of the level (StepRedraw).
class LevelEditSession {
public:
    enum Button { Left = 0, Middle = 1, Right = 2 };
    // Held mouse buttons as a set of bits.
    enum ButtonBit : unsigned { LeftBit = 1, MiddleBit = 2, RightBit = 4 };

    LevelEditSession(LevelDocument& document, LevelPicture& picture);
    ~LevelEditSession();
    LevelEditSession(const LevelEditSession&) = delete;
    LevelEditSession& operator=(const LevelEditSession&) = delete;

    LevelDocument& document() { return mDocument; }
    LevelPicture& picture() { return mPicture; }
    // The picture as the placement and colour operations draw on it.
    LevelDrawing& drawing() { return mDrawing; }

    // Lines for the message log.
    std::function<void(const QString&)> log;

    // --- carried patterns -------------------------------------------------------------------------------
    const QString& carriedText(Button b) const { return mCarried[b]; }
    // The caption read back as a number.
    int carried(Button b) const;
    // Sets the caption and redraws the button's image in the pattern editor's colours.
    void setCarried(Button b, int pattern);
    // The 32 x 32 image of a carried pattern.
    const QImage& preview(Button b) const { return mPreviews[b]; }

    // --- opening ---------------------------------------------------------------------------------------
    // LevelEditorOpen up to showing: refills the pixel table from pattern set 1 (throws ConversionError
    // at an entry that is not a number, before anything else changes), initialises the level on the
    // first opening only (pattern 1 and the standard colours), redraws the chooser and resets the
    // carried patterns to 3, 10 and 1.
    void open(const PatternStore& store, const ColorRegisterSet& registers);
    bool levelInitialised() const { return mInitialised; }

    // --- the overlays' check boxes ------------------------------------------------------------------------
    bool showMonsters = false;
    bool showSwitches = false;
    // drawlevel with the two boxes.
    void drawlevel() { mPicture.drawlevel(showSwitches, showMonsters); }

    // --- painting -------------------------------------------------------------------------------------------
    // "OK", or the refusal for a start point or teleporter too near an end of the level.
    static QString check(int x, int y, int pattern);
    // The check, then the cell written and drawn, or the refusal logged.
    void place(int pattern, int x, int y);
    // The pattern the held buttons paint: middle over right over left.
    int paintPattern(unsigned buttons) const;
    // Mouse down on the level picture on the painting page (point in picture pixels). Starts a new
    // paint stroke; with Shift the held buttons first pick the cell's pattern.
    void levelMouseDown(QPoint point, unsigned buttons, bool shift);
    // Mouse move over the level picture: the banner text; on the painting page held buttons paint.
    void levelMouseMove(QPoint point, unsigned buttons, bool paintingPage);
    // Ends the paint stroke: what is painted after it never joins the step of the stroke before.
    void levelMouseUp();
    const QString& bannerText() const { return mBanner; }
    // The banner for the cell under a picture point: `what` the tool does, then the cell.
    void hover(QPoint point, const QString& what);

    // --- chooser ----------------------------------------------------------------------------------------
    // The pattern under a chooser point (negative coordinates count as 0).
    static int chooserPattern(QPoint point);
    void chooserMouseDown(QPoint point, unsigned buttons);
    void chooserMouseMove(QPoint point);
    const QString& chooserText() const { return mChooserText; }

    // --- keyboard and clipboard (leveleditsession_cells.cpp) ------------------------------------------------
    LevelCursor& cursor() { return mCursor; }
    const LevelCursor& cursor() const { return mCursor; }
    // P: Shift + left click on the cursor's cell, which picks its pattern onto the left button.
    void pickAtCursor();
    // The patterns of the selection, else of the cursor's cell, as clipboard text. Throws
    // ConversionError at a code that is not a number.
    QString copyText() const;
    // Ctrl+X: copyText, then the selection (or the cursor's cell) filled with the right button's pattern
    // as the step "Ausschneiden". Nothing changes when the copy fails.
    QString cut();
    // Delete: the same fill without the copy, as the step "Löschen".
    void erase();
    // Ctrl+V: a clipboard grid with its top left at the cursor, cut off at the level's last column and
    // row, as the step "Einfügen"; what lies beyond them is not read. Text that is no grid (or is far
    // too long for one) changes nothing and logs why.
    void paste(const QString& text);
    // F: the selection, else the 4-connected region of the cursor cell's pattern, filled with the left
    // button's pattern, as the step "Füllen".
    void fill();

    // --- the painting tools at a cell ---------------------------------------------------------------------
    // "Rechteck": the cells of the rectangle (cut off at the level's edges) filled with `pattern`.
    void fillRectangle(const QRect& cells, int pattern);
    // "Fläche": the 4-connected region of the cell's pattern filled with `pattern`, as F fills it.
    void fillArea(QPoint cell, int pattern);
    // "Stempel": the grid with its top left at `origin`, cut off at the level's last column and row, as a
    // part of the current stroke (levelMouseUp ends it): the stamps of one drag are one undo step.
    void stamp(const PatternGrid& grid, QPoint origin);

    // --- whole-level steps ------------------------------------------------------------------------------
    // "Level Initialisieren" after the question: the carried left pattern everywhere, as one undo
    // step, and the level drawn without overlays.
    void initialiseLevel();
    // The question asked before it.
    QString initialiseQuestion() const;
    // Loads a level file (fresh history), redraws as after loading and sets the left pattern to 0.
    // Throws as LoadLevelFile, or ConversionError from the redraw.
    void loadLevel(const QString& fileName);
    // Puts back the level of a recovery copy as unsaved work and redraws as loadLevel does; gives the
    // label it had. Throws FileContentError (naming source) and changes nothing for a damaged part.
    QString restoreLevel(const QByteArray& bytes, const QString& source);

private:
    void drawLoadedLevel();
    static QPoint cellAt(QPoint point) { return {point.x() / LevelPicture::kCell, point.y() / LevelPicture::kCell}; }
    // Every cell's write goes through the placement rule: refused cells stay and each different
    // refusal is logged once; the rest is one undo step named `text`, or, with `stroke`, a part of the
    // current paint stroke's step.
    void writeCells(const QString& text, std::vector<CellWrite> writes, bool stroke = false);
    // The selection, else the cursor's cell, filled with `pattern` as the step `text`.
    void fillTarget(const QString& text, int pattern);
    void fillCells(const QString& text, const QRect& cells, int pattern);
    void fillRegion(const QString& text, QPoint cell, int pattern);

    LevelDocument& mDocument;
    LevelPicture& mPicture;
    std::array<QString, 3> mCarried;
    std::array<QImage, 3> mPreviews;
    bool mInitialised = false;
    QString mBanner;
    QString mChooserText;
    // The picture follows every step the document records.
    SessionDrawing mDrawing{*this};
    StepRedraw mRedraw{mDocument, mDrawing};
    LevelCursor mCursor;
    // Numbers the paint strokes: the cells of one stroke merge into one undo step.
    int mStroke = 0;
};
