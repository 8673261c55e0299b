#pragma once

#include <QSize>

// The interface scale for a monitor of the given DPI: DPI / 96, lowered a
// quarter step at a time while an 850 x 600 window does not fit the work area.
float ComputeStartScale(unsigned dpi, const QSize& workArea);

// Sets the toolkit's scaling variables before the application object exists.
void PrepareScalingEnvironment(bool resizeForDpi, float scale);
