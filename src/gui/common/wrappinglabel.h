// A label whose text goes on as many lines as its width needs, and that measures each width once: a
// layout asks a wrapping label for its height at many widths on every pass, and laying its text out for
// each question made the level editor's and the byte view's first opening cost more than a frame.
#pragma once

#include <QFont>
#include <QHash>
#include <QLabel>

class WrappingLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappingLabel(const QString& text, QWidget* parent = nullptr);
    int heightForWidth(int width) const override;

private:
    // Heights by width, for the text and font they were measured with.
    mutable QHash<int, int> mHeights;
    mutable QString mMeasuredText;
    mutable QFont mMeasuredFont;
};
