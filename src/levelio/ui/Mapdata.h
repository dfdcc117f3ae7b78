// The level byte view window.
#pragma once

#include <QWidget>

class TFormMapData : public QWidget {
    Q_OBJECT
public:
    explicit TFormMapData(QWidget* parent = nullptr);
};
