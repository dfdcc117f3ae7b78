// What the graphics converter puts out: colour-register code, the Atari RAM image and the picture file.
#pragma once

#include "converter/registertable.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// The assembler immediate operand of a table text (trimmed, compared in lower case): "#$00" for
// black, "#$FF" for an empty cell, the fixed values of a few known colours, else empty.
QString ColorOperand(const QString& cellText);

// The register headers "$D012" ... "$D01A" of columns 1-9.
QString RegisterAddressHeader(int column);

// The code that loads the nine colour registers for line 1 and then, for table rows 2 ... 50,
// reloads the registers whose text changes, each line synchronised with WSYNC.
QStringList AssemblerCode(const RegisterTable& table);

// The register number of a pixel colour on picture line y (from 1): the largest k in 1 ... 8 whose
// column k + 1 holds the colour's text, else 0. Column 1 is never searched.
// Two pixels per byte, left one in bits 7-4; width div 2 bytes per line, an odd last pixel dropped.
QByteArray AtariRamImage(const QImage& picture, const RegisterTable& table);

// "Windows Bild speichern": the picture as a Windows bitmap file of 32 bits per pixel (the shared writer).
QByteArray WindowsBitmap32(const QImage& picture);
