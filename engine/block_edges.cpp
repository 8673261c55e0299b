#include "block_edges.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kSide = 8;
constexpr int kBlockValues = kSide * kSide;
// Neighbouring pixel pairs inside one block, both directions.
constexpr qint64 kInsidePairs = 2 * kSide * (kSide - 1);

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

// Inside jumps of one block, both directions.
double insideJumps(const float* p)
{
    double sum = 0;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x + 1 < kSide; ++x) {
            sum += std::fabs(p[y * kSide + x + 1] - p[y * kSide + x]);
            sum += std::fabs(p[(x + 1) * kSide + y] - p[x * kSide + y]);
        }
    }
    return sum;
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
    detailSum += other.detailSum;
    detailPairs += other.detailPairs;
}

double BlockEdges::meanBorder() const
{
    return borderPairs > 0 ? borderSum / double(borderPairs) : 0;
}

double BlockEdges::detailLevel() const
{
    return detailPairs > 0 ? detailSum / double(detailPairs) : 0;
}

BlockEdges measureBlockEdges(CoefficientImage& image, int component, const quint16* table,
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
            const double inside = insideJumps(up);
            if (inside > 0) {
                edges.detailSum += inside;
                edges.detailPairs += kInsidePairs;
            }
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

namespace {

bool isFlatBlock(const JCOEF* block, JCOEF dc)
{
    if (block[0] != dc)
        return false;
    for (int i = 1; i < kBlockValues; ++i) {
        if (block[i] != 0)
            return false;
    }
    return true;
}

// First block row that the flat remainder reaches into; the height when
// the picture has none.
JDIMENSION flatRemainderRow(CoefficientImage& image, int component)
{
    const jpeg_component_info& info = image.info().comp_info[component];
    const JDIMENSION width = info.width_in_blocks;
    JDIMENSION row = info.height_in_blocks;
    JBLOCKROW last = image.blockRow(component, row - 1);
    const JCOEF dc = last[width - 1][0];
    while (row > 0) {
        JBLOCKROW blocks = image.blockRow(component, row - 1);
        JDIMENSION b = width;
        while (b > 0 && isFlatBlock(blocks[b - 1], dc))
            --b;
        if (b > 0)
            return b == width ? row : row - 1;
        --row;
    }
    return 0;
}

} // namespace

BorderProfile measureBorderProfile(CoefficientImage& image, int component)
{
    BorderProfile profile;
    const jpeg_component_info& info = image.info().comp_info[component];
    const JQUANT_TBL* table = image.componentTable(component);
    const JDIMENSION width = info.width_in_blocks;
    if (!table || width < 2 || info.height_in_blocks < 2)
        return profile;
    const JDIMENSION height = flatRemainderRow(image, component);
    profile.columns.fill(0, int(width - 1));
    std::vector<float> previous(std::size_t(width) * kBlockValues);
    std::vector<float> current(previous.size());
    for (JDIMENSION row = 0; row < height; ++row) {
        JBLOCKROW blocks = image.blockRow(component, row);
        for (JDIMENSION b = 0; b < width; ++b)
            blockPixels(blocks[b], table->quantval, &current[b * kBlockValues]);
        if (row > 0) {
            double sum = 0;
            for (JDIMENSION b = 0; b < width; ++b)
                sum += lowerBorderJumps(&previous[b * kBlockValues], &current[b * kBlockValues]);
            profile.rows.append(sum / double(width * kSide));
        }
        for (JDIMENSION b = 0; b + 1 < width; ++b)
            profile.columns[int(b)] += rightBorderJumps(&current[b * kBlockValues],
                                                        &current[(b + 1) * kBlockValues]);
        previous.swap(current);
    }
    for (double& column : profile.columns)
        column = height > 0 ? column / double(height * kSide) : 0;
    return profile;
}
