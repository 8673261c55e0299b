#include "block_edges.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kSide = 8;
constexpr int kBlockValues = kSide * kSide;

struct Cosines {
    float c[kSide][kSide]; // c[x][u]: basis value of frequency u at pixel x
    Cosines()
    {
        for (int x = 0; x < kSide; ++x) {
            for (int u = 0; u < kSide; ++u) {
                const double scale = u == 0 ? std::sqrt(0.125) : 0.5;
                c[x][u] = float(scale * std::cos((2 * x + 1) * u * M_PI / 16));
            }
        }
    }
};

const Cosines& cosines()
{
    static const Cosines table;
    return table;
}

// The block's pixels (level-shifted, clamped as a decoder clamps them).
void blockPixels(const JCOEF* coefficients, const quint16* table, float* pixels)
{
    const Cosines& cos = cosines();
    float rows[kBlockValues];
    // Columns first: for each frequency column v, the pixel rows y.
    float dequantized[kBlockValues];
    for (int i = 0; i < kBlockValues; ++i)
        dequantized[i] = float(coefficients[i]) * float(table[i]);
    for (int y = 0; y < kSide; ++y) {
        for (int v = 0; v < kSide; ++v) {
            float sum = 0;
            for (int u = 0; u < kSide; ++u)
                sum += cos.c[y][u] * dequantized[u * kSide + v];
            rows[y * kSide + v] = sum;
        }
    }
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            float sum = 0;
            for (int v = 0; v < kSide; ++v)
                sum += cos.c[x][v] * rows[y * kSide + v];
            pixels[y * kSide + x] = std::clamp(std::round(sum) + 128.0f, 0.0f, 255.0f);
        }
    }
}

double rightBorderJumps(const float* left, const float* right)
{
    double sum = 0;
    for (int y = 0; y < kSide; ++y)
        sum += std::fabs(right[y * kSide] - left[y * kSide + kSide - 1]);
    return sum;
}

double lowerBorderJumps(const float* upper, const float* lower)
{
    double sum = 0;
    for (int x = 0; x < kSide; ++x)
        sum += std::fabs(lower[x] - upper[(kSide - 1) * kSide + x]);
    return sum;
}

} // namespace

void BlockEdges::add(const BlockEdges& other)
{
    borderSum += other.borderSum;
    borderPairs += other.borderPairs;
}

double BlockEdges::meanBorder() const
{
    return borderPairs > 0 ? borderSum / double(borderPairs) : 0;
}

BlockEdges measureBlockEdges(BoundedDecoder& image, int component, const quint16* table,
                             qint64 maxBlocks)
{
    BlockEdges edges;
    const jpeg_component_info& info = image.info().comp_info[component];
    const JDIMENSION width = info.width_in_blocks;
    const JDIMENSION height = info.height_in_blocks;
    if (width == 0 || height < 2)
        return edges;
    const qint64 pairBlocks = qint64(width) * 2;
    const qint64 pairs = std::max<qint64>(1, maxBlocks / pairBlocks);
    const JDIMENSION step = std::max<JDIMENSION>(2, JDIMENSION((height - 1) / pairs));
    std::vector<float> upper(std::size_t(width) * kBlockValues);
    std::vector<float> lower(upper.size());
    for (JDIMENSION row = 0; row + 1 < height; row += step) {
        JBLOCKROW blocks = image.blockRow(component, row);
        for (JDIMENSION b = 0; b < width; ++b)
            blockPixels(blocks[b], table, &upper[b * kBlockValues]);
        blocks = image.blockRow(component, row + 1);
        for (JDIMENSION b = 0; b < width; ++b)
            blockPixels(blocks[b], table, &lower[b * kBlockValues]);
        for (JDIMENSION b = 0; b < width; ++b) {
            const float* up = &upper[b * kBlockValues];
            const float* down = &lower[b * kBlockValues];
            edges.borderSum += lowerBorderJumps(up, down);
            edges.borderPairs += kSide;
            if (b + 1 < width) {
                edges.borderSum += rightBorderJumps(up, &upper[(b + 1) * kBlockValues]);
                edges.borderPairs += kSide;
            }
        }
    }
    return edges;
}

