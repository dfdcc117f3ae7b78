// Opening a file with the program the desktop associates with it (typically an emulator).
#pragma once

#include <QString>

class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    // True when the desktop accepted the request.
    virtual bool open(const QString& fileName) = 0;
};
