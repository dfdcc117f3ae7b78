// Drawing a label's text cut to its width.
#include "gui/common/elidinglabel.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

QSize ElidingLabel::minimumSizeHint() const
{
    QSize size = QLabel::minimumSizeHint();
    size.setWidth(std::min(size.width(), fontMetrics().averageCharWidth() * 6));
    return size;
}

void ElidingLabel::paintEvent(QPaintEvent*)
{
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    const QString tip = shown == text() ? QString() : text();
    if (toolTip() != tip)
        setToolTip(tip);
    QPainter painter(this);
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}
