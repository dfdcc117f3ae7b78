// One analysis of the graphics converter on a thread of its own, for pictures too big to analyse
// between two frames of the window.
#pragma once

#include "converter/graphicsconverter.h"

#include <QObject>
#include <memory>
#include <optional>

class QThread;

// Starts at once on a copy of the picture and the table (analysisInput), so the converter may change
// meanwhile: whoever takes the result decides whether it still fits. stop() and the destructor wait for
// the thread, which ends within a picture line; no finished() follows them.
class AnalysisRun : public QObject {
    Q_OBJECT
public:
    explicit AnalysisRun(GraphicsConverter::AnalysisInput input, QObject* parent = nullptr);
    ~AnalysisRun() override;
    AnalysisRun(const AnalysisRun&) = delete;
    AnalysisRun& operator=(const AnalysisRun&) = delete;

    GraphicsConverter::Analysis analysis() const { return mAnalysis; }
    // Picture lines done so far and the picture's height, as the thread last reported them.
    int linesDone() const;
    int lines() const;
    void stop();
    // After finished(): the analysed table (taken once).
    std::optional<RegisterTable> takeResult();

signals:
    // On the thread that made the run, once the analysis has ended by itself.
    void finished();

private:
    struct Shared;
    GraphicsConverter::Analysis mAnalysis;
    std::shared_ptr<Shared> mShared;
    std::unique_ptr<QThread> mThread;
    bool mStopped = false;
};
