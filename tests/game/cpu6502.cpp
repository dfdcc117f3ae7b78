// The 6502 interpreter: a table of the documented opcodes, their addressing modes and base cycles.
#include "cpu6502.h"

#include <cstdio>

namespace {

enum class Op {
    None, ADC, AND, ASL, BCC, BCS, BEQ, BIT, BMI, BNE, BPL, BRK, BVC, BVS, CLC, CLD, CLI, CLV, CMP, CPX, CPY,
    DEC, DEX, DEY, EOR, INC, INX, INY, JMP, JSR, LDA, LDX, LDY, LSR, NOP, ORA, PHA, PHP, PLA, PLP, ROL, ROR,
    RTI, RTS, SBC, SEC, SED, SEI, STA, STX, STY, TAX, TAY, TSX, TXA, TXS, TYA
};
enum class Mode { Imp, Acc, Imm, Zp, Zpx, Zpy, Abs, Abx, Aby, Ind, Izx, Izy, Rel };

struct Entry {
    Op op = Op::None;
    Mode mode = Mode::Imp;
    int cycles = 0;
};

using Table = std::array<Entry, 256>;

Table MakeTable()
{
    Table t{};
    auto set = [&t](int code, Op op, Mode mode, int cycles) { t[code] = Entry{op, mode, cycles}; };
    // The eight-way groups: immediate, zp, zp,x, abs, abs,x, abs,y, (zp,x), (zp),y.
    struct Group {
        Op op;
        int imm, zp, zpx, abs, abx, aby, izx, izy;
    };
    const Group alu[] = {
        {Op::ORA, 0x09, 0x05, 0x15, 0x0D, 0x1D, 0x19, 0x01, 0x11}, {Op::AND, 0x29, 0x25, 0x35, 0x2D, 0x3D, 0x39, 0x21, 0x31},
        {Op::EOR, 0x49, 0x45, 0x55, 0x4D, 0x5D, 0x59, 0x41, 0x51}, {Op::ADC, 0x69, 0x65, 0x75, 0x6D, 0x7D, 0x79, 0x61, 0x71},
        {Op::LDA, 0xA9, 0xA5, 0xB5, 0xAD, 0xBD, 0xB9, 0xA1, 0xB1}, {Op::CMP, 0xC9, 0xC5, 0xD5, 0xCD, 0xDD, 0xD9, 0xC1, 0xD1},
        {Op::SBC, 0xE9, 0xE5, 0xF5, 0xED, 0xFD, 0xF9, 0xE1, 0xF1},
    };
    for (const Group& g : alu) {
        set(g.imm, g.op, Mode::Imm, 2);
        set(g.zp, g.op, Mode::Zp, 3);
        set(g.zpx, g.op, Mode::Zpx, 4);
        set(g.abs, g.op, Mode::Abs, 4);
        set(g.abx, g.op, Mode::Abx, 4);
        set(g.aby, g.op, Mode::Aby, 4);
        set(g.izx, g.op, Mode::Izx, 6);
        set(g.izy, g.op, Mode::Izy, 5);
    }
    // STA: no immediate; indexed stores take the long time.
    set(0x85, Op::STA, Mode::Zp, 3);
    set(0x95, Op::STA, Mode::Zpx, 4);
    set(0x8D, Op::STA, Mode::Abs, 4);
    set(0x9D, Op::STA, Mode::Abx, 5);
    set(0x99, Op::STA, Mode::Aby, 5);
    set(0x81, Op::STA, Mode::Izx, 6);
    set(0x91, Op::STA, Mode::Izy, 6);
    // Shifts and memory increments: accumulator, zp, zp,x, abs, abs,x.
    struct Rmw {
        Op op;
        int acc, zp, zpx, abs, abx;
    };
    const Rmw rmw[] = {
        {Op::ASL, 0x0A, 0x06, 0x16, 0x0E, 0x1E}, {Op::ROL, 0x2A, 0x26, 0x36, 0x2E, 0x3E}, {Op::LSR, 0x4A, 0x46, 0x56, 0x4E, 0x5E},
        {Op::ROR, 0x6A, 0x66, 0x76, 0x6E, 0x7E}, {Op::DEC, -1, 0xC6, 0xD6, 0xCE, 0xDE}, {Op::INC, -1, 0xE6, 0xF6, 0xEE, 0xFE},
    };
    for (const Rmw& g : rmw) {
        if (g.acc >= 0)
            set(g.acc, g.op, Mode::Acc, 2);
        set(g.zp, g.op, Mode::Zp, 5);
        set(g.zpx, g.op, Mode::Zpx, 6);
        set(g.abs, g.op, Mode::Abs, 6);
        set(g.abx, g.op, Mode::Abx, 7);
    }
    set(0xA2, Op::LDX, Mode::Imm, 2);
    set(0xA6, Op::LDX, Mode::Zp, 3);
    set(0xB6, Op::LDX, Mode::Zpy, 4);
    set(0xAE, Op::LDX, Mode::Abs, 4);
    set(0xBE, Op::LDX, Mode::Aby, 4);
    set(0xA0, Op::LDY, Mode::Imm, 2);
    set(0xA4, Op::LDY, Mode::Zp, 3);
    set(0xB4, Op::LDY, Mode::Zpx, 4);
    set(0xAC, Op::LDY, Mode::Abs, 4);
    set(0xBC, Op::LDY, Mode::Abx, 4);
    set(0x86, Op::STX, Mode::Zp, 3);
    set(0x96, Op::STX, Mode::Zpy, 4);
    set(0x8E, Op::STX, Mode::Abs, 4);
    set(0x84, Op::STY, Mode::Zp, 3);
    set(0x94, Op::STY, Mode::Zpx, 4);
    set(0x8C, Op::STY, Mode::Abs, 4);
    set(0xE0, Op::CPX, Mode::Imm, 2);
    set(0xE4, Op::CPX, Mode::Zp, 3);
    set(0xEC, Op::CPX, Mode::Abs, 4);
    set(0xC0, Op::CPY, Mode::Imm, 2);
    set(0xC4, Op::CPY, Mode::Zp, 3);
    set(0xCC, Op::CPY, Mode::Abs, 4);
    set(0x24, Op::BIT, Mode::Zp, 3);
    set(0x2C, Op::BIT, Mode::Abs, 4);
    const std::pair<int, Op> branches[] = {{0x10, Op::BPL}, {0x30, Op::BMI}, {0x50, Op::BVC}, {0x70, Op::BVS},
                                           {0x90, Op::BCC}, {0xB0, Op::BCS}, {0xD0, Op::BNE}, {0xF0, Op::BEQ}};
    for (const auto& [code, op] : branches)
        set(code, op, Mode::Rel, 2);
    set(0x4C, Op::JMP, Mode::Abs, 3);
    set(0x6C, Op::JMP, Mode::Ind, 5);
    set(0x20, Op::JSR, Mode::Abs, 6);
    set(0x60, Op::RTS, Mode::Imp, 6);
    set(0x40, Op::RTI, Mode::Imp, 6);
    set(0x00, Op::BRK, Mode::Imp, 7);
    const std::pair<int, Op> implied[] = {
        {0x18, Op::CLC}, {0x38, Op::SEC}, {0x58, Op::CLI}, {0x78, Op::SEI}, {0xB8, Op::CLV}, {0xD8, Op::CLD}, {0xF8, Op::SED},
        {0xAA, Op::TAX}, {0x8A, Op::TXA}, {0xA8, Op::TAY}, {0x98, Op::TYA}, {0xBA, Op::TSX}, {0x9A, Op::TXS}, {0xE8, Op::INX},
        {0xCA, Op::DEX}, {0xC8, Op::INY}, {0x88, Op::DEY}, {0xEA, Op::NOP}};
    for (const auto& [code, op] : implied)
        set(code, op, Mode::Imp, 2);
    set(0x48, Op::PHA, Mode::Imp, 3);
    set(0x08, Op::PHP, Mode::Imp, 3);
    set(0x68, Op::PLA, Mode::Imp, 4);
    set(0x28, Op::PLP, Mode::Imp, 4);
    return t;
}

const Table kTable = MakeTable();

bool IsChip(uint16_t address)
{
    return address >= 0xD000 && address < 0xD800;
}

} // namespace

