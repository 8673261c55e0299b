#pragma once

#include <QRect>

namespace platform {

// Environment overrides, so tests can stand in for any monitor.
constexpr const char* kScreenDpiVariable = "PICTAVO_SCREEN_DPI";
// "<width>x<height>", optionally followed by "+<x>+<y>" (its top-left corner)
constexpr const char* kWorkAreaVariable = "PICTAVO_WORK_AREA";

struct ScreenMetrics {
    unsigned dpi = 96;  // effective DPI of the primary monitor
    QRect workArea;     // usable desktop area of the primary monitor
};

// Reads the primary monitor's metrics without an application object, so
// the font DPI set from them afterwards still takes. The environment
// overrides are taken as given. Without a screen to read: 96 DPI and an
// unknown work area.
ScreenMetrics primaryScreenMetrics();

// The DPI the interface is laid out for: the monitor's DPI rounded to the
// nearest multiple of 24 (halves round up, at least 24), the only values a
// Windows desktop reports. A typical X server's 100 DPI becomes 96, so the
// scale lands on a step that has an image set.
unsigned nearestDpiStep(qreal dpi);

// The work area the main window is fitted to and placed in once the
// application runs: the one the interface scale was chosen for, else (when
// that is unknown) the primary screen's available area.
QRect placementWorkArea();

} // namespace platform
