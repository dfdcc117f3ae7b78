// A label that never asks for more width than a few characters: where its text does not fit it ends
// in "…" and shows the whole text as its tooltip. Its text() stays whole, for screen readers too.
#pragma once

#include <QLabel>

class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