uint8_t Cpu6502::read(uint16_t address)
{
    return IsChip(address) ? readChip(address) : memory[address];
}

void Cpu6502::write(uint16_t address, uint8_t value)
{
    if (IsChip(address))
        writeChip(address, value);
    else
        memory[address] = value;
}

uint8_t Cpu6502::flags(bool brk) const
{
    return static_cast<uint8_t>((n << 7) | (v << 6) | 0x20 | (brk << 4) | (d << 3) | (i << 2) | (z << 1) | c);
}

void Cpu6502::setFlags(uint8_t p)
{
    n = p & 0x80;
    v = p & 0x40;
    d = p & 0x08;
    i = p & 0x04;
    z = p & 0x02;
    c = p & 0x01;
}

void Cpu6502::compare(uint8_t reg, uint8_t value)
{
    c = reg >= value;
    setNZ(static_cast<uint8_t>(reg - value));
}

void Cpu6502::adc(uint8_t value)
{
    if (d)
        throw std::runtime_error("decimal arithmetic is not simulated");
    const int sum = a + value + (c ? 1 : 0);
    v = (~(a ^ value) & (a ^ sum) & 0x80) != 0;
    c = sum > 0xFF;
    a = static_cast<uint8_t>(sum);
    setNZ(a);
}

void Cpu6502::step()
{
    const uint16_t at = pc;
    const uint8_t code = memory[pc++];
    const Entry e = kTable[code];
    if (e.op == Op::None) {
        char text[64];
        std::snprintf(text, sizeof text, "unknown opcode $%02X at $%04X", code, at);
        throw std::runtime_error(text);
    }
    cycles += static_cast<uint64_t>(e.cycles);
    uint16_t address = 0;
    auto fetch = [this]() { return memory[pc++]; };
    auto fetchWord = [this]() {
        const uint16_t w = word(pc);
        pc = static_cast<uint16_t>(pc + 2);
        return w;
    };
    switch (e.mode) {
    case Mode::Imp:
    case Mode::Acc:
        break;
    case Mode::Imm:
        address = pc++;
        break;
    case Mode::Zp:
        address = fetch();
        break;
    case Mode::Zpx:
        address = static_cast<uint8_t>(fetch() + x);
        break;
    case Mode::Zpy:
        address = static_cast<uint8_t>(fetch() + y);
        break;
    case Mode::Abs:
        address = fetchWord();
        break;
    case Mode::Abx:
        address = static_cast<uint16_t>(fetchWord() + x);
        break;
    case Mode::Aby:
        address = static_cast<uint16_t>(fetchWord() + y);
        break;
    case Mode::Ind: {
        const uint16_t pointer = fetchWord();
        // The 6502 takes the high byte from the same page.
        address = static_cast<uint16_t>(memory[pointer] | (memory[(pointer & 0xFF00) | ((pointer + 1) & 0xFF)] << 8));
        break;
    }
    case Mode::Izx: {
        const uint8_t zp = static_cast<uint8_t>(fetch() + x);
        address = static_cast<uint16_t>(memory[zp] | (memory[static_cast<uint8_t>(zp + 1)] << 8));
        break;
    }
    case Mode::Izy: {
        const uint8_t zp = fetch();
        address = static_cast<uint16_t>((memory[zp] | (memory[static_cast<uint8_t>(zp + 1)] << 8)) + y);
        break;
    }
    case Mode::Rel: {
        const int8_t offset = static_cast<int8_t>(fetch());
        address = static_cast<uint16_t>(pc + offset);
        break;
    }
    }
    auto operand = [&]() { return read(address); };
    // Read-modify-write on the accumulator or memory.
    auto modify = [&](auto change) {
        if (e.mode == Mode::Acc) {
            a = change(a);
            setNZ(a);
        } else {
            const uint8_t value = change(read(address));
            write(address, value);
            setNZ(value);
        }
    };
    auto branch = [&](bool taken) {
        if (taken) {
            pc = address;
            ++cycles;
        }
    };
    switch (e.op) {
    case Op::None:
        break;
    case Op::ADC: adc(operand()); break;
    case Op::SBC: adc(static_cast<uint8_t>(~operand())); break;
    case Op::AND: a &= operand(); setNZ(a); break;
    case Op::ORA: a |= operand(); setNZ(a); break;
    case Op::EOR: a ^= operand(); setNZ(a); break;
    case Op::LDA: a = operand(); setNZ(a); break;
    case Op::LDX: x = operand(); setNZ(x); break;
    case Op::LDY: y = operand(); setNZ(y); break;
    case Op::STA: write(address, a); break;
    case Op::STX: write(address, x); break;
    case Op::STY: write(address, y); break;
    case Op::CMP: compare(a, operand()); break;
    case Op::CPX: compare(x, operand()); break;
    case Op::CPY: compare(y, operand()); break;
    case Op::BIT: {
        const uint8_t value = operand();
        z = (a & value) == 0;
        n = value & 0x80;
        v = value & 0x40;
        break;
    }
    case Op::ASL: modify([this](uint8_t m) { c = m & 0x80; return static_cast<uint8_t>(m << 1); }); break;
    case Op::LSR: modify([this](uint8_t m) { c = m & 1; return static_cast<uint8_t>(m >> 1); }); break;
    case Op::ROL:
        modify([this](uint8_t m) {
            const bool in = c;
            c = m & 0x80;
            return static_cast<uint8_t>((m << 1) | (in ? 1 : 0));
        });
        break;
    case Op::ROR:
        modify([this](uint8_t m) {
            const bool in = c;
            c = m & 1;
            return static_cast<uint8_t>((m >> 1) | (in ? 0x80 : 0));
        });
        break;
    case Op::INC: modify([](uint8_t m) { return static_cast<uint8_t>(m + 1); }); break;
    case Op::DEC: modify([](uint8_t m) { return static_cast<uint8_t>(m - 1); }); break;
    case Op::INX: setNZ(++x); break;
    case Op::INY: setNZ(++y); break;
    case Op::DEX: setNZ(--x); break;
    case Op::DEY: setNZ(--y); break;
    case Op::TAX: x = a; setNZ(x); break;
    case Op::TXA: a = x; setNZ(a); break;
    case Op::TAY: y = a; setNZ(y); break;
    case Op::TYA: a = y; setNZ(a); break;
    case Op::TSX: x = s; setNZ(x); break;
    case Op::TXS: s = x; break;
    case Op::PHA: push(a); break;
    case Op::PHP: push(flags(true)); break;
    case Op::PLA: a = pull(); setNZ(a); break;
    case Op::PLP: setFlags(pull()); break;
    case Op::CLC: c = false; break;
    case Op::SEC: c = true; break;
    case Op::CLI: i = false; break;
    case Op::SEI: i = true; break;
    case Op::CLV: v = false; break;
    case Op::CLD: d = false; break;
    case Op::SED: d = true; break;
    case Op::NOP: break;
    case Op::BPL: branch(!n); break;
    case Op::BMI: branch(n); break;
    case Op::BVC: branch(!v); break;
    case Op::BVS: branch(v); break;
    case Op::BCC: branch(!c); break;
    case Op::BCS: branch(c); break;
    case Op::BNE: branch(!z); break;
    case Op::BEQ: branch(z); break;
    case Op::JMP: pc = address; break;
    case Op::JSR: {
        const uint16_t back = static_cast<uint16_t>(pc - 1);
        push(static_cast<uint8_t>(back >> 8));
        push(static_cast<uint8_t>(back));
        pc = address;
        break;
    }
    case Op::RTS: {
        const uint8_t lo = pull();
        const uint8_t hi = pull();
        pc = static_cast<uint16_t>(((hi << 8) | lo) + 1);
        break;
    }
    case Op::RTI: {
        setFlags(pull());
        const uint8_t lo = pull();
        const uint8_t hi = pull();
        pc = static_cast<uint16_t>((hi << 8) | lo);
        break;
    }
    case Op::BRK: {
        char text[64];
        std::snprintf(text, sizeof text, "BRK at $%04X", at);
        throw std::runtime_error(text);
    }
    }
}

