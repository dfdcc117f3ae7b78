// The menus of the editor windows: a menu bar over a window's layout, actions that press a window's
// button, "Zuletzt geöffnet" and the help menu.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>

class QAbstractButton;
class QAction;
class QLayout;
class QMenu;
class QMenuBar;
class QScrollArea;
class QWidget;
class RecentFiles;

// A menu bar at the top of the window's layout (the windows are plain widgets, the bar sits above
// their content). The window's own title stays as it is.
QMenuBar* AddMenuBar(QWidget* window, QLayout* layout);

// A menu of the bar, or a submenu of a menu, with its objectName. While it is open, a letter is its own:
// it chooses the entry with that underlined letter, never a key the window gives that letter (G, B).
QMenu* AddMenu(QMenuBar* bar, const QString& text, const char* name);
QMenu* AddSubmenu(QMenu* parent, const QString& text, const char* name);

// The window's one page, "ScrollBoxWindow", in a layout of the window's own without margins: the page
// scrolls where the window is smaller than its layout needs (a 1024 x 768 screen), so that the window
// itself may shrink. The caller gives it its content with setWidget().
QScrollArea* AddScrollingPage(QWidget* window);

// Bearbeiten's first entries: the window's undo and redo actions ("actionUndo", "actionRedo", made with
// their keys before the menus) with their menu texts.
void AddHistoryEntries(QMenu* edit, QWidget* window);

// A menu entry with its objectName and, where given, its keys. The keys work wherever the focus is in
// the window (a text field keeps the keys it edits with, as Ctrl+Z while typing).
QAction* AddMenuAction(QMenu* menu, const QString& text, const char* name, const QList<QKeySequence>& keys = {});

// A menu entry that presses the button: one handler for both, the entry greyed while the button is, and
// the button's tooltip naming the keys.
QAction* AddButtonAction(QMenu* menu, QAbstractButton* button, const QString& text, const char* name,
                         const QList<QKeySequence>& keys = {});

// The keys as the tooltip and the guide write them: "Strg+S".
QString KeysText(const QList<QKeySequence>& keys);
// Gives a control its tooltip: what it does, and its keys in brackets where it has some.
void SetTip(QWidget* control, const QString& what, const QList<QKeySequence>& keys = {});

// Datei → "Zuletzt geöffnet": the list is read each time the menu opens; a missing file is marked and
// removed from the list when chosen. open is called with the chosen file's path.
QMenu* AddRecentFilesMenu(QMenu* fileMenu, RecentFiles& recent, const char* name,
                          std::function<void(const QString&)> open);

// Hilfe: "Handbuch" (F1) shows the user guide in a window of its own; "Über Tavrel" the version and
// the licence.
QMenu* AddHelpMenu(QMenuBar* bar, QWidget* window);
// Shows the user guide in a window of the owner's, opening it when needed.
QWidget* ShowUserGuide(QWidget* owner);
// The text of "Über Tavrel".
QString AboutText();

// A control's tooltip: its objectName, what it does, and the menu entry whose keys it names (if any).
struct ControlTip {
    const char* name;
    const char* tip;
    const char* action = nullptr;
};
// Gives the window's named controls their tooltips. Controls not built yet (a page not shown yet) are
// passed over; a control that already has a tooltip keeps it.
void SetTips(QWidget* window, std::initializer_list<ControlTip> tips);
