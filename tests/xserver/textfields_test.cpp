// Every text field and table of every window in a real X server: a middle click, a paste or a drop
// with nothing to insert changes nothing and keeps the program alive; Tab moves out of each.
// This group runs under xvfb-run on the xcb platform, where the primary selection of a fresh
// session is empty, as on a user's desktop.
#include "level/levelplacement.h"
#include "gui/level/levelwindow.h"
#include "gui/pattern/patternwindow.h"
#include "support/windowsetfixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TextFields : public WindowSetFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run this group in an X server: xvfb-run -a with QT_QPA_PLATFORM=xcb";
        build();
    }
    void TearDown() override { QApplication::clipboard()->clear(QClipboard::Clipboard); }

    // Shows the window and waits until it has the focus, so that keys and clicks reach it.
    static void bringToFront(QWidget* window)
    {
        window->show();
        window->raise();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
    }

    // Runs `check` on every window with each page of its page controls in front in turn.
    template <class Check>
    void onEveryPage(Check check)
    {
        for (QWidget* window : set->windows()) {
            bringToFront(window);
            const QList<QTabWidget*> pages = window->findChildren<QTabWidget*>();
            if (pages.isEmpty())
                check(window);
            for (QTabWidget* tabs : pages)
                for (int i = 0; i < tabs->count(); ++i) {
                    tabs->setCurrentIndex(i);
                    check(window);
                }
            window->hide();
        }
    }

    static QList<QPlainTextEdit*> visibleTexts(QWidget* window)
    {
        QList<QPlainTextEdit*> texts;
        for (QPlainTextEdit* text : window->findChildren<QPlainTextEdit*>())
            if (text->isVisible())
                texts << text;
        return texts;
    }

    static std::string nameOf(const QWidget* w)
    {
        return (w->window()->objectName() + QLatin1Char('/') + w->objectName()).toStdString();
    }

    static void emptyClipboards()
    {
        QApplication::clipboard()->clear(QClipboard::Clipboard);
        QApplication::clipboard()->clear(QClipboard::Selection);
    }
};

TEST_F(TextFields, MiddleClickWithAnEmptySelectionChangesNothing)
{
    ASSERT_TRUE(QApplication::clipboard()->supportsSelection());
    int clicked = 0;
    onEveryPage([&](QWidget* window) {
        for (QPlainTextEdit* text : visibleTexts(window)) {
            const QString before = text->toPlainText();
            emptyClipboards();
            QTest::mouseClick(text->viewport(), Qt::MiddleButton, {}, QPoint(20, 10));
            EXPECT_EQ(text->toPlainText(), before) << nameOf(text);
            ++clicked;
        }
        // One-line fields (spin boxes included) paste the selection as text.
        for (QLineEdit* line : window->findChildren<QLineEdit*>()) {
            if (!line->isVisible())
                continue;
            const QString before = line->text();
            emptyClipboards();
            QTest::mouseClick(line, Qt::MiddleButton, {}, QPoint(5, 5));
            EXPECT_EQ(line->text(), before) << nameOf(line);
        }
    });
    // The level editor's log, the pattern editor's info list, the code window and the logs of the
    // sound converter and the splitter.
    EXPECT_GE(clicked, 5);
}

TEST_F(TextFields, PasteAndDropWithNothingToInsertChangeNothing)
{
    QMimeData empty;
    onEveryPage([&](QWidget* window) {
        for (QPlainTextEdit* text : visibleTexts(window)) {
            const QString before = text->toPlainText();
            emptyClipboards();
            text->setFocus();
            QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(text, Qt::Key_Insert, Qt::ShiftModifier);
            const QPoint at(20, 10);
            for (const QMimeData* mime : {static_cast<const QMimeData*>(nullptr), static_cast<const QMimeData*>(&empty)}) {
                QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, {});
                QApplication::sendEvent(text->viewport(), &enter);
                QDragMoveEvent move(at, Qt::CopyAction, mime, Qt::LeftButton, {});
                QApplication::sendEvent(text->viewport(), &move);
                QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, {});
                QApplication::sendEvent(text->viewport(), &drop);
            }
            EXPECT_EQ(text->toPlainText(), before) << nameOf(text);
        }
    });
}

