// Shared pieces of the stand-in game's tests: where the built files are, the record's place in the
// file, and the level as the level editor pictures it, at the Atari's resolution.
#pragma once

#include "atarimachine.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <array>
#include <vector>

class PatternStore;

constexpr int kXexSize = XexImage::kSize;
constexpr int kRecordOffset = XexImage::kRecordOffset;
constexpr int kRecordSize = XexImage::kRecordSize;
constexpr int kBanksOffset = 3645;
constexpr int kBanksSize = 6144;
constexpr int kTitle = 1280, kLevelLine = 1376, kColours = 1536;
constexpr int kMaxPosition = (128 - 20) * 8; // last view position in colour clocks

inline QString BinFile(const char* name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

inline QString LabelFile()
{
    return QStringLiteral(TAVREL_GAME_BANKS "/oxil.lbl");
}

// The built stand-in, read whole.
QByteArray StandinBytes();

// The start-up pattern file's store (the art the stand-in's character sets come from).
const PatternStore& StartupStore();

// 160 scan lines of 160 colour clocks: the 20 cells from colour clock `position` on, drawn from
// pattern set 1 in the colours of each row's colour line, as the level editor draws a cell.
std::vector<std::array<uint8_t, 160>> EditorView(const PatternStore& store, const QByteArray& record, int position);

// The frame's 160 level lines; empty when the frame shows no mode 4 line.
std::vector<std::array<uint8_t, 160>> LevelLines(const Frame& frame);