uint16_t Cpu6502::run(uint16_t returnAddress, uint16_t stop, int limit)
{
    for (int k = 0; k < limit; ++k) {
        if (pc == returnAddress || pc == stop)
            return pc;
        const uint16_t before = pc;
        step();
        if (pc == before)
            return pc; // JMP to itself: the program idles
    }
    throw std::runtime_error("the routine did not finish");
}

uint16_t Cpu6502::call(uint16_t address, uint16_t stop, int limit)
{
    // Return address $FFF0: RTS lands on $FFF0 + 1.
    constexpr uint16_t kBack = 0xFFF0;
    const uint8_t stack = s;
    push(static_cast<uint8_t>(kBack >> 8));
    push(static_cast<uint8_t>(kBack));
    pc = address;
    const uint16_t end = run(static_cast<uint16_t>(kBack + 1), stop, limit);
    s = stack; // a routine left at `stop` or idling keeps its frame; the next call starts clean
    return end;
}

uint16_t Cpu6502::interrupt(uint16_t address, uint16_t stop, int limit)
{
    constexpr uint16_t kBack = 0xFFF4;
    const uint8_t stack = s;
    push(static_cast<uint8_t>(kBack >> 8));
    push(static_cast<uint8_t>(kBack));
    push(flags(false));
    i = true;
    pc = address;
    const uint16_t end = run(kBack, stop, limit);
    s = stack;
    return end;
}
