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

// A mark per colour id of a ColorTextCache, with a number kept beside it: whether a colour was dealt
// with already in the current round (a picture line, or a generation of one), and what was worked
// out for it then. Round 0 marks nothing, so rounds count from 1.
class ColorStamps {
public:
    bool marked(int id, int round) const
    {
        return id < static_cast<int>(mRounds.size()) && mRounds[id] == round;
    }
    void mark(int id, int round, int value = 0)
    {
        if (id >= static_cast<int>(mRounds.size())) {
            mRounds.resize(id + 1, 0);
            mValues.resize(id + 1, 0);
        }
        mRounds[id] = round;
        mValues[id] = value;
    }
    // The number kept with the colour's last mark.
    int value(int id) const { return mValues[id]; }

private:
    std::vector<int> mRounds;
    std::vector<int> mValues;
};
