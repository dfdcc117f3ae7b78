// Texts cut to what a message box can show on a screen, and values made visible for logs.
#pragma once

#include <QString>
#include <QStringView>

constexpr int kMaxDisplayLines = 12;
constexpr int kMaxDisplayLineLength = 160;

// The text with each line cut to kMaxDisplayLineLength characters and the whole to kMaxDisplayLines
// lines; every cut is marked with "…". A text within both bounds comes back unchanged.
QString DisplayText(const QString& text);

// The text with every control character written as a visible escape, so that a log or message that
// echoes a value shows (and a screen reader reads) all of it: NUL as \0, tab, line feed and carriage
// return as \t, \n and \r, any other control character as \x and two upper-case hex digits (\x01,
// \x7F, \x85), and the line and paragraph separators as \u2028 and \u2029. Other characters,
// backslashes too, stay as they are.
QString VisibleText(QStringView text);
