#include "border_continuity.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kSide = 8;
constexpr int kBlockValues = kSide * kSide;
constexpr float kNoDetail = 0.01f;
constexpr std::size_t kMinClosings = 100;

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

// The pixels the block's coefficients give with the one at `left` out,
// and the pixels that one gives per unit of its value.
void splitPixels(const JCOEF* coefficients, const int* table, int left, float* rest, float* unit)
{
    const Cosines& cos = cosines();
    const int u = left / kSide, v = left % kSide;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x)
            unit[y * kSide + x] = float(coefficients[left]) * cos.c[y][u] * cos.c[x][v];
    }
    float dequantized[kBlockValues];
    for (int i = 0; i < kBlockValues; ++i)
        dequantized[i] = float(coefficients[i]) * float(table[i]);
    dequantized[left] = 0;
    float* pixels = rest;
    float rows[kBlockValues];
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
            pixels[y * kSide + x] = sum;
        }
    }
}

using Closing = BorderValue::Closing;

// The step across the border between `first` and `second` (pixels along
// lines that cross it, `across` apart along a line and `along` apart from
// line to line, `first` ending where `second` begins) beyond what the
// slopes on either side lead to.
float stepAt(const float* first, const float* second, int across, int along, int line)
{
    const float* a = first + line * along;
    const float* b = second + line * along;
    const float last = a[(kSide - 1) * across];
    const float beforeLast = a[(kSide - 2) * across];
    return (b[0] - last) - ((last - beforeLast) + (b[across] - b[0])) / 2;
}

struct Split {
    const float* rest;
    const float* unit;
};

void addBorder(Split first, Split second, int across, int along, std::vector<Closing>& out)
{
    for (int line = 0; line < kSide; ++line) {
        const float moved = stepAt(first.unit, second.unit, across, along, line);
        const float step = stepAt(first.rest, second.rest, across, along, line);
        // Blocks without detail along the line, or a value that does not
        // move the step, say nothing.
        if (std::fabs(moved) < kNoDetail || std::fabs(step) < kNoDetail)
            continue;
        out.push_back({-step / moved, std::fabs(moved)});
    }
}

// The closings sorted by value.
double weightedMedian(const std::vector<Closing>& closings)
{
    double total = 0;
    for (const Closing& c : closings)
        total += c.weight;
    double below = 0;
    for (const Closing& c : closings) {
        below += c.weight;
        if (below >= total / 2)
            return c.value;
    }
    return 0;
}

void addComponent(BoundedDecoder& image, int component, const int* table, int position,
                  qint64 maxBlocks, std::vector<Closing>& closings)
{
    const jpeg_component_info& info = image.info().comp_info[component];
    const JDIMENSION width = info.width_in_blocks;
    const JDIMENSION height = info.height_in_blocks;
    if (width == 0 || height < 2)
        return;
    const qint64 pairs = std::max<qint64>(1, maxBlocks / (qint64(width) * 2));
    const JDIMENSION step = std::max<JDIMENSION>(2, JDIMENSION((height - 1) / pairs));
    const std::size_t rowValues = std::size_t(width) * kBlockValues;
    std::vector<float> upper(rowValues), upperUnit(rowValues), lower(rowValues), lowerUnit(rowValues);
    for (JDIMENSION row = 0; row + 1 < height; row += step) {
        JBLOCKROW blocks = image.blockRow(component, row);
        for (JDIMENSION b = 0; b < width; ++b)
            splitPixels(blocks[b], table, position, &upper[b * kBlockValues], &upperUnit[b * kBlockValues]);
        blocks = image.blockRow(component, row + 1);
        for (JDIMENSION b = 0; b < width; ++b)
            splitPixels(blocks[b], table, position, &lower[b * kBlockValues], &lowerUnit[b * kBlockValues]);
        for (JDIMENSION b = 0; b < width; ++b) {
            const Split up = {&upper[b * kBlockValues], &upperUnit[b * kBlockValues]};
            addBorder(up, {&lower[b * kBlockValues], &lowerUnit[b * kBlockValues]}, kSide, 1, closings);
            if (b + 1 < width)
                addBorder(up, {&upper[(b + 1) * kBlockValues], &upperUnit[(b + 1) * kBlockValues]}, 1,
                          kSide, closings);
        }
    }
}

} // namespace

double BorderValue::stepsWith(double candidate) const
{
    double steps = 0;
    for (const Closing& c : closings)
        steps += double(c.weight) * std::fabs(candidate - double(c.value));
    return steps;
}

BorderValue valueFromBorders(BoundedDecoder& image, int id, const int* table, int position,
                             qint64 maxBlocks)
{
    std::vector<Closing> closings;
    for (int c = 0; c < image.componentCount(); ++c) {
        if (image.info().comp_info[c].quant_tbl_no == id)
            addComponent(image, c, table, position, maxBlocks, closings);
    }
    // Few border lines leave the middle to chance.
    if (closings.size() < kMinClosings)
        return {};
    std::sort(closings.begin(), closings.end(),
              [](const Closing& a, const Closing& b) { return a.value < b.value; });
    BorderValue measured;
    measured.value = std::max(0.0, weightedMedian(closings));
    measured.closings = std::move(closings);
    return measured;
}
