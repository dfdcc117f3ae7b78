// Scripted dialogs whose error box is Qt's real modal box, dismissed by a key press a moment later:
// the focus leaves the window and a nested event loop runs, as for a user.
#pragma once

#include "app/qtuserdialogs.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class ModalErrorDialogs : public ScriptedDialogs {
public:
    void error(const QString& text) override
    {
        ScriptedDialogs::error(text);
        QTimer::singleShot(20, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QtUserDialogs().error(text);
    }
};
