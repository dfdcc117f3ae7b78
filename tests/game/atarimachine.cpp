// The run address, the label file, and a frame drawn the way ANTIC and GTIA draw modes 2 and 4.
#include "atarimachine.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

std::optional<int> RunAddress(const QByteArray& file, const BinaryLoadLayout& layout)
{
    for (const BinaryLoadSegment& s : layout.segments)
        if (s.first <= 0x02E0 && s.last >= 0x02E1) {
            const qsizetype at = s.dataOffset + 0x02E0 - s.first;
            return static_cast<uint8_t>(file[at]) | (static_cast<uint8_t>(file[at + 1]) << 8);
        }
    return std::nullopt;
}

QHash<QString, int> ReadLabels(const QString& fileName)
{
    QHash<QString, int> labels;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return labels;
    static const QRegularExpression line(QStringLiteral("^al ([0-9A-F]+) \\.(\\S+)$"));
    QTextStream in(&file);
    while (!in.atEnd()) {
        const auto match = line.match(in.readLine());
        if (match.hasMatch())
            labels.insert(match.captured(2), match.captured(1).toInt(nullptr, 16));
    }
    return labels;
}

AtariMachine::AtariMachine(const QByteArray& xex)
{
    const BinaryLoadLayout layout = ParseBinaryLoad(xex);
    const std::optional<int> run = RunAddress(xex, layout);
    if (layout.problem || !run)
        throw std::runtime_error("not a runnable binary-load file: " + layout.problem.value_or(QString()).toStdString());
    for (const BinaryLoadSegment& segment : layout.segments)
        for (qsizetype k = 0; k < segment.size(); ++k)
            cpu.memory[segment.first + k] = static_cast<uint8_t>(xex[segment.dataOffset + k]);
    runAddress = *run;
    cpu.readChip = [this](uint16_t address) -> uint8_t {
        switch (address) {
        case reg::PORTA: return porta;
        case reg::TRIG0: return trig0;
        case reg::SKSTAT: return skstat;
        case reg::KBCODE: return kbcode;
        default: return 0xFF;
        }
    };
    cpu.writeChip = [this](uint16_t address, uint8_t value) {
        chips[address - 0xD000] = value;
        if (!mLog)
            return;
        if (address == reg::WSYNC) {
            mWsyncSeen = true;
            mWsyncCycle = cpu.cycles;
            return;
        }
        mLog->push_back({address, value, mWsyncSeen ? static_cast<int>(cpu.cycles - mWsyncCycle) : -1});
    };
}

void AtariMachine::boot()
{
    cpu.call(static_cast<uint16_t>(runAddress), 0xFFFF);
}

void AtariMachine::verticalBlank()
{
    const uint16_t end = cpu.interrupt(cpu.word(kVvblki), kSysvbv);
    if (end != kSysvbv)
        throw std::runtime_error("the vertical-blank routine did not continue into the system's");
}

Frame AtariMachine::draw()
{
    Frame frame;
    uint16_t dl = static_cast<uint16_t>(chip(reg::DLISTL) | (chip(reg::DLISTH) << 8));
    uint16_t counter = 0; // memory scan counter
    auto addLine = [&](const std::array<uint8_t, 160>& line, int mode) {
        frame.lines.push_back(line);
        frame.modeOfLine.push_back(mode);
    };
    // Guard against a display list that never reaches its jump back.
    for (int instructions = 0; instructions < 240 && frame.lines.size() < 260; ++instructions) {
        const uint8_t op = cpu.memory[dl];
        dl = static_cast<uint16_t>((dl & 0xFC00) | ((dl + 1) & 0x03FF)); // the counter stays in its 1K
        const int mode = op & 0x0F;
        if (mode == 1) {
            if (op & 0x40)
                break; // wait for vertical blank
            dl = cpu.word(dl);
            continue;
        }
        std::array<uint8_t, 160> line{};
        int height = 0;
        if (mode == 0) {
            height = ((op >> 4) & 7) + 1;
            line.fill(chip(reg::COLBK));
            for (int k = 0; k < height; ++k)
                addLine(line, 0);
        } else {
            if (op & 0x40) {
                counter = cpu.word(dl);
                dl = static_cast<uint16_t>(dl + 2);
            }
            if (mode != 2 && mode != 4)
                throw std::runtime_error("the stand-in uses only ANTIC modes 2 and 4");
            const bool scrolled = (op & 0x10) != 0;
            const int fetched = scrolled ? 48 : 40;
            const int shift = scrolled ? -16 + (chip(reg::HSCROL) & 15) : 0;
            QByteArray codes;
            for (int k = 0; k < fetched; ++k) // the scan counter wraps within its 4K block
                codes.append(static_cast<char>(cpu.memory[(counter & 0xF000) | ((counter + k) & 0x0FFF)]));
            counter = static_cast<uint16_t>((counter & 0xF000) | ((counter + fetched) & 0x0FFF));
            height = 8;
            if (mode == 2)
                frame.textRows.push_back(codes);
            else if (frame.firstLevelLine < 0)
                frame.firstLevelLine = static_cast<int>(frame.lines.size());
            for (int row = 0; row < height; ++row) {
                line.fill(chip(mode == 2 ? reg::COLPF2 : reg::COLBK));
                if (mode == 4) {
                    const int base = (chip(reg::CHBASE) & 0xFC) << 8;
                    for (int k = 0; k < fetched; ++k) {
                        const uint8_t code = static_cast<uint8_t>(codes[k]);
                        const uint8_t bits = cpu.memory[base + (code & 0x7F) * 8 + row];
                        for (int j = 0; j < 4; ++j) {
                            const int x = shift + 4 * k + j;
                            if (x < 0 || x >= 160)
                                continue;
                            const int pixel = (bits >> (6 - 2 * j)) & 3;
                            const uint16_t reg = pixel == 0 ? reg::COLBK
                                : pixel == 1               ? reg::COLPF0
                                : pixel == 2               ? reg::COLPF1
                                : (code & 0x80)            ? reg::COLPF3
                                                           : reg::COLPF2;
                            line[x] = chip(reg);
                        }
                    }
                }
                addLine(line, mode);
            }
        }
        if (op & 0x80) {
            // The interrupt comes on the last scan line; what it writes after WSYNC shows from the
            // next line on, which is when this drawing reads the registers again.
            frame.interrupts.emplace_back();
            mLog = &frame.interrupts.back();
            mWsyncSeen = false;
            cpu.interrupt(cpu.word(kVdslst), 0xFFFF);
            mLog = nullptr;
        }
    }
    return frame;
}
