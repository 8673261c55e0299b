#pragma once

#include "coefficient_image.h"

#include <QVector>

// How natural a decoded picture looks at its 8 x 8 block borders. Each
// sampled block is turned into pixels with a full inverse DCT, and the jumps
// between neighbouring pixels are summed across block borders and inside
// the blocks that have detail. With the right tables a block's detail
// continues its neighbours', so the border jumps are small; wrong
// quantization values leave steps at the borders, garbled data gives noise
// inside every block.
struct BlockEdges {
    double borderSum = 0; // jumps across block borders
    qint64 borderPairs = 0;
    double detailSum = 0; // jumps inside the blocks that have detail
    qint64 detailPairs = 0;

    void add(const BlockEdges& other);
    double meanBorder() const;
    // Mean jump inside the blocks that have detail: noise is high.
    double detailLevel() const;
};

// Measures component `component` of the image, dequantized with `table`
// (64 values in natural order), over at most about `maxBlocks` blocks taken
// as evenly spread pairs of block rows.
BlockEdges measureBlockEdges(CoefficientImage& image, int component, const quint16* table,
                             qint64 maxBlocks);

// Mean jumps across each border between block rows and between block
// columns of one component, over all its blocks down to a flat remainder
// (blocks without detail, all of one value, that fill the picture's end as
// data that ran out leaves them). A damaged stretch of data shows as a
// border far stronger than the others: the picture after it is shifted or
// changed in level, and each row that wraps around carries a seam.
struct BorderProfile {
    QVector<double> rows;    // rows[r]: between block rows r and r + 1
    QVector<double> columns; // columns[c]: between block columns c and c + 1
};

BorderProfile measureBorderProfile(CoefficientImage& image, int component);
