// The zoom steps of the level picture and the view settings kept across runs.
#include "level/levelzoom.h"

#include "common/programsettings.h"
#include "level/leveldocument.h"

#include <algorithm>
#include <cmath>

namespace LevelZoom {

namespace {

// Zooms nearer than this count as the same (a stored value read back, a window width's rounding).
constexpr double kSame = 0.01;
// The level picture's width at 100 %: 32 pixels a cell.
constexpr int kLevelWidth = LevelDocument::kColumns * 32;

} // namespace

double In(double percent)
{
    for (const double step : kSteps)
        if (step > percent + kSame)
            return step;
    return kSteps.back();
}

double Out(double percent)
{
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it < percent - kSame)
            return *it;
    return std::min(percent, kSteps.front());
}

double Wheel(double percent, int eighths)
{
    // A notch is 120; a touchpad sends smaller parts, of which whole notches count.
    const int notches = eighths / 120;
    for (int i = 0; i < std::abs(notches); ++i)
        percent = notches > 0 ? In(percent) : Out(percent);
    return percent;
}

double WholeLevel(int width)
{
    return std::clamp(100.0 * width / kLevelWidth, kSmallest, kLargest);
}

double Checked(double percent)
{
    return std::isfinite(percent) && percent >= kSmallest && percent <= kLargest ? percent : kDefault;
}

} // namespace LevelZoom

namespace {

const char* const kZoomKey = "level/zoom";
const char* const kGridKey = "level/gitter";

} // namespace

LevelViewSettings LevelViewSettings::load()
{
    // A hand-edited settings file may hold anything.
    const QSettings settings = ProgramSettings();
    LevelViewSettings view;
    bool ok = false;
    const double zoom = settings.value(QLatin1String(kZoomKey), LevelZoom::kDefault).toDouble(&ok);
    view.zoom = ok ? LevelZoom::Checked(zoom) : LevelZoom::kDefault;
    view.grid = settings.value(QLatin1String(kGridKey), false).toBool();
    return view;
}

void LevelViewSettings::save() const
{
    QSettings settings = ProgramSettings();
    settings.setValue(QLatin1String(kZoomKey), zoom);
    settings.setValue(QLatin1String(kGridKey), grid);
}
