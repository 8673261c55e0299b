#include "mcu_borders.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Sum of the differences between two runs of `count` values.
int sumOfSteps(const quint8* __restrict upper, const quint8* __restrict lower, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += std::abs(int(lower[i]) - int(upper[i]));
    return sum;
}

// The sum of the differences between two runs of `pixels` pixels, and per
// channel the sum of the signed differences (below less above) into
// `levels`; with the channel count known to the compiler where it can be
// (Channels), else `channels`.
template <int Channels>
int sumStepsAndLevels(const quint8* above, const quint8* below, int pixels, int channels, int* levels)
{
    const int count = Channels > 0 ? Channels : channels;
    int steps = 0;
    int sums[McuBorders::kMostChannels] = {};
    for (int x = 0; x < pixels; ++x) {
        for (int c = 0; c < count; ++c) {
            const int difference = int(below[c]) - int(above[c]);
            steps += std::abs(difference);
            sums[c] += difference;
        }
        above += count;
        below += count;
    }
    std::copy_n(sums, count, levels);
    return steps;
}

} // namespace

void McuBorders::reset(int rowCount, int columnCount, int channelCount, bool shifts)
{
    rows = rowCount;
    columns = columnCount;
    // The decoder gives no more; the bound keeps the sums in their arrays.
    channels = std::min(channelCount, kMostChannels);
    measuresShifts = shifts;
    const std::size_t count = std::size_t(rows) * std::size_t(columns);
    steps.assign(count, 0);
    levels.assign(count * std::size_t(channels), 0);
    displaced.assign(shifts ? count * kDisplacementCount : 0, 0);
    sides.assign(count, 0);
    wraps.assign(shifts ? std::size_t(rows) : 0, 0);
    m_rightEdge.clear();
}

void McuBorders::measureSides(int row, const quint8* const* pixelRows, int count, int width, int cellWidth)
{
    if (!measuresShifts && row > 0)
        return;
    if (measuresShifts)
        measureWrap(row, pixelRows, count, width, cellWidth);
    for (int column = 1; column < columns; ++column) {
        const int x = column * cellWidth;
        int sum = 0;
        for (int y = 0; y < count; ++y)
            sum += sumOfSteps(pixelRows[y] + (x - 1) * channels, pixelRows[y] + x * channels, channels);
        sides[index(row, column)] = float(sum) / float(count * channels);
    }
}

void McuBorders::measureWrap(int row, const quint8* const* pixelRows, int count, int width, int cellWidth)
{
    // The rows join only where the last MCU of each is whole: a cropped one
    // hides the columns that border the next row's first.
    const int shared = std::min(count, int(m_rightEdge.size()) / channels);
    if (width % cellWidth == 0 && shared > 0) {
        int sum = 0;
        for (int y = 0; y < shared; ++y)
            sum += sumOfSteps(m_rightEdge.data() + y * channels, pixelRows[y], channels);
        wraps[std::size_t(row)] = float(sum) / float(shared * channels);
    }
    else {
        wraps[std::size_t(row)] = -1;
    }
    m_rightEdge.resize(std::size_t(count) * std::size_t(channels));
    for (int y = 0; y < count; ++y)
        std::copy_n(pixelRows[y] + (width - 1) * channels, channels, m_rightEdge.data() + y * channels);
}

void McuBorders::measureRow(int row, const quint8* upper, const quint8* lower, int width, int cellWidth)
{
    for (int column = 0; column < columns; ++column) {
        const int from = column * cellWidth;
        const int to = std::min(width, from + cellWidth);
        const std::size_t at = index(row, column);
        measureStepAndLevels(at, upper + from * channels, lower + from * channels, to - from);
        for (int d = 0; measuresShifts && d < kDisplacementCount; ++d) {
            // Only the pixels whose partner above lies inside the row.
            const int shift = kDisplacements[d] * cellWidth;
            const int first = std::max(from, -shift);
            const int last = std::min(to, width - shift);
            float& value = displaced[at * kDisplacementCount + std::size_t(d)];
            if (first >= last) {
                value = steps[at];
                continue;
            }
            const int count = (last - first) * channels;
            value = float(sumOfSteps(upper + (first + shift) * channels, lower + first * channels, count))
                / float(count);
        }
    }
}

void McuBorders::measureStepAndLevels(std::size_t at, const quint8* above, const quint8* below, int pixels)
{
    int levelSums[kMostChannels];
    int stepSum = 0;
    switch (channels) {
    case 1:
        stepSum = sumStepsAndLevels<1>(above, below, pixels, channels, levelSums);
        break;
    case 3:
        stepSum = sumStepsAndLevels<3>(above, below, pixels, channels, levelSums);
        break;
    default:
        stepSum = sumStepsAndLevels<0>(above, below, pixels, channels, levelSums);
        break;
    }
    steps[at] = float(stepSum) / float(pixels * channels);
    for (int c = 0; c < channels; ++c)
        levels[at * std::size_t(channels) + std::size_t(c)] = float(levelSums[c]) / float(pixels);
}
