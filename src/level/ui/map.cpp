// The level editor window; its contents come with the level editor itself.
#include "level/ui/map.h"

TFormmap::TFormmap(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Formmap"));
    setWindowTitle(QStringLiteral("Tavrel Level Editor für Oxil's Quest"));
    resize(1200, 800);
}
