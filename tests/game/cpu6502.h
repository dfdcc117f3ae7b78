// A small 6502 interpreter (documented opcodes, binary arithmetic) for running the stand-in game's
// routines in tests. Memory is a plain 64K array; a bus hook sees reads and writes of chosen pages.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

class Cpu6502 {
public:
    std::array<uint8_t, 65536> memory{};
    uint16_t pc = 0;
    uint8_t a = 0, x = 0, y = 0, s = 0xFF;
    bool c = false, z = false, i = false, d = false, v = false, n = false;
    uint64_t cycles = 0; // base cycles of the executed instructions (no page-crossing extras)

    // Called for every access to $D000-$D7FF (the chips). The read hook returns the value read.
    std::function<uint8_t(uint16_t)> readChip = [](uint16_t) { return uint8_t{0xFF}; };
    std::function<void(uint16_t, uint8_t)> writeChip = [](uint16_t, uint8_t) {};

    uint8_t read(uint16_t address);
    void write(uint16_t address, uint8_t value);
    uint16_t word(uint16_t address) { return static_cast<uint16_t>(memory[address] | (memory[static_cast<uint16_t>(address + 1)] << 8)); }

    // Executes one instruction. Throws std::runtime_error on an opcode it does not know.
    void step();

    // Runs from `address` as a subroutine until it returns (RTS or RTI to the pushed return
    // address), until the program counter reaches `stop`, or until it loops on one JMP.
    // Throws when it takes more than `limit` instructions. Returns the final program counter.
    uint16_t call(uint16_t address, uint16_t stop, int limit = 2000000);
    // The same for an interrupt handler: pushes a return address and the flags as an NMI does.
    uint16_t interrupt(uint16_t address, uint16_t stop, int limit = 100000);

private:
    uint16_t run(uint16_t returnAddress, uint16_t stop, int limit);
    void push(uint8_t value) { memory[0x100 + s--] = value; }
    uint8_t pull() { return memory[0x100 + ++s]; }
    uint8_t flags(bool brk) const;
    void setFlags(uint8_t p);
    void setNZ(uint8_t value) { z = value == 0; n = (value & 0x80) != 0; }
    void compare(uint8_t reg, uint8_t value);
    void adc(uint8_t value);
};
