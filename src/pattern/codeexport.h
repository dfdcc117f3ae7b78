// Assembler source text for the game's build: character sets from the store and three-colour player shapes.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class ColorRegisterSet;
class PatternEditor;
class PatternStore;

// The font export: nine header lines (the register colours among them), then for every bank
// 2 * from - 1 ... 2 * to a block of 7 + 128 lines. from > to gives the header alone.
// from and to are clamped to 1-8 as the spin fields hold them. Store entries are copied as they
// stand, unchecked.
QStringList FontAssemblerCode(const PatternEditor& editor, int from, int to);
// The same from registers and store alone.
QStringList FontAssemblerCode(const ColorRegisterSet& registers, const PatternStore& store, int from, int to);

// The player export of pattern `pattern` in all eight sets: two lines per set, handed to emitLine
// as each set is done. Each set is loaded into the edit buffer with Laden(), so a byte cell that is
// not a number throws ConversionError after the lines of the earlier sets were emitted. Leaves the
// editor on pattern `pattern` (clamped to 1-64) of set 8.
void PlayerAssemblerCode(PatternEditor& editor, int pattern, const QString& name,
                         const std::function<void(const QString&)>& emitLine);
// The two lines of set s. byteText(h, r) is the byte of half h in row r as the edit buffer holds it
// after "Laden"; all are converted before a line is emitted, in the order "Laden" converts them,
// so a byte that is no number fails the set as loading it would.
void EmitPlayerSet(int s, const QString& name, const std::function<QString(int h, int r)>& byteText,
                   const std::function<void(const QString&)>& emitLine);
// The same lines and errors straight from the store, with no editor to leave anywhere.
void PlayerAssemblerCode(const PatternStore& store, int pattern, const QString& name,
                         const std::function<void(const QString&)>& emitLine);
