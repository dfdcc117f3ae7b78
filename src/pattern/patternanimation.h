// The animation of pattern sets: the phase table read from the phase list, the speed, and which
// set the next frame shows. The editor loads the frames; this knows only their order.
#pragma once

#include <QString>
#include <array>
#include <functional>

class PatternAnimation {
public:
    static constexpr int kMaxPhases = 64;

    bool running() const { return mRunning; }
    void setRunning(bool running) { mRunning = running; }
    // Milliseconds between frames.
    int interval() const { return mInterval; }
    // A change of the speed field (1-100): value x 20 ms.
    void setSpeed(int value) { mInterval = value * 1000 / 50; }

    // Reads the phase list ("1;3;2"): each token goes to `info`, then "#count". Throws TavrelError
    // for a phase outside the eight sets; the table keeps at most 64 phases, and a single phase fails
    // on its empty second token. The next frame is the first phase.
    void readPhases(const QString& phases, const std::function<void(const QString&)>& info);
    int phaseCount() const { return mPhaseCount; }
    int phaseEntry(int i) const { return mPhaseTable[i]; }
    // The set (0-7) of the next frame, -1 without phases.
    int nextSet();

private:
    bool mRunning = false;
    int mInterval = 300;
    int mPhaseCount = 0;
    int mPhasePosition = -1;
    std::array<int, kMaxPhases> mPhaseTable{};
};