TEST_F(TextFields, EditableLogsPasteTextAndReadOnlyLogsNever)
{
    // The level editor's log is a memo the user may write in; the info list only shows.
    QWidget* map = set->levelWindow();
    bringToFront(map);
    auto* memo = map->findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
    ASSERT_NE(memo, nullptr);
    auto* pages = map->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    pages->setCurrentIndex(static_cast<int>(LevelPage::Spielelemente));
    ASSERT_TRUE(memo->isVisible());
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QApplication::clipboard()->setText(QStringLiteral("eingefügt"));
    QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("eingefügt"))) << memo->toPlainText().toStdString();
    QApplication::clipboard()->setText(QStringLiteral("markiert"), QClipboard::Selection);
    QTest::mouseClick(memo->viewport(), Qt::MiddleButton, {}, QPoint(20, 10));
    EXPECT_TRUE(memo->toPlainText().contains(QStringLiteral("markiert")));

    QWidget* main = set->patternWindow();
    bringToFront(main);
    auto* info = main->findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(info->isReadOnly());
    const QString before = info->toPlainText();
    info->setFocus();
    QTest::keyClick(info, Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(info->viewport(), Qt::MiddleButton, {}, QPoint(20, 10));
    QMimeData text;
    text.setText(QStringLiteral("fallen gelassen"));
    QDropEvent drop(QPoint(20, 10), Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(info->viewport(), &drop);
    EXPECT_EQ(info->toPlainText(), before);
}

TEST_F(TextFields, TabMovesOutOfEveryTextAndTable)
{
    int left = 0;
    onEveryPage([&](QWidget* window) {
        QList<QWidget*> fields;
        for (QPlainTextEdit* text : visibleTexts(window))
            fields << text;
        for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>())
            if (view->isVisible() && (view->focusPolicy() & Qt::TabFocus))
                fields << view;
        for (QWidget* field : fields) {
            const auto* text = qobject_cast<QPlainTextEdit*>(field);
            const QString before = text ? text->toPlainText() : QString();
            // A table that edits on every change of its current cell hands the focus to the cell's editor.
            const auto inside = [field] { return field->hasFocus() || field->isAncestorOf(QApplication::focusWidget()); };
            field->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(inside()) << nameOf(field);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_FALSE(inside()) << nameOf(field);
            if (text) {
                EXPECT_EQ(text->toPlainText(), before) << nameOf(field);
            }
            // Shift+Tab comes back into it and leaves it the other way.
            field->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(inside()) << nameOf(field);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_FALSE(inside()) << nameOf(field);
            ++left;
        }
    });
    EXPECT_GE(left, 10);
}

TEST_F(TextFields, TabEndsTheEditingOfACellAndCtrlTabStillTurnsPages)
{
    QWidget* map = set->levelWindow();
    bringToFront(map);
    auto* pages = map->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    auto* memo = map->findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
    pages->setCurrentIndex(static_cast<int>(LevelPage::Spielelemente));
    const int memoPage = pages->currentIndex();
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), (memoPage + 1) % pages->count());
    for (const char* name : {"MonsterGrid", "Schaltergrid"}) {
        auto* view = map->findChild<QAbstractItemView*>(QLatin1String(name));
        ASSERT_NE(view, nullptr);
        pages->setCurrentWidget(view->parentWidget());
        view->setFocus(Qt::TabFocusReason);
        view->setCurrentIndex(view->model()->index(0, 0));
        QTest::keyClick(view, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_TRUE(view->isAncestorOf(editor)) << name;
        QTest::keyClicks(editor, QStringLiteral("7"));
        QTest::keyClick(editor, Qt::Key_Tab);
        EXPECT_FALSE(view->isAncestorOf(QApplication::focusWidget()) || view->hasFocus()) << name;
        EXPECT_EQ(view->model()->index(0, 0).data().toString(), QStringLiteral("7")) << name;
    }
}

} // namespace
