// Texts cut to what a message box can show on a screen.
#pragma once

#include <QString>

constexpr int kMaxDisplayLines = 12;
constexpr int kMaxDisplayLineLength = 160;

// The text with each line cut to kMaxDisplayLineLength characters and the whole to kMaxDisplayLines
// lines; every cut is marked with "…". A text within both bounds comes back unchanged.
QString DisplayText(const QString& text);
