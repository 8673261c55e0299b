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
constexpr double kDcFactor = 3;

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

// Whether any value lies far from its neighbours, or is zero.
bool hasOddValue(const quint8* zigzagValues)
{
    int natural[quant::kTableValues];
    for (int i = 0; i < quant::kTableValues; ++i)
        natural[quant::detail::kZigzagToNatural[i]] = zigzagValues[i];
    // Encoders set the DC value apart from the others, so it is held to
    // its neighbours more loosely.
    const double acMiddle = (natural[1] + natural[kSide]) / 2.0;
    if (natural[0] == 0 || natural[0] > acMiddle * kDcFactor + kSlack
        || natural[0] * kDcFactor + kSlack < acMiddle)
        return true;
    for (int row = 0; row < kSide; ++row) {
        for (int column = row == 0 ? 1 : 0; column < kSide; ++column) {
            const int value = natural[row * kSide + column];
            if (value == 0 || !fitsNeighbours(value, neighbourMiddle(natural, row, column)))
                return true;
        }
    }
    return false;
}

} // namespace

bool isPlausibleQuantTable(const quint8* zigzagValues)
{
    return !hasOddValue(zigzagValues)
        || !quant::closestCatalogueTables(zigzagValues, 1, quant::kTableValues).isEmpty();
}
