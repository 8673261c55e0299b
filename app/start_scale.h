#pragma once

#include <QSize>

// The quarter step strictly below x for x in (1.0, 5.0]; 1.0 for x = 0;
// 0 for anything else.
float NextLowerScaleStep(float x);

// The interface scale for a monitor of the given DPI: DPI / 96, lowered a
// quarter step at a time while an 850 x 600 window does not fit the work area.
float ComputeStartScale(unsigned dpi, const QSize& workArea);

// Sets the toolkit's scaling variables before the application object exists.
void PrepareScalingEnvironment(bool resizeForDpi, float scale);
