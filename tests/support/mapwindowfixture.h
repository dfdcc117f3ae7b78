// The level editor in a fresh window set over a start-up file whose pattern set 1 draws every pattern
// differently, with helpers that press, drag and choose as the system sends mouse events.
#pragma once

#include "gui/level/levelpictureview.h"
#include "gui/level/levelwindow.h"
#include "pattern/fontfile.h"
#include "gui/pattern/patternwindow.h"
#include "support/windowsetfixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class MapWindowFixture : public WindowSetFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // A start-up file whose set 1 draws every pattern differently.
        PatternEditor e;
        for (int c = 0; c < 128; ++c)
            for (int r = 0; r < 8; ++r) {
                e.document().setEntry(1, c, r, QString::number((c * 29 + r * 7 + 1) % 256));
                e.document().setEntry(2, c, r, QString::number((c * 13 + r * 51) % 256));
            }
        SaveFontFile(e, fontFile());
        start();
        map = set->levelWindow();
    }
    QString fontFile() const { return folder.filePath(QStringLiteral("Vorarado.fa8")); }
    void open() { QTest::mouseClick(Control<QPushButton>(set->patternWindow(), "ButtonMap"), Qt::LeftButton); }
    void click(const char* name) { QTest::mouseClick(Control<QPushButton>(map, name), Qt::LeftButton); }
    QString carried(const char* label) { return Control<QLabel>(map, label)->text(); }
    QStringList log() { return Control<QPlainTextEdit>(map, "Memo")->toPlainText().split(QLatin1Char('\n')); }
    void toPaintingPage() { Control<QTabWidget>(map, "PageControl1")->setCurrentIndex(1); }
    // The level editor opened on its painting page, active, the keyboard on the level.
    void openForPainting()
    {
        open();
        toPaintingPage();
        map->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(map));
        Control<QWidget>(map, "paintboxLevel")->setFocus();
    }

    // Mouse events with held buttons and modifiers, as the system sends them.
    static void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
                     Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, mods);
        QApplication::sendEvent(w, &event);
    }
    static QPoint cell(int x, int y) { return {32 * x + 9, 32 * y + 20}; }
    void clickCell(int x, int y, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        send(Control<LevelPictureView>(map, "paintboxLevel"), QEvent::MouseButtonPress, cell(x, y), button, button, mods);
        send(Control<LevelPictureView>(map, "paintboxLevel"), QEvent::MouseButtonRelease, cell(x, y), button, Qt::NoButton, mods);
    }
    void drag(QPoint from, QPoint to, int steps, Qt::MouseButton button = Qt::LeftButton)
    {
        send(Control<LevelPictureView>(map, "paintboxLevel"), QEvent::MouseButtonPress, from, button, button);
        for (int i = 1; i <= steps; ++i)
            send(Control<LevelPictureView>(map, "paintboxLevel"), QEvent::MouseMove, from + (to - from) * i / steps, Qt::NoButton, button);
        send(Control<LevelPictureView>(map, "paintboxLevel"), QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }
    // Types a text into a cell of a table as a user does: the table's page shown, a double click on
    // the cell, Ctrl+A and the text over the old one, Return.
    void typeInto(const char* table, int row, int column, const QString& text)
    {
        auto* view = Control<QTableView>(map, table);
        auto* pages = Control<QTabWidget>(map, "PageControl1");
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(view))
                pages->setCurrentIndex(i);
        const QModelIndex index = view->model()->index(row, column);
        view->scrollTo(index);
        // QTest's double click is the second press alone: the first click comes before it.
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
        auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(index));
        ASSERT_NE(editor, nullptr) << table << " " << row << "," << column;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the delegate commits the text and closes the editor queued
    }
    void choose(int pattern, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at(32 * (pattern % 32) + 5, 32 * (pattern / 32) + 5);
        send(Control<LevelPictureView>(map, "paintboxpattern"), QEvent::MouseButtonPress, at, button, button);
        send(Control<LevelPictureView>(map, "paintboxpattern"), QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }

    LevelWindow* map = nullptr;
};
