// The inputs the assembler-dialect tests export: a pattern file, a level file and a picture in which
// every byte value and every digit count occurs.
#pragma once

#include "level/leveldocument.h"
#include "levelio/levelfile.h"
#include "pattern/colorregisterset.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <QImage>
#include <QString>

// Bank b, character c, row r hold a byte that differs from its neighbours, 0 and 255 among them.
inline void SaveDialectPatternFile(const QString& fileName)
{
    PatternEditor editor;
    for (int b = 1; b <= PatternStore::kBanks; ++b)
        for (int c = 0; c < PatternStore::kCharacters; ++c)
            for (int r = 0; r < PatternStore::kRows; ++r)
                editor.document().setEntry(b, c, r, QString::number((b * 37 + c * 11 + r * 5 + c * r) % 256));
    SaveFontFile(editor, fileName);
}

// A level full of patterns with three-digit codes, inverse ones among them: the longest level lines.
inline void SaveDialectLevelFile(const QString& fileName)
{
    LevelDocument doc;
    doc.InitEmptyLevel(1);
    doc.Farbenstandard(ColorRegisterSet());
    for (int y = 0; y < LevelDocument::kRows; ++y)
        for (int x = 0; x < LevelDocument::kColumns; ++x)
            doc.writeCell(x, y, 50 + (x * 7 + y * 3) % 78);
    SaveLevelFile(doc, fileName);
}

// Ten colour stripes over six lines, so the register code reloads registers from line to line.
inline QImage DialectPicture()
{
    QImage image(10, 6, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 25 + y * 40) & 255, x * 20, y * 45));
    return image;
}
