// Pattern store and the multicolour byte layout.
#include "pattern/patternstore.h"

#include "common/intconv.h"

#include <algorithm>

std::array<int, 4> DecodeByte(int v)
{
    // A byte: pixel 0 sits in bits 7-6.
    if (v >= 0 && v <= 255)
        return {v >> 6, (v >> 4) & 3, (v >> 2) & 3, v & 3};
    // Subtracting the bit weights in turn makes 255 and above saturate at 3 per pixel
    // and leaves negative values at 0, as the game data tools always did.
    std::array<int, 4> p{};
    int weight = 128;
    for (int k = 0; k < 4; ++k) {
        if (v >= weight) {
            p[k] += 2;
            v -= weight;
        }
        weight /= 2;
        if (v >= weight) {
            p[k] += 1;
            v -= weight;
        }
        weight /= 2;
    }
    return p;
}

int EncodePixels(int p0, int p1, int p2, int p3)
{
    return p0 * 64 + p1 * 16 + p2 * 4 + p3;
}

int StoredByteValue(const QString& text)
{
    return std::clamp(StrToIntDef(text, 0), 0, 255);
}

namespace {

// The decimal texts of 0-255, made once.
const QString& NumberText(int value)
{
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> made;
        for (int v = 0; v < 256; ++v)
            made[size_t(v)] = QString::number(v);
        return made;
    }();
    return texts[size_t(value)];
}

// The number whose own decimal text this is ("0" to "255", no sign, no leading zero), or -1.
int NumberOfText(const QString& text)
{
    const qsizetype n = text.size();
    if (n < 1 || n > 3 || (n > 1 && text[0] == u'0'))
        return -1;
    int value = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t digit = text[i].unicode();
        if (digit < u'0' || digit > u'9')
            return -1;
        value = 10 * value + (digit - u'0');
    }
    return value < 256 ? value : -1;
}

} // namespace

PatternStore::PatternStore() : mCodes(kSize, 0) {}

void PatternStore::clear()
{
    std::fill(mCodes.begin(), mCodes.end(), quint16(0));
    mOthers.clear();
    mFreeOthers.clear();
}

const QString& PatternStore::text(int index) const
{
    const quint16 code = mCodes[size_t(index)];
    return code < kNumberCodes ? NumberText(code) : mOthers[code - kNumberCodes];
}

void PatternStore::assign(int index, const QString& text)
{
    quint16& code = mCodes[size_t(index)];
    if (const int number = NumberOfText(text); number >= 0) {
        if (code >= kNumberCodes) {
            mOthers[code - kNumberCodes] = QString();
            mFreeOthers.push_back(code - kNumberCodes);
        }
        code = quint16(number);
        return;
    }
    if (code >= kNumberCodes) {
        mOthers[code - kNumberCodes] = text;
        return;
    }
    // At most one place per entry is in use, so the codes stay below kNumberCodes + kSize.
    if (mFreeOthers.empty()) {
        mOthers.push_back(text);
        code = quint16(kNumberCodes + mOthers.size() - 1);
    } else {
        code = quint16(kNumberCodes + mFreeOthers.back());
        mFreeOthers.pop_back();
        mOthers[code - kNumberCodes] = text;
    }
}
