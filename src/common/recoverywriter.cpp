// The debounced writing of the recovery copy.
#include "common/recoverywriter.h"

#include "common/errors.h"

#include <algorithm>
#include <new>

RecoveryWriter::RecoveryWriter(const RecoveryStore& store, std::function<void(const QString&)> report, QObject* parent)
    : QObject(parent), mStore(store), mReport(std::move(report))
{
    mTimer.setSingleShot(true);
    connect(&mTimer, &QTimer::timeout, this, &RecoveryWriter::writeNow);
    mPool.setMaxThreadCount(1);
}

RecoveryWriter::~RecoveryWriter()
{
    mPool.waitForDone();
}

void RecoveryWriter::changed(const QString& kind, std::optional<Snapshot> snapshot)
{
    if (!snapshot)
        return changedPart(kind, std::nullopt);
    changedPart(kind, Part{QDateTime::currentDateTimeUtc(), std::make_shared<const Snapshot>(std::move(*snapshot)), {}});
}

void RecoveryWriter::changedLater(const QString& kind, std::function<Snapshot()> take)
{
    changedPart(kind, Part{QDateTime::currentDateTimeUtc(), nullptr, std::move(take)});
}

void RecoveryWriter::changedPart(const QString& kind, std::optional<Part> part)
{
    if (mEnded)
        return;
    if (part)
        mParts[kind] = std::move(*part);
    else if (mParts.erase(kind) == 0)
        return;
    if (!mTimer.isActive())
        mPendingSince.start();
    const qint64 left = kLatestMs - mPendingSince.elapsed();
    mTimer.start(int(std::clamp<qint64>(left, 0, kQuietMs)));
}

void RecoveryWriter::flush()
{
    if (mTimer.isActive()) {
        mTimer.stop();
        writeNow();
    }
    mPool.waitForDone();
}

void RecoveryWriter::endCleanly()
{
    mEnded = true;
    mTimer.stop();
    mParts.clear();
    mPool.waitForDone();
    mStore.removeOwn();
}

void RecoveryWriter::writeNow()
{
    if (mEnded)
        return;
    // Only the snapshots are handed over; their bytes are made and written on the pool's thread.
    std::vector<std::pair<QString, Part>> parts(mParts.begin(), mParts.end());
    for (auto& entry : parts)
        if (!entry.second.snapshot)
            entry.second.snapshot = std::make_shared<const Snapshot>(entry.second.take());
    mPool.start([this, parts = std::move(parts)] {
        if (parts.empty()) {
            mStore.removeOwn();
            return;
        }
        try {
            RecoveryCopy copy{mStore.self(), {}};
            for (const auto& [kind, part] : parts)
                copy.parts.push_back({kind, part.changed, (*part.snapshot)()});
            mStore.write(copy);
        } catch (const TavrelError& error) {
            report(error.message());
        } catch (const std::bad_alloc&) {
            report(OutOfMemoryMessage());
        }
    });
}

void RecoveryWriter::report(const QString& reason)
{
    if (mReported.exchange(true))
        return;
    const QString text = QStringLiteral("Die Wiederherstellungskopie kann nicht geschrieben werden: %1\n\n"
                                        "Ungesicherte Arbeit ist bis zum nächsten Speichern nicht gegen einen "
                                        "Absturz geschützt. Gespeicherte Dateien sind davon nicht berührt.")
                             .arg(reason);
    QMetaObject::invokeMethod(this, [this, text] { mReport(text); }, Qt::QueuedConnection);
}
