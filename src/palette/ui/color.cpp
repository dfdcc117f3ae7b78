// The Atari palette window.
#include "palette/ui/color.h"

TFormcolor::TFormcolor(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Formcolor"));
    setWindowTitle(QStringLiteral("Atari Palette"));
    resize(564, 655);
}
