// Pixel grid <-> byte grid.
#include "pattern/editbuffer.h"

#include "common/intconv.h"
#include "pattern/patternstore.h"

EditBuffer::EditBuffer()
{
    fillGrid(QStringLiteral("0"));
    fillData(QStringLiteral("0"));
}

void EditBuffer::Calcdata()
{
    for (int y = 0; y < kHeight; ++y) {
        for (int h = 0; h < 2; ++h) {
            std::array<int, 4> p{};
            bool ok = true;
            for (int k = 0; k < 4 && ok; ++k) {
                const auto v = TryStrToInt(mGrid[y][4 * h + k]);
                ok = v.has_value();
                if (ok)
                    p[k] = *v;
            }
            mData[y][h] = ok ? QString::number(EncodePixels(p[0], p[1], p[2], p[3])) : QStringLiteral("0");
        }
    }
}

void EditBuffer::ReCalcdata()
{
    for (int y = 0; y < kHeight; ++y) {
        for (int h = 0; h < 2; ++h) {
            const auto p = DecodeByte(StrToInt(mData[y][h]));
            for (int k = 0; k < 4; ++k)
                mGrid[y][4 * h + k] = QString::number(p[k]);
        }
    }
}

void EditBuffer::fillGrid(const QString& text)
{
    for (auto& row : mGrid)
        row.fill(text);
}

void EditBuffer::fillData(const QString& text)
{
    for (auto& row : mData)
        row.fill(text);
}
