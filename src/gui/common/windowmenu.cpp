// The menus of the editor windows.
#include "gui/common/windowmenu.h"

#include "common/recentfiles.h"
#include "common/userguide.h"
#include "gui/common/controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QTextBrowser>
#include <QUrl>

QMenuBar* AddMenuBar(QWidget* window, QLayout* layout)
{
    auto* bar = Named(new QMenuBar(window), "MenuBar");
    // Keeps the bar inside the window on desktops that would move it to a global menu: the tests and the
    // guide describe it in the window.
    bar->setNativeMenuBar(false);
    layout->setMenuBar(bar);
    return bar;
}

namespace {

// Qt offers a key to the window's shortcuts before an open menu sees it: a letter that is also a key of
// the focused control (WidgetShortcut) would act behind the menu and leave it open. Claimed for the menu.
class MenuLetters : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) || key->text().isEmpty()
            || !key->text().front().isLetterOrNumber())
            return false;
        event->accept();
        return true;
    }
};

QMenu* NamedMenu(QMenu* menu, const char* name)
{
    menu->setObjectName(QLatin1String(name));
    menu->installEventFilter(new MenuLetters(menu));
    return menu;
}

} // namespace

QMenu* AddMenu(QMenuBar* bar, const QString& text, const char* name) { return NamedMenu(bar->addMenu(text), name); }

QMenu* AddSubmenu(QMenu* parent, const QString& text, const char* name) { return NamedMenu(parent->addMenu(text), name); }

QScrollArea* AddScrollingPage(QWidget* window)
{
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroller = Named(new QScrollArea(window), "ScrollBoxWindow");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(scroller);
    return scroller;
}

void AddHistoryEntries(QMenu* edit, QWidget* window)
{
    for (const auto& [name, text] : {std::pair{"actionUndo", "&Rückgängig"}, std::pair{"actionRedo", "&Wiederherstellen"}}) {
        auto* action = window->findChild<QAction*>(QLatin1String(name));
        action->setText(QString::fromUtf8(text));
        edit->addAction(action);
    }
}

QString KeysText(const QList<QKeySequence>& keys)
{
    QStringList texts;
    for (const QKeySequence& key : keys)
        texts << key.toString(QKeySequence::NativeText);
    return texts.join(QStringLiteral(", "));
}

void SetTip(QWidget* control, const QString& what, const QList<QKeySequence>& keys)
{
    control->setToolTip(keys.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, KeysText(keys)));
}

QAction* AddMenuAction(QMenu* menu, const QString& text, const char* name, const QList<QKeySequence>& keys)
{
    auto* action = Named(new QAction(text, menu), name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    menu->addAction(action);
    return action;
}

namespace {

// The entry's text as a tooltip: without the accelerator and the dots of an entry that asks first.
QString PlainText(QString text)
{
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QChar(0x2026)))
        text.chop(1);
    return text;
}

} // namespace

QAction* AddButtonAction(QMenu* menu, QAbstractButton* button, const QString& text, const char* name,
                         const QList<QKeySequence>& keys)
{
    QAction* action = AddMenuAction(menu, text, name, keys);
    QObject::connect(action, &QAction::triggered, button, &QAbstractButton::click);
    QObject::connect(menu, &QMenu::aboutToShow, action, [action, button] { action->setEnabled(button->isEnabled()); });
    const QString tip = button->toolTip().isEmpty() ? PlainText(text) : button->toolTip();
    SetTip(button, tip, keys);
    return action;
}

namespace {

void AddNoneEntry(QMenu* menu)
{
    QAction* none = menu->addAction(QStringLiteral("(keine)"));
    none->setObjectName(QStringLiteral("recentNone"));
    none->setEnabled(false);
}

} // namespace

