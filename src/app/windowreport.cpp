// The window report of the install test.
#include "app/windowreport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QSaveFile>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace {

void AddField(QStringList& lines, const QWidget* window, const QString& name, const QString& text)
{
    if (!name.isEmpty())
        lines << QStringLiteral("%1/%2: %3").arg(window->objectName(), name, text);
}

QString Place(const QWidget* window, const QWidget* widget, QRect rect)
{
    rect.moveTopLeft(widget->mapTo(window, rect.topLeft()));
    return QStringLiteral("@ %1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// Controls on a tab page behind another are listed as they are shown with their page in front (the
// page is brought forward for it and put back).
void AddPlaces(QStringList& lines, QWidget* window)
{
    QMap<const QWidget*, QString> places;
    const auto note = [&](const QWidget* widget) {
        if (!widget->objectName().isEmpty())
            places[widget] = Place(window, widget, widget->rect());
    };
    for (const QWidget* widget : window->findChildren<QWidget*>())
        note(widget);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        if (!tabs->isVisible())
            continue;
        const int front = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            for (const QWidget* widget : tabs->widget(i)->findChildren<QWidget*>())
                note(widget);
        }
        tabs->setCurrentIndex(front);
    }
    for (const QWidget* widget : window->findChildren<QWidget*>())
        if (places.contains(widget))
            lines << QStringLiteral("%1/%2 %3").arg(window->objectName(), widget->objectName(), places.value(widget));
    for (const QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        if (!tabs->isVisible())
            continue;
        for (int i = 0; i < tabs->count(); ++i)
            lines << QStringLiteral("%1/%2 tab %3 %4: %5")
                         .arg(window->objectName(), tabs->objectName())
                         .arg(i)
                         .arg(Place(window, tabs->tabBar(), tabs->tabBar()->tabRect(i)), tabs->tabText(i));
    }
}

} // namespace

bool WriteWindowReport(const QString& fileName)
{
    QStringList lines;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        lines << QStringLiteral("%1: %2").arg(window->objectName(), window->windowTitle());
        for (const QLabel* label : window->findChildren<QLabel*>())
            AddField(lines, window, label->objectName(), label->text());
        for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
            AddField(lines, window, edit->objectName(), edit->text());
        AddPlaces(lines, window);
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.commit();
}
