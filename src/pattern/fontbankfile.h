// Raw font files (.fnt): one bank of the pattern store as the 1024 bytes of an Atari character set,
// 8 bytes per character, characters 0-127 in order.
#pragma once

#include "common/errors.h"

#include <QByteArray>
#include <QString>

class PatternDocument;
class PatternStore;

constexpr int kFontBankFileSize = 1024;

// A file that is not exactly one character set long; nothing was taken from it.
class FontBankSizeError : public TavrelError {
public:
    explicit FontBankSizeError(const QString& fileName);
};

// The bytes of bank 1-16 as the font export lists them: the low 8 bits of each entry.
// Throws ConversionError for an entry that is not a number.
QByteArray FontBankBytes(const PatternStore& store, int bank);

// Reads a raw font file. Throws FileOpenError, StreamReadError, or FontBankSizeError for a file
// of any other size than 1024 bytes.
QByteArray ReadFontBankFile(const QString& fileName);

// Puts the 1024 bytes into bank 1-16 as decimal texts.
void PutFontBank(PatternDocument& document, int bank, const QByteArray& font);
void PutFontBank(PatternStore& store, int bank, const QByteArray& font);

// The bytes of a pattern file with the 1024 store lines of bank 1-16 replaced by the font's bytes,
// every other byte of the file as it was (line ends included). A file too short for the store
// gets empty lines up to the bank's last line.
QByteArray PatternFileWithFontBank(const QByteArray& patternFile, int bank, const QByteArray& font);
