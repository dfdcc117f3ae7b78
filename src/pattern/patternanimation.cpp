// Reading the phase list and stepping through it.
#include "pattern/patternanimation.h"

#include "common/errors.h"
#include "common/intconv.h"
#include "pattern/patternstore.h"

#include <algorithm>

void PatternAnimation::readPhases(const QString& phases, const std::function<void(const QString&)>& info)
{
    mPhasePosition = -1;
    mPhaseTable.fill(0);
    QString rest = phases;
    if (!rest.endsWith(QLatin1Char(';')))
        rest += QLatin1Char(';');
    // Each token is listed, converted and stored; the loop takes at least two tokens, so a
    // single phase fails on its empty second token. Phases must name one of the eight sets, and
    // the table keeps at most 64 of them.
    int count = 0;
    do {
        ++count;
        const qsizetype end = rest.indexOf(QLatin1Char(';'));
        const QString token = end < 0 ? rest : rest.left(end);
        rest = end < 0 ? QString() : rest.mid(end + 1);
        info(token);
        const int set = StrToInt(token);
        if (set < 1 || set > PatternStore::kSets)
            throw TavrelError(QStringLiteral("Phase %1 liegt nicht zwischen 1 und %2").arg(set).arg(PatternStore::kSets));
        if (count <= kMaxPhases)
            mPhaseTable[count - 1] = set - 1;
    } while (count < 2 || !rest.isEmpty());
    info(QStringLiteral("#%1").arg(count));
    mPhaseCount = std::min(count, kMaxPhases);
}

int PatternAnimation::nextSet()
{
    if (mPhaseCount <= 0)
        return -1;
    ++mPhasePosition;
    if (mPhasePosition >= mPhaseCount)
        mPhasePosition = 0;
    return mPhaseTable[mPhasePosition];
}
