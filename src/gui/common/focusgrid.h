// A grid of controls as one Tab stop: Tab enters at the control last in use, the arrows move inside.
#pragma once

#include <QObject>
#include <vector>

class QWidget;

class FocusGrid : public QObject {
public:
    // columns[c][r]; the grid's controls keep their own keys but the arrows. The first control is the
    // stop until another is used.
    FocusGrid(std::vector<std::vector<QWidget*>> columns, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeStop(QWidget* control);
    std::vector<std::vector<QWidget*>> mColumns;
    QWidget* mStop = nullptr;
};
