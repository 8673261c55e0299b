#pragma once

#include "bounded_decoder.h"

#include <vector>

// The value of a quantization table at one of its lowest frequencies as
// the picture shows it. The DC value shifts a block's pixels, and the first
// AC values tilt them; with the right value each block continues its
// neighbours across the border as its own detail runs on towards it, with
// a wrong one the blocks step or bend at every border. Given the other
// values of `table` (natural order), the value at `position` that makes
// the borders continue best over the blocks of the components that use
// table `id` (at most about `maxBlocks` of them, taken as evenly spread
// pairs of block rows), with what it rests on; value 0 when the picture
// cannot tell.
struct BorderValue {
    // One border line: the value that closes it, weighted by how much the
    // value moves it (a line the value does not move says nothing).
    struct Closing {
        float value;
        float weight;
    };

    double value = 0;
    std::vector<Closing> closings; // sorted by value

    // How far the borders stay from continuing with `candidate` in place:
    // the weighted sum of the steps it leaves (least at `value`).
    double stepsWith(double candidate) const;
};
BorderValue valueFromBorders(BoundedDecoder& image, int id, const int* table, int position,
                             qint64 maxBlocks);
