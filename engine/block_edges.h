#pragma once

#include "bounded_decoder.h"


// How well the blocks of a decoded picture continue each other. Each sampled
// block is turned into pixels with a full inverse DCT, and the jumps between
// neighbouring pixels across block borders are summed. With the right
// quantization values a block's detail continues its neighbours', so the
// border jumps are small; a value too large or too small, the DC value
// included, leaves steps at the borders.
struct BlockEdges {
    double borderSum = 0;
    qint64 borderPairs = 0;

    void add(const BlockEdges& other);
    double meanBorder() const;
};

// Measures component `component` of the image, dequantized with `table`
// (64 values in natural order), over at most about `maxBlocks` blocks taken
// as evenly spread pairs of block rows.
BlockEdges measureBlockEdges(BoundedDecoder& image, int component, const quint16* table,
                             qint64 maxBlocks);