QMenu* AddRecentFilesMenu(QMenu* fileMenu, RecentFiles& recent, const char* name,
                          std::function<void(const QString&)> open)
{
    QMenu* menu = AddSubmenu(fileMenu, QStringLiteral("&Zuletzt geöffnet"), name);
    menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
    // Filled each time it opens: another window or run may have changed the list, a file may have gone.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &recent, open] {
        menu->clear();
        const std::vector<RecentFiles::Entry> entries = recent.entries();
        for (int i = 0; i < int(entries.size()); ++i) {
            const RecentFiles::Entry entry = entries[size_t(i)];
            QAction* item = menu->addAction(RecentFiles::menuText(i, entry));
            item->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
            item->setToolTip(entry.missing ? QStringLiteral("Die Datei fehlt: Wählen nimmt sie aus der Liste")
                                           : entry.path);
            QObject::connect(item, &QAction::triggered, menu, [&recent, open, entry] {
                if (entry.missing)
                    recent.remove(entry.path);
                else
                    open(entry.path);
            });
        }
        if (entries.empty())
            AddNoneEntry(menu);
        menu->addSeparator();
        QAction* removeMissing = menu->addAction(QStringLiteral("&Fehlende entfernen"));
        removeMissing->setObjectName(QStringLiteral("recentRemoveMissing"));
        removeMissing->setEnabled(std::any_of(entries.begin(), entries.end(), [](const auto& e) { return e.missing; }));
        QObject::connect(removeMissing, &QAction::triggered, menu, [&recent] { recent.removeMissing(); });
        QAction* clear = menu->addAction(QStringLiteral("Liste &leeren"));
        clear->setObjectName(QStringLiteral("recentClear"));
        clear->setEnabled(!entries.empty());
        QObject::connect(clear, &QAction::triggered, menu, [&recent] { recent.clear(); });
    });
    // An empty menu does not open: one entry keeps it openable before the first filling.
    AddNoneEntry(menu);
    return menu;
}

QString AboutText()
{
    return AboutText(QCoreApplication::applicationVersion());
}

QWidget* ShowUserGuide(QWidget* owner)
{
    auto* guide = owner->findChild<QTextBrowser*>(QStringLiteral("FormHandbuch"), Qt::FindDirectChildrenOnly);
    if (!guide) {
        guide = Named(new QTextBrowser(owner), "FormHandbuch");
        guide->setWindowFlag(Qt::Window);
        guide->setWindowTitle(QStringLiteral("Tavrel Handbuch"));
        guide->setAccessibleName(QStringLiteral("Handbuch"));
        guide->setOpenExternalLinks(true);
        guide->resize(760, 640);
        const QString file = UserGuideFile(QCoreApplication::applicationDirPath());
        if (file.isEmpty()) {
            guide->setPlainText(QStringLiteral("Das Handbuch (handbuch.md) wurde nicht gefunden, weder in %1/doc noch in "
                                               "%1/../share/doc/tavrel.")
                                    .arg(QCoreApplication::applicationDirPath()));
        } else {
            // The pictures lie beside the guide and are found relative to it.
            guide->setSearchPaths({QFileInfo(file).absolutePath()});
            guide->setSource(QUrl::fromLocalFile(file), QTextDocument::MarkdownResource);
        }
        CenterOnScreen(guide);
    }
    ShowWindow(guide);
    return guide;
}

QMenu* AddHelpMenu(QMenuBar* bar, QWidget* window)
{
    QMenu* help = AddMenu(bar, QStringLiteral("&Hilfe"), "MenuHilfe");
    QAction* guide = AddMenuAction(help, QStringLiteral("&Handbuch"), "actionHandbuch",
                                   QKeySequence::keyBindings(QKeySequence::HelpContents));
    QObject::connect(guide, &QAction::triggered, window, [window] { ShowUserGuide(window); });
    QAction* about = AddMenuAction(help, QStringLiteral("Ü&ber Tavrel"), "actionUeber");
    QObject::connect(about, &QAction::triggered, window, [window] {
        // Shown without waiting, as the guide.
        auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Über Tavrel"), AboutText(), QMessageBox::Ok, window);
        box->setObjectName(QStringLiteral("MessageUeber"));
        box->setTextFormat(Qt::RichText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    return help;
}

void SetTips(QWidget* window, std::initializer_list<ControlTip> tips)
{
    for (const ControlTip& t : tips) {
        auto* control = window->findChild<QWidget*>(QLatin1String(t.name));
        if (!control || !control->toolTip().isEmpty())
            continue;
        const auto* action = t.action ? window->findChild<QAction*>(QLatin1String(t.action)) : nullptr;
        SetTip(control, QString::fromUtf8(t.tip), action ? action->shortcuts() : QList<QKeySequence>());
    }
}
