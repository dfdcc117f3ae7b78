// The graphics converter window; its contents come with the picture analysis.
#include "converter/ui/Grafikconverter.h"

TFormgrafikconverter::TFormgrafikconverter(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Formgrafikconverter"));
    setWindowTitle(QStringLiteral("Grafik Converter"));
    resize(1100, 760);
}
