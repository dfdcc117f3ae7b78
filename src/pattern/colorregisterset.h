// The pattern editor's five colour registers F0-F4.
#pragma once

#include "palette/ataricolor.h"

#include <array>

struct ColorRegister {
    QString caption;            // "F1: 75": characters 5-6 are the ColorCode
    PackedColor displayColor = 0;
    PackedColor textColor = kWhite;

    QString code() const { return caption.mid(4, 2); }

    bool operator==(const ColorRegister&) const = default;
};

// F0 background, F1-F3 pixel codes 1-3, F4 for code 3 of inverse level patterns.
class ColorRegisterSet {
public:
    static constexpr int kCount = 5;
    ColorRegisterSet() { reset(); }
    void reset();

    ColorRegister& operator[](int k) { return mRegisters[k]; }
    const ColorRegister& operator[](int k) const { return mRegisters[k]; }

private:
    std::array<ColorRegister, kCount> mRegisters;
};
