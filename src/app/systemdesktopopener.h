// SystemDesktopOpener: the desktop's own file association.
#pragma once

#include "common/desktopopener.h"

class SystemDesktopOpener : public DesktopOpener {
public:
    bool open(const QString& fileName) override;
};
