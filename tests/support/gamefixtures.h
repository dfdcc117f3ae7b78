// Small stand-ins of the game's executable and level disk for tests.
#pragma once

#include <QByteArray>

// A binary-load file of `size` bytes (at least 32): FF FF, a segment up to offset 19999, a second one
// up to the end but for a closing two-byte run-address segment. The data bytes follow a pattern with
// few repeats, so a byte written at a wrong offset shows.
inline QByteArray MakeTestXex(int size = 38677)
{
    QByteArray bytes(size, '\0');
    const auto put16 = [&bytes](int at, int value) {
        bytes[at] = static_cast<char>(value & 0xFF);
        bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
    };
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 37 + i / 251 + 11) & 0xFF);
    put16(0, 0xFFFF);
    const int second = size > 20010 ? 20000 : size / 2;
    put16(2, 0x0400);
    put16(4, 0x0400 + second - 6 - 1);
    const int runHeader = size - 6;
    put16(second, 0x6000);
    put16(second + 2, 0x6000 + runHeader - (second + 4) - 1);
    put16(runHeader, 0x02E0);
    put16(runHeader + 2, 0x02E1);
    return bytes;
}

// A level disk: the ATR header of 1040 sectors of 128 bytes and patterned sectors.
inline QByteArray MakeTestAtr(int size = 133136)
{
    QByteArray bytes(size, '\0');
    for (int i = 16; i < size; ++i)
        bytes[i] = static_cast<char>((i * 13 + i / 127 + 5) & 0xFF);
    const unsigned char header[16] = {0x96, 0x02, 0x80, 0x20, 0x80, 0x00};
    for (int i = 0; i < 16 && i < size; ++i)
        bytes[i] = static_cast<char>(header[i]);
    return bytes;
}
