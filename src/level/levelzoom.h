// How large the level picture is shown, and whether with a grid: the zoom steps and the view settings
// kept across runs.
#pragma once

#include <array>

// The zoom in per cent of the picture's own size (a level cell is 32 pixels at 100 %). The steps are
// 25, 50, 100 and 200 %; "Ganzer Level" may lie between them (the whole width in the window).
namespace LevelZoom {

inline constexpr std::array<double, 4> kSteps = {25, 50, 100, 200};
inline constexpr double kDefault = 100;
// The smallest zoom "Ganzer Level" gives, for a very narrow window.
inline constexpr double kSmallest = 5;
inline constexpr double kLargest = 200;

// The next step above the zoom (the largest stays).
double In(double percent);
// The next step below the zoom; below the smallest step the zoom stays.
double Out(double percent);
// A wheel turn of `eighths` of a degree (120 a notch): one step per notch, in or out.
double Wheel(double percent, int eighths);
// The zoom that shows the level's whole width in a view `width` pixels wide.
double WholeLevel(int width);
// A stored zoom when it is one the view can show, else the default.
double Checked(double percent);

} // namespace LevelZoom

// The level view's settings, kept in the program's settings ("level/zoom", "level/gitter").
struct LevelViewSettings {
    double zoom = LevelZoom::kDefault;
    bool grid = false;

    static LevelViewSettings load();
    void save() const;
};
