// Reads the include lines of a source tree and names every include that runs against the floors.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

struct FloorCheck {
    QString sourceRoot;          // the src/ folder
    QSet<QString> coreFiles;     // paths relative to sourceRoot of the files built on Qt Core alone
    QSet<QString> qtGuiHeaders;  // the header names Qt Gui provides (QColor, qpainter.h, ...)
};

// One line per fault: an include against the floors, a circle among folders or among files (a header and
// its source count as one), a Qt Gui include or a picture-side model header in a file built on Qt Core alone.
QStringList FloorFaults(const FloorCheck& check);
