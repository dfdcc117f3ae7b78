// The level byte view window; its tables come with the level files.
#include "levelio/ui/Mapdata.h"

TFormMapData::TFormMapData(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormMapData"));
    setWindowTitle(QStringLiteral("Level Byte Data "));
    resize(900, 600);
}
