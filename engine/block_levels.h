#pragma once

#include <QString>

// Whether blocks of the image hold a mean level that no encoder writes: an
// encoder codes samples of its range, so each block's DC value gives a mean
// inside that range, within the rounding its quantization allows. A wrong
// DC value carried on by every block after it (a damaged stretch the
// decoder read out of step) pushes them past it; the decoder's output only
// clips them, like a bright sky or a black band. Decodes the image's
// coefficients within the decode bounds and `cpuBudget` nanoseconds of CPU
// time; one that does not decode counts as beyond.
bool blockLevelsBeyondRange(const QString& path, qint64 cpuBudget);
