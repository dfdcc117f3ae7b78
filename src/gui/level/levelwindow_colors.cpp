// The level editor's colour lines: swatch double clicks, the palette's hand-back and the standard colours;
// the level code export and the byte view.
#include "gui/level/levelwindow.h"

#include "gui/common/colorpanel.h"
#include "gui/common/controls.h"
#include "gui/common/focusgrid.h"
#include "levelio/levelcode.h"
#include "palette/paletterequest.h"

#include <QPlainTextEdit>
#include <QPushButton>

void LevelWindow::connectColorLines()
{
    for (int c = 0; c < LevelDocument::kColorColumns; ++c)
        for (int line = 1; line <= LevelDocument::kColorLines; ++line)
            connectAct(colorPanels[c][line - 1], &ColorPanel::doubleClicked, [this, c, line] { PanelDblClick(c, line); });
    connectAct(ButtonStandardfarbe, &QPushButton::clicked, &LevelWindow::ButtonStandardfarbeClick);
    // The 50 swatches are one Tab stop; the arrows move between them.
    std::vector<std::vector<QWidget*>> swatches;
    for (const auto& column : colorPanels)
        swatches.emplace_back(column.begin(), column.end());
    new FocusGrid(std::move(swatches), this);
}

void LevelWindow::PanelDblClick(int column, int line)
{
    if (!mRequestColor)
        return;
    PaletteRequest r = mColorLines.request(column, line);
    r.answer = [this](const PaletteAnswer& answer) { Buttonwahl2Click(answer); };
    mRequestColor(r);
}

void LevelWindow::Buttonwahl2Click(const PaletteAnswer& answer)
{
    // Runs inside the palette's handler: a failing row redraw goes to the palette's guard, so the error is
    // shown and the palette stays open.
    try {
        mColorLines.accept(answer);
    } catch (...) {
        refresh();
        throw;
    }
    refresh();
}

void LevelWindow::ButtonStandardfarbeClick()
{
    const QString question = QStringLiteral("Sollen die 5 Standard-Farben aus dem Font-Editor für alle diese Zeilen gesetzt werden??");
    if (mDialogs.confirm(question) == UserDialogs::Answer::Yes)
        mColorLines.standardColors(mRegisters);
}

void LevelWindow::Button1Click()
{
    ensurePage(LevelPage::Spielelemente); // the log
    Memo->clear();
    AppendLines(Memo, LevelAssemblerCode(mDocument));
}

void LevelWindow::Button30Click()
{
    if (mShowByteView)
        mShowByteView();
}
