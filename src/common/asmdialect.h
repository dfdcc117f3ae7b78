// The assembler dialects the code exports can be written in: the program's own text, and the same
// lines in the syntax that each of the common free 6502 assemblers takes unchanged.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

enum class AsmDialect { Standard, Ca65, Xa, Dasm, Acme, Tass64 };

inline constexpr std::array<AsmDialect, 6> kAsmDialects = {AsmDialect::Standard, AsmDialect::Ca65, AsmDialect::Xa,
                                                           AsmDialect::Dasm,     AsmDialect::Acme, AsmDialect::Tass64};

// "standard", "ca65", "xa", "dasm", "acme", "64tass": the names the command line takes and the
// settings keep.
QString AsmDialectName(AsmDialect dialect);
// The dialect of a name, ignoring case; nothing for an unknown name.
std::optional<AsmDialect> AsmDialectFromName(const QString& name);
// As the code window lists it: "Standard" for the program's own text, else the assembler's name.
QString AsmDialectCaption(AsmDialect dialect);

// One line of the standard text (a font, player, level or colour-register export) in the dialect:
// the same labels, values, instructions and comments; "//" comments become ";" comments (in xa, which
// ends a statement at any colon, a comment holding one becomes a "/* */" comment), ".byte" and
// ".align $400" the dialect's directives, and a data line that the assembler cannot take in one
// piece becomes a label line and data lines of 16 values. A label is a name in column 0 ended by a
// colon; a data line without one converts the same, in dasm indented off column 0. Lines that are
// neither are kept. The standard dialect gives the line itself.
QStringList DialectLines(AsmDialect dialect, const QString& line);
// Every line of a standard text in the dialect, in order.
QStringList DialectLines(AsmDialect dialect, const QStringList& lines);
