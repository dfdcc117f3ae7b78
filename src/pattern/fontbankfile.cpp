// Raw font files: a store bank out as bytes, bytes into a bank, and into the lines of a pattern file.
#include "pattern/fontbankfile.h"

#include "common/boundedbytefile.h"
#include "common/intconv.h"
#include "pattern/patterndocument.h"

#include <QList>

namespace {

// The file line (from 0) that holds bank, character, row: the store starts after the ten register
// lines, and each group of 16 lines holds one character row of all banks.
qsizetype StoreLine(int bank, int character, int row)
{
    return 10 + qsizetype{PatternStore::kBanks} * (character * PatternStore::kRows + row) + (bank - 1);
}

} // namespace

FontBankSizeError::FontBankSizeError(const QString& fileName)
    : TavrelError(QStringLiteral("Datei %1 ist kein Zeichensatz: eine FNT-Datei ist genau %2 Bytes lang")
                      .arg(fileName)
                      .arg(kFontBankFileSize))
{
}

QByteArray FontBankBytes(const PatternStore& store, int bank)
{
    QByteArray bytes(kFontBankFileSize, Qt::Uninitialized);
    for (int c = 0; c < PatternStore::kCharacters; ++c)
        for (int r = 0; r < PatternStore::kRows; ++r)
            bytes[c * PatternStore::kRows + r] = static_cast<char>(StrToInt(store.entry(bank, c, r)) & 0xFF);
    return bytes;
}

QByteArray ReadFontBankFile(const QString& fileName)
{
    // One byte more than a font: enough to tell a longer file without reading all of it.
    QByteArray bytes = ReadByteFileHead(fileName, kFontBankFileSize + 1);
    if (bytes.size() != kFontBankFileSize)
        throw FontBankSizeError(fileName);
    return bytes;
}

namespace {

// The document and the bare store have the same setEntry.
template <class Target>
void PutBank(Target& target, int bank, const QByteArray& font)
{
    for (int c = 0; c < PatternStore::kCharacters; ++c)
        for (int r = 0; r < PatternStore::kRows; ++r)
            target.setEntry(bank, c, r, QString::number(static_cast<unsigned char>(font.at(c * PatternStore::kRows + r))));
}

} // namespace

void PutFontBank(PatternDocument& document, int bank, const QByteArray& font)
{
    PutBank(document, bank, font);
}

void PutFontBank(PatternStore& store, int bank, const QByteArray& font)
{
    PutBank(store, bank, font);
}

QByteArray PatternFileWithFontBank(const QByteArray& patternFile, int bank, const QByteArray& font)
{
    // Lines without their LF; a CR before it stays with the line.
    QList<QByteArray> lines = patternFile.split('\n');
    const bool ended = patternFile.endsWith('\n');
    if (ended)
        lines.removeLast();
    const qsizetype needed = StoreLine(bank, PatternStore::kCharacters - 1, PatternStore::kRows - 1) + 1;
    const bool extended = lines.size() < needed;
    if (extended) {
        // The missing lines are added with the program's CR LF; an unended last line gets its end.
        if (!ended && !lines.isEmpty() && !lines.last().endsWith('\r'))
            lines.last() += '\r';
        while (lines.size() < needed)
            lines.append(QByteArrayLiteral("\r"));
    }
    for (int c = 0; c < PatternStore::kCharacters; ++c) {
        for (int r = 0; r < PatternStore::kRows; ++r) {
            QByteArray& line = lines[StoreLine(bank, c, r)];
            const bool cr = line.endsWith('\r');
            line = QByteArray::number(static_cast<unsigned char>(font.at(c * PatternStore::kRows + r)));
            if (cr)
                line += '\r';
        }
    }
    QByteArray out = lines.join('\n');
    if (ended || extended)
        out += '\n';
    return out;
}
