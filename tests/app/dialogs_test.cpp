// The error guard and the real message boxes: every error reaches the user in German and in reach.
#include "common/guard.h"
#include "app/qtuserdialogs.h"
#include "common/displaytext.h"
#include "support/scripteddialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {

TEST(Guard, EveryErrorEndsInTheErrorBox)
{
    ScriptedDialogs dialogs;
    Guarded(dialogs, [] { throw ConversionError(QStringLiteral("x")); });
    Guarded(dialogs, [] { throw std::bad_alloc(); });
    Guarded(dialogs, [] { throw std::length_error("zu lang"); });
    bool ran = false;
    Guarded(dialogs, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(dialogs.errors, QStringList({QStringLiteral("'x' ist kein gültiger Integerwert"),
                                           QStringLiteral("Zu wenig Arbeitsspeicher"), QStringLiteral("zu lang")}));
}

struct SeenBox {
    QString text;
    QString details;
};

// Shows the error through the real dialogs and notes what the box showed before closing it.
SeenBox ShowError(const QString& message)
{
    SeenBox seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.text = box->text();
        seen.details = box->detailedText();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    QtUserDialogs dialogs;
    dialogs.error(message);
    return seen;
}

TEST(QtUserDialogs, ALongErrorIsShownCutWithTheWholeTextInTheDetails)
{
    const QString huge =
        QStringLiteral("'") + QString(300000, QLatin1Char('7')) + QStringLiteral("' ist kein gültiger Integerwert");
    const SeenBox cut = ShowError(huge);
    EXPECT_EQ(cut.text, DisplayText(huge));
    EXPECT_EQ(cut.details, huge);

    const SeenBox plain = ShowError(QStringLiteral("Stream-Lesefehler"));
    EXPECT_EQ(plain.text, QStringLiteral("Stream-Lesefehler"));
    EXPECT_TRUE(plain.details.isEmpty());
}

} // namespace
