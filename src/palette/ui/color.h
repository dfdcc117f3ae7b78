// The Atari palette window.
#pragma once

#include <QWidget>

class TFormcolor : public QWidget {
    Q_OBJECT
public:
    explicit TFormcolor(QWidget* parent = nullptr);
};
