// Writing the level picture beside the 15-sector level file (needs QtGui, unlike the level file).
#include "levelio/levelbinaryfile.h"

#include "common/bitmapfile.h"

void saveaspic(const QImage& picture, const QString& fileName)
{
    WriteBitmap32(fileName, picture);
}
