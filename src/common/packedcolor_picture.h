// Packed colours as QtGui's colours, for pictures and windows; the model code on Qt Core alone keeps to PackedColor.
#pragma once

#include "common/packedcolor.h"

#include <QColor>

inline QColor ToQColor(PackedColor c) { return QColor(Red(c), Green(c), Blue(c)); }
inline PackedColor FromQColor(const QColor& c) { return PackRgb(c.red(), c.green(), c.blue()); }
inline QRgb ToQRgb(PackedColor c) { return qRgb(Red(c), Green(c), Blue(c)); }
