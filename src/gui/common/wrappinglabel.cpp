// Measuring a wrapping label once per width.
#include "gui/common/wrappinglabel.h"

WrappingLabel::WrappingLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setWordWrap(true);
}

int WrappingLabel::heightForWidth(int width) const
{
    // Margins, indent and frame are the label's own and change only with a new text or font here.
    if (text() != mMeasuredText || font() != mMeasuredFont || mHeights.size() > 64) {
        mHeights.clear();
        mMeasuredText = text();
        mMeasuredFont = font();
    }
    auto it = mHeights.constFind(width);
    if (it == mHeights.constEnd())
        it = mHeights.insert(width, QLabel::heightForWidth(width));
    return *it;
}
