// Helpers of the benchmarks that show windows: waiting for a window's first paint, a program folder.
#pragma once

#include "benchpattern.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

namespace bench {

using Clock = std::chrono::steady_clock;

// Notes the first paint event of the watched window.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Runs the event loop until the window has painted; false if it never does.
inline bool WaitForPaint(const PaintWatch& watch)
{
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!watch.painted && Clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return watch.painted;
}

// A program folder with a full start-up pattern file, as shipped next to the program.
inline std::unique_ptr<QTemporaryDir> MakeProgramFolder()
{
    auto folder = std::make_unique<QTemporaryDir>();
    PatternEditor art;
    FillDistinctStore(art);
    SaveFontFile(art, folder->filePath(QStringLiteral("Vorarado.fa8")));
    return folder;
}

} // namespace bench
