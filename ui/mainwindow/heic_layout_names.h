#pragma once

#include <QString>

// The name of the HEIC tile layout that a count of HEVC image slices stands
// for, as the advanced repair names the sample to ask for; empty for a count
// that matches no layout.
QString HeicLayoutName(int sliceCount);
