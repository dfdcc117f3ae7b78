// The colour texts of picture pixels, each worked out once and numbered for quick per-line bookkeeping.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <vector>

// Pixels of one picture have few distinct colours; their texts are formatted once and shared.
class ColorTextCache {
public:
    // A small number for the pixel's colour (0, 1, 2 ... in order of first use).
    int idOf(QRgb pixel)
    {
        pixel |= 0xff000000u;
        if (mHaveLast && pixel == mLastPixel)
            return mLastId;
        auto it = mIds.constFind(pixel);
        int id;
        if (it != mIds.constEnd()) {
            id = it.value();
        } else {
            id = static_cast<int>(mTexts.size());
            mIds.insert(pixel, id);
            mTexts.push_back(textOf(pixel));
        }
        mHaveLast = true;
        mLastPixel = pixel;
        mLastId = id;
        return id;
    }
    const QString& text(int id) const { return mTexts[id]; }
    int size() const { return static_cast<int>(mTexts.size()); }

private:
    static QString textOf(QRgb pixel);

    QHash<QRgb, int> mIds;
    std::vector<QString> mTexts;
    bool mHaveLast = false;
    QRgb mLastPixel = 0;
    int mLastId = 0;
};
