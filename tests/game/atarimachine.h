// The stand-in game in the 6502 interpreter, with just enough of the Atari's video chips to draw
// its screen, and helpers for its run address and the linker's label file.
#pragma once

#include "cpu6502.h"
#include "levelio/xeximage.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// The run address of a binary-load file: the word a segment loads to $02E0, if one does.
std::optional<int> RunAddress(const QByteArray& file, const BinaryLoadLayout& layout);

// "al 002047 .start" lines of ld65's label file -> name: address.
QHash<QString, int> ReadLabels(const QString& fileName);

namespace reg {
constexpr uint16_t COLPF0 = 0xD016, COLPF1 = 0xD017, COLPF2 = 0xD018, COLPF3 = 0xD019, COLBK = 0xD01A;
constexpr uint16_t TRIG0 = 0xD010, KBCODE = 0xD209, SKSTAT = 0xD20F, PORTA = 0xD300;
constexpr uint16_t DLISTL = 0xD402, DLISTH = 0xD403, HSCROL = 0xD404, CHBASE = 0xD409, WSYNC = 0xD40A, NMIEN = 0xD40E;
} // namespace reg

constexpr uint16_t kVvblki = 0x0222, kVdslst = 0x0200, kSysvbv = 0xE45F;

// What the screen showed in one frame: one line of 160 colour clocks per scan line, each the
// Atari colour value shown there, plus what the program wrote to the chips in each interrupt.
struct Frame {
    std::vector<std::array<uint8_t, 160>> lines;
    std::vector<int> modeOfLine;      // ANTIC mode of each scan line, 0 for blank lines
    std::vector<QByteArray> textRows; // the screen codes of each mode 2 line
    int firstLevelLine = -1;          // the first scan line of mode 4

    struct ChipWrite {
        uint16_t address;
        uint8_t value;
        int cyclesAfterWsync; // -1 for writes before WSYNC
    };
    std::vector<std::vector<ChipWrite>> interrupts; // one list per display-list interrupt
};

class AtariMachine {
public:
    // Loads every segment into memory; throws std::runtime_error when the file does not parse.
    explicit AtariMachine(const QByteArray& xex);

    Cpu6502 cpu;
    std::array<uint8_t, 0x800> chips{}; // last value written to each register of $D000-$D7FF
    int runAddress = 0;

    // Inputs: joystick 0 (bits 0-3 up, down, left, right, 0 = pushed), its button, keyboard.
    uint8_t porta = 0xFF;
    uint8_t trig0 = 1;
    uint8_t skstat = 0xFF;
    uint8_t kbcode = 0xFF;

    // Runs the program from its run address until it idles.
    void boot();
    // One vertical blank: the routine the program hooked into the immediate VBI vector.
    void verticalBlank();
    // Draws one frame from the display list, running the display-list interrupts where asked.
    Frame draw();

    uint8_t chip(uint16_t address) const { return chips[address - 0xD000]; }

private:
    bool mInterrupt = false;
    uint64_t mWsyncCycle = 0;
    bool mWsyncSeen = false;
    std::vector<Frame::ChipWrite>* mLog = nullptr;
};
