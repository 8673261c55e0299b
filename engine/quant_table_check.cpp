#include "quant_table_check.h"

#include "tables/quantization/closest_tables.h"
#include "tables/quantization/quality_tables.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSide = 8;
// How far a value may lie from the middle of its neighbours: a factor, and
// a few steps for small values where rounding alone gives large factors.
constexpr double kMaxFactor = 1.7;
constexpr int kSlack = 3;

// Middle of the AC values of the up to four neighbours of (row, column).
double neighbourMiddle(const int* natural, int row, int column)
{
    int values[4];
    int count = 0;
    const int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& step : steps) {
        const int r = row + step[0];
        const int c = column + step[1];
        if (r >= 0 && r < kSide && c >= 0 && c < kSide && r + c > 0)
            values[count++] = natural[r * kSide + c];
    }
    std::sort(values, values + count);
    return (values[(count - 1) / 2] + values[count / 2]) / 2.0;
}

bool fitsNeighbours(int value, double middle)
{
    if (std::abs(value - middle) <= kSlack)
        return true;
    return value <= middle * kMaxFactor && value * kMaxFactor >= middle;
}

} // namespace

QVector<int> oddQuantValues(const quint8* zigzagValues)
{
    int natural[quant::kTableValues];
    for (int i = 0; i < quant::kTableValues; ++i)
        natural[quant::detail::kZigzagToNatural[i]] = zigzagValues[i];
    QVector<int> odd;
    if (natural[0] == 0)
        odd.append(0);
    // The DC value is the one value encoders set apart from the others, so
    // only the 63 AC values are held to their neighbours.
    for (int row = 0; row < kSide; ++row) {
        for (int column = row == 0 ? 1 : 0; column < kSide; ++column) {
            const int value = natural[row * kSide + column];
            if (value == 0 || !fitsNeighbours(value, neighbourMiddle(natural, row, column)))
                odd.append(row * kSide + column);
        }
    }
    return odd;
}

// A table of the catalogue is a known-good table whatever its shape.
bool isPlausibleQuantTable(const quint8* zigzagValues)
{
    return oddQuantValues(zigzagValues).isEmpty()
        || !quant::closestCatalogueTables(zigzagValues, 1, quant::kTableValues).isEmpty();
}
