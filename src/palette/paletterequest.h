// How a window asks the palette window for one colour.
#pragma once

#include "palette/ataricolor.h"

#include <QString>
#include <optional>

// Everything a requester sets before the palette window opens. Parts left empty keep what the
// window holds (a row colour request, for one, leaves the preview colour as it is).
struct PaletteRequest {
    // The accept button to make visible: 1 = Buttonwahl, 2 = Buttonwahl2, 3 = Buttonwahl3.
    int button = 1;

    // Starting values of the preview panel.
    std::optional<QString> caption;
    std::optional<PackedColor> color;
    std::optional<PackedColor> textColor;

    // The target the accept action reads back: a tag in Labelfarbe, or the two numbers SpinX/SpinY.
    std::optional<QString> target;
    std::optional<int> spinX;
    std::optional<int> spinY;
};
