#pragma once

#include <QtGlobal>

#include <vector>

// The borders between rows of MCUs (the units the data codes one after the
// other) of a decoded picture. For each MCU, its upper border is measured
// between the pixel rows on either side of it, over the MCU's pixel columns:
// - its step: the mean difference, over the colour channels;
// - its level: per channel, the mean signed difference (the row below less
//   the one above). A wrong DC value moves every block after it by one
//   level, which shows here, while the picture's own texture averages out;
// - its displaced steps: the step with the row below set against the row
//   above a whole MCU to the left or right. Data decoded out of step by an
//   MCU lines up with the picture above it there.
// Row 0 has no border above it. The border left of each MCU is measured
// too, as its step over the MCU's pixel rows (column 0 has none), and, for
// each row, the step from the right edge of the row above to its own left
// edge, as if the rows were joined end to end, as the data codes them.
// The displaced steps, the borders left of the MCUs and the joins show data
// decoded out of step by whole MCUs, which the decoder reports as damage:
// they are measured only when asked for, except the borders left of the
// first row's MCUs, where a break shows beside the break itself.
struct McuBorders {
    // The displacements measured, in MCUs.
    static constexpr int kDisplacements[] = {-1, 1};
    static constexpr int kDisplacementCount = 2;
    // The most colour channels a JPEG picture has (the format's most
    // components).
    static constexpr int kMostChannels = 10;

    int columns = 0;
    int rows = 0; // rows of MCUs the data covered whole
    int channels = 0;
    std::vector<float> steps;     // rows x columns
    std::vector<float> levels;    // rows x columns x channels
    std::vector<float> displaced; // rows x columns x kDisplacementCount
    std::vector<float> sides;     // rows x columns
    std::vector<float> wraps;     // rows; negative where the rows do not join
    bool measuresShifts = false;  // whether displaced, wraps and the sides below row 0 are measured

    void reset(int rowCount, int columnCount, int channelCount, bool shifts);
    // Measures the borders above row `row` from the last pixel row of the
    // row above (`upper`) and the first of this one (`lower`), `width`
    // pixels of `channels` values each, MCUs `cellWidth` pixels wide.
    void measureRow(int row, const quint8* upper, const quint8* lower, int width, int cellWidth);

    // Measures the borders left of the MCUs of row `row` from its `count`
    // pixel rows of `width` pixels, and the step from the row above.
    void measureSides(int row, const quint8* const* pixelRows, int count, int width, int cellWidth);

    float at(int row, int column) const { return steps[index(row, column)]; }
    float side(int row, int column) const { return sides[index(row, column)]; }
    float wrap(int row) const { return wraps[std::size_t(row)]; }
    float level(int row, int column, int channel) const
    {
        return levels[index(row, column) * std::size_t(channels) + std::size_t(channel)];
    }
    float displacedStep(int row, int column, int displacement) const
    {
        return displaced[index(row, column) * kDisplacementCount + std::size_t(displacement)];
    }

private:
    void measureWrap(int row, const quint8* const* pixelRows, int count, int width, int cellWidth);
    void measureStepAndLevels(std::size_t at, const quint8* above, const quint8* below, int pixels);

    std::vector<quint8> m_rightEdge; // the right edge's pixels of the row above

    std::size_t index(int row, int column) const { return std::size_t(row) * std::size_t(columns) + std::size_t(column); }
};
