#pragma once

#include <QByteArray>

namespace fixture {

// A valid progressive JPEG of a flat grey picture, written bit by bit so
// that it stays small whatever it declares: `width` x `height` pixels with
// 4:2:0 sampling, one DC scan and then AC scans, one spectral band per
// component and pass, until `scans` scans are written (at most 1 + 3 x 63
// x 3). Every block of every AC scan costs its decoder time, almost none of
// the file's bytes.
QByteArray craftedProgressiveJpeg(int width, int height, int scans);

} // namespace fixture
