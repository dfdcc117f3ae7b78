// The level editor window.
#pragma once

#include <QWidget>

class TFormmap : public QWidget {
    Q_OBJECT
public:
    explicit TFormmap(QWidget* parent = nullptr);
};
