#include "picture_verdict.h"

#include <algorithm>

namespace {

// Mean jump inside blocks with detail above which a picture is noise: a
// photo's detail, even foliage or gravel, stays far below it.
constexpr double kNoiseLevel = 40.0;
// A seam is a border this many times stronger than the middle border of its
// kind, and stronger by at least this many levels.
constexpr double kSeamFactor = 4.0;
constexpr double kSeamLevels = 10.0;

double middleOf(QVector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

bool hasSeamAmong(const QVector<double>& borders)
{
    if (borders.size() < 3)
        return false;
    const double middle = middleOf(borders);
    const double strongest = *std::max_element(borders.begin(), borders.end());
    return strongest > middle * kSeamFactor && strongest > middle + kSeamLevels;
}

} // namespace

bool looksNoisy(const BlockEdges& edges)
{
    return edges.detailLevel() > kNoiseLevel;
}

bool hasSeam(const BorderProfile& profile)
{
    const bool rows = hasSeamAmong(profile.rows);
    const bool columns = hasSeamAmong(profile.columns);
    return rows || columns;
}
