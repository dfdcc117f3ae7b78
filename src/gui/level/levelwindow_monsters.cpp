// The level editor's monster and switch pages: position buttons, table resets, redraws and placing by mouse.
#include "gui/level/levelwindow.h"

#include "gui/common/controls.h"
#include "gui/common/keyawarebutton.h"
#include "gui/level/levelpictureview.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

// The speed buttons of the ten monsters and of the eight switches' "Wo" and "Was", in slot order.
constexpr std::array<const char*, LevelDocument::kMonsters> kMonsterButtons = {
    "SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4",  "SpeedButton5",
    "SpeedButton7", "SpeedButton8", "SpeedButton9", "SpeedButton10", "SpeedButton11"};
constexpr std::array<const char*, LevelDocument::kSwitches> kWoButtons = {
    "SpeedButton15", "SpeedButton17", "SpeedButton21", "SpeedButton25",
    "SpeedButton27", "SpeedButton29", "SpeedButton31", "SpeedButton35"};
constexpr std::array<const char*, LevelDocument::kSwitches> kWasButtons = {
    "SpeedButton16", "SpeedButton18", "SpeedButton22", "SpeedButton26",
    "SpeedButton28", "SpeedButton30", "SpeedButton32", "SpeedButton36"};

KeyAwareButton* SpeedButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = Named(new KeyAwareButton(caption, parent), name);
    button->setFixedSize(40, 24);
    return button;
}

QString ResetQuestion(const QString& table)
{
    return QStringLiteral("Soll die gesammte ") + table
        + QStringLiteral(" neu initialisiert werden?\rAlle bisherigen Einträge werden gelöscht!");
}

} // namespace

// --- building ---------------------------------------------------------------------------------------------

QWidget* LevelWindow::buildMonsterButtons()
{
    auto* strip = new QWidget(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    BitBtn1 = NamedButton(QStringLiteral("Init Table"), "BitBtn1", strip);
    Button33 = NamedButton(QStringLiteral("Aktualisiere"), "Button33", strip);
    row->addWidget(BitBtn1);
    row->addWidget(Button33);
    row->addSpacing(20);
    row->addWidget(Named(new QLabel(QStringLiteral("Setze Position im Level:"), strip), "Label11"));
    for (int n = 1; n <= LevelDocument::kMonsters; ++n) {
        monsterButtons[n - 1] = SpeedButton(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), kMonsterButtons[n - 1], strip);
        monsterButtons[n - 1]->setAccessibleName(QStringLiteral("Gegner %1: Setze Position im Level").arg(n));
        row->addWidget(monsterButtons[n - 1]);
    }
    row->addStretch(1);
    return strip;
}

QWidget* LevelWindow::buildSwitchButtons()
{
    auto* strip = new QWidget(this);
    auto* grid = new QGridLayout(strip);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    buttoninitschaltergrid = NamedButton(QStringLiteral("Init Table"), "buttoninitschaltergrid", strip);
    Button34 = NamedButton(QStringLiteral("Aktualisiere"), "Button34", strip);
    grid->addWidget(buttoninitschaltergrid, 0, 0);
    grid->addWidget(Button34, 1, 0);
    grid->setColumnMinimumWidth(1, 20);
    grid->addWidget(Named(new QLabel(QStringLiteral("Wo steht der Schalter:"), strip), "Label15"), 0, 2);
    grid->addWidget(Named(new QLabel(QStringLiteral("Was schaltet er um:"), strip), "Label16"), 1, 2);
    for (int n = 1; n <= LevelDocument::kSwitches; ++n) {
        woButtons[n - 1] = SpeedButton(QStringLiteral("Wo"), kWoButtons[n - 1], strip);
        wasButtons[n - 1] = SpeedButton(QStringLiteral("Was"), kWasButtons[n - 1], strip);
        woButtons[n - 1]->setAccessibleName(QStringLiteral("Schalter %1: Wo steht der Schalter").arg(n));
        wasButtons[n - 1]->setAccessibleName(QStringLiteral("Schalter %1: Was schaltet er um").arg(n));
        grid->addWidget(woButtons[n - 1], 0, 2 + n);
        grid->addWidget(wasButtons[n - 1], 1, 2 + n);
    }
    grid->setColumnStretch(3 + LevelDocument::kSwitches, 1);
    return strip;
}

void LevelWindow::connectTablePage(LevelTable table)
{
    if (table == LevelTable::Monsters) {
        connectAct(BitBtn1, &QPushButton::clicked, &LevelWindow::BitBtn1Click);
        connectAct(Button33, &QPushButton::clicked, &LevelWindow::Button33Click);
        for (int n = 1; n <= LevelDocument::kMonsters; ++n)
            connectAct(monsterButtons[n - 1], &KeyAwareButton::activated, [this, n](bool byMouse) { SetMonster(n, byMouse); });
        return;
    }
    connectAct(buttoninitschaltergrid, &QPushButton::clicked, &LevelWindow::buttoninitschaltergridClick);
    connectAct(Button34, &QPushButton::clicked, &LevelWindow::Button33Click);
    for (int n = 1; n <= LevelDocument::kSwitches; ++n) {
        connectAct(woButtons[n - 1], &KeyAwareButton::activated, [this, n](bool byMouse) { SetSchalter(n, byMouse); });
        connectAct(wasButtons[n - 1], &KeyAwareButton::activated, [this, n](bool byMouse) { SetZiel(n, byMouse); });
    }
}

// --- handlers -----------------------------------------------------------------------------------------------

void LevelWindow::SetMonster(int n, bool byMouse)
{
    mPlacement.SetMonster(n);
    // By keyboard the cursor's cell stands for the click on the level.
    if (!byMouse)
        mTools.placement().placeAtCursor();
}

void LevelWindow::SetSchalter(int n, bool byMouse)
{
    mPlacement.SetSchalter(n);
    if (!byMouse)
        mTools.placement().placeAtCursor();
}

void LevelWindow::SetZiel(int n, bool byMouse)
{
    PageControl1->setCurrentIndex(static_cast<int>(mPlacement.SetZiel(n)));
    // The pattern is chosen next: by keyboard in the chooser, whose page has just come to the front.
    if (!byMouse)
        paintboxpattern->setFocus(Qt::OtherFocusReason);
}

void LevelWindow::BitBtn1Click()
{
    if (mDialogs.confirm(ResetQuestion(QStringLiteral("Monstertabelle"))) == UserDialogs::Answer::Yes)
        mPlacement.resetTable(LevelTable::Monsters);
}

void LevelWindow::buttoninitschaltergridClick()
{
    if (mDialogs.confirm(ResetQuestion(QStringLiteral("Schaltertabelle"))) == UserDialogs::Answer::Yes)
        mPlacement.resetTable(LevelTable::Switches);
}

void LevelWindow::Button33Click()
{
    mPlacement.Aktualisiere();
}

void LevelWindow::paintboxpatternMouseUp()
{
    const bool chooserFocused = paintboxpattern->hasFocus();
    if (const auto page = mPlacement.chooserMouseUp(mSession.carried(LevelEditSession::Left))) {
        PageControl1->setCurrentIndex(static_cast<int>(*page));
        // The target's cell is chosen next: by keyboard on the level, with its cursor and Space.
        if (chooserFocused)
            paintboxLevel->setFocus(Qt::OtherFocusReason);
    }
}
