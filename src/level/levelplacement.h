// Placing monsters, switches and switch targets by mouse, and the table resets of the monster and switch pages.
#pragma once

#include <QString>
#include <optional>

class LevelDocument;
class LevelDrawing;
class LevelEditPlan;
enum class LevelTable;
enum class LevelRedraw : unsigned char;

// The four pages of the level editor, in their order.
enum class LevelPage { Daten = 0, Spielelemente = 1, Gegner = 2, Schalter = 3 };

// A position button arms a placement for one monster or switch (PlacementMode, PlacementSlot); the
// next click on the level on the placement's own page completes it. Every change is an undo step:
// the press and its completion merge into one while nothing else comes between them.
class LevelPlacement {
public:
    LevelPlacement(LevelDocument& document, LevelDrawing& drawing);

    // "" (nothing pending), "monster", "schalter" or "ziel".
    const QString& PlacementMode() const { return mMode; }
    // The monster (1-10) or switch (1-8) the pending placement is for; 0 when none is pending.
    int PlacementSlot() const { return mSlot; }

    // "01" ... "10": monster n inactive at (0, 0), the level redrawn, the placement armed.
    void SetMonster(int n);
    // "Wo": a switch that stood somewhere (X and Y not "0") leaves pattern 1 behind and the level is
    // redrawn; its position reads "Maus X" / "Maus Y" until the click. X and Y are converted
    // without a guard: a placeholder or other text stops here with the conversion error, nothing
    // changed and the earlier placement still pending.
    void SetSchalter(int n);
    // "Was": arms the target placement; the page to bring to the front, "Spielelemente setzen".
    LevelPage SetZiel(int n);

    // A mouse button released over the pattern chooser. With a target placement pending the target
    // reads "Maus X", "Maus Y" and the left button's pattern, and "Schalter verwalten" is to come
    // to the front; otherwise nothing.
    std::optional<LevelPage> chooserMouseUp(int leftPattern);
    // A mouse button pressed over level cell (x, y) while `page` is in front. Completes the pending
    // placement when this is its page and returns true; otherwise changes nothing and returns false.
    bool levelMouseDown(LevelPage page, int x, int y, int leftPattern);

    // "Init Table" after the question was answered Yes; the picture is not redrawn.
    void resetTable(LevelTable table);
    // "Aktualisiere": the whole level with the ticked overlays.
    void Aktualisiere();

private:
    bool push(const QString& text, int placement, const LevelEditPlan& plan, LevelRedraw first);
    void arm(const QString& mode, int slot);
    void clear();

    LevelDocument& mDocument;
    LevelDrawing& mDrawing;
    QString mMode;
    int mSlot = 0;
    int mPlacement = 0; // numbers the placements, so that only a press and its own completion merge
};
