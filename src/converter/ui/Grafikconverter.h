// The graphics converter window.
#pragma once

#include <QWidget>

class TFormgrafikconverter : public QWidget {
    Q_OBJECT
public:
    explicit TFormgrafikconverter(QWidget* parent = nullptr);
};
