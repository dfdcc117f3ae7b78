// How a window asks the palette window for one colour, and the answer it gets back.
#pragma once

#include "palette/ataricolor.h"

#include <QString>
#include <functional>
#include <optional>

// What an accept button hands back: the picked colour and the target the request named.
struct PaletteAnswer {
    int button = 1;     // 1 = Buttonwahl, 2 = Buttonwahl2, 3 = Buttonwahl3
    QString code;       // the preview's caption, the picked ColorCode
    PackedColor color = 0;
    QString target;     // the tag in Labelfarbe ("A1" … for colour lines, "Grid" for the converter's table)
    int spinX = 0;
    int spinY = 0;
};

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

    // Receives the answer when the user accepts with the named button. The latest request for a
    // button decides who is answered; a failure in it is shown and leaves the request open.
    std::function<void(const PaletteAnswer&)> answer;
};
