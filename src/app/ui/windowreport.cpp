// The window report of the install test.
#include "app/ui/windowreport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QWidget>

namespace {

void AddField(QStringList& lines, const QWidget* window, const QString& name, const QString& text)
{
    if (!name.isEmpty())
        lines << QStringLiteral("%1/%2: %3").arg(window->objectName(), name, text);
}

} // namespace

bool WriteWindowReport(const QString& fileName)
{
    QStringList lines;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        lines << QStringLiteral("%1: %2").arg(window->objectName(), window->windowTitle());
        for (const QLabel* label : window->findChildren<QLabel*>())
            AddField(lines, window, label->objectName(), label->text());
        for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
            AddField(lines, window, edit->objectName(), edit->text());
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.commit();
}
