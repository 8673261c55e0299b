#pragma once

// The quarter step strictly below x for x in (1.0, 5.0]; 1.0 for x = 0;
// 0 for anything else.
float NextLowerScaleStep(float x);
