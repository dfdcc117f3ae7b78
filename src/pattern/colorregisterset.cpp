// Built-in register defaults, visible until a pattern file is loaded.
#include "pattern/colorregisterset.h"

void ColorRegisterSet::reset()
{
    mRegisters[0] = {QStringLiteral("F0: 00"), PackRgb(0, 0, 0), kWhite};
    mRegisters[1] = {QStringLiteral("F1: 75"), PackRgb(0, 128, 255), kWhite};
    mRegisters[2] = {QStringLiteral("F2: 09"), PackRgb(192, 192, 192), kBlack};
    mRegisters[3] = {QStringLiteral("F3: 1C"), PackRgb(248, 192, 44), kBlack};
    mRegisters[4] = {QStringLiteral("F4: 36"), PackRgb(154, 70, 76), kWhite};
}
