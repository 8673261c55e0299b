#include "scale_steps.h"

#include <cmath>

float NextLowerScaleStep(float x)
{
    if (x == 0.0f)
        return 1.0f;
    if (!(x > 1.0f && x <= 5.0f))
        return 0.0f;
    // Intervals are open below and closed above: 1.25 steps to 1.0.
    return std::ceil(x * 4.0f - 1.0f) / 4.0f;
}
