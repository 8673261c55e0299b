#pragma once

#include <QSize>

namespace platform {

// Environment overrides, so tests can stand in for any monitor.
constexpr const char* kScreenDpiVariable = "PICTAVO_SCREEN_DPI";
constexpr const char* kWorkAreaVariable = "PICTAVO_WORK_AREA"; // "<width>x<height>"

struct ScreenMetrics {
    unsigned dpi = 96;  // effective DPI of the primary monitor
    QSize workArea;     // usable desktop area of the primary monitor
};

// Reads the primary monitor's metrics before the application object exists.
ScreenMetrics primaryScreenMetrics(int argc, char* argv[]);

} // namespace platform
