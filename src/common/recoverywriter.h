// Keeping the recovery copy up to date while work is unsaved: debounced, written off the window's thread.
#pragma once

#include "common/recoverystore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class RecoveryWriter : public QObject {
public:
    // A kind's work as it stands: taken cheaply on a change, turned into bytes when the copy is written.
    using Snapshot = std::function<QByteArray()>;
    // The copy is written this long after the last change, and never later than kLatestMs after the
    // first change not yet written, so that a long paint stroke is covered too.
    static constexpr int kQuietMs = 1000;
    static constexpr int kLatestMs = 3000;

    // report tells the user (once) that copies cannot be written; it runs on this object's thread.
    RecoveryWriter(const RecoveryStore& store, std::function<void(const QString&)> report, QObject* parent = nullptr);
    // Waits for a write under way; the copy stays (the program did not end cleanly unless endCleanly ran).
    ~RecoveryWriter() override;

    // A kind of work changed: its snapshot while it is unsaved, nothing once it is saved or dropped.
    // When no kind is unsaved any more, the copy is removed.
    void changed(const QString& kind, std::optional<Snapshot> snapshot);
    // The same for work whose snapshot is dear to take at every change (a picture painted pixel by
    // pixel, which a shared snapshot would make copy itself at the next pixel): `take` runs on this
    // object's thread when the copy is written, at most once per write.
    void changedLater(const QString& kind, std::function<Snapshot()> take);
    // Whether any kind is unsaved.
    bool holdsWork() const { return !mParts.empty(); }
    // Writes what is pending now and waits until it is written.
    void flush();
    // The program ends with nothing unsaved, saved, or dropped: no copy is written any more and
    // this process's copy goes.
    void endCleanly();

private:
    // Shared with a write under way, so that handing the parts over copies no snapshot.
    struct Part {
        QDateTime changed;
        std::shared_ptr<const Snapshot> snapshot; // or, until the write, nothing and:
        std::function<Snapshot()> take;
    };
    void changedPart(const QString& kind, std::optional<Part> part);
    void writeNow();
    // Tells the user once, on this object's thread, why copies cannot be written.
    void report(const QString& reason);

    const RecoveryStore& mStore;
    std::function<void(const QString&)> mReport;
    std::map<QString, Part> mParts;
    QTimer mTimer;
    QElapsedTimer mPendingSince;
    bool mEnded = false;
    std::atomic<bool> mReported{false};
    // One thread, so that copies are written in the order they were taken.
    QThreadPool mPool;
};
