// The converter's analysis on a thread of its own.
#include "gui/converter/analysisrun.h"

#include <QThread>
#include <atomic>
#include <utility>

struct AnalysisRun::Shared {
    std::atomic<bool> stop{false};
    std::atomic<int> done{0};
    std::atomic<int> lines{0};
    // Written by the thread before it ends, read only after it has ended.
    std::optional<RegisterTable> result;
};

AnalysisRun::AnalysisRun(GraphicsConverter::AnalysisInput input, QObject* parent)
    : QObject(parent), mAnalysis(input.analysis), mShared(std::make_shared<Shared>())
{
    mShared->lines = input.picture.height();
    mThread.reset(QThread::create([shared = mShared, input = std::move(input)]() mutable {
        shared->result = GraphicsConverter::Analyse(std::move(input), [&shared](int done, int lines) {
            shared->done.store(done, std::memory_order_relaxed);
            shared->lines.store(lines, std::memory_order_relaxed);
            return !shared->stop.load(std::memory_order_relaxed);
        });
    }));
    // Queued onto this object's thread; a stopped or deleted run drops it.
    connect(mThread.get(), &QThread::finished, this, [this] {
        if (mStopped)
            return;
        mThread->wait();
        emit finished();
    }, Qt::QueuedConnection);
    mThread->start();
}

AnalysisRun::~AnalysisRun()
{
    stop();
}

int AnalysisRun::linesDone() const
{
    return mShared->done.load(std::memory_order_relaxed);
}

int AnalysisRun::lines() const
{
    return mShared->lines.load(std::memory_order_relaxed);
}

void AnalysisRun::stop()
{
    mStopped = true;
    mShared->stop = true;
    mThread->wait();
}

std::optional<RegisterTable> AnalysisRun::takeResult()
{
    if (mStopped || !mThread->isFinished())
        return std::nullopt;
    mStopped = true;
    return std::exchange(mShared->result, std::nullopt);
}
