#include "tile_seams.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Another grid shape wins only when its seams are this much smoother and by
// this many luma levels: flat pictures, where every shape fits about alike,
// keep their grid.
constexpr double kClearlyBetter = 0.6;
constexpr double kMinimumGain = 2.0;

// Mean absolute luma step across one seam; -1 when a side is missing.
double stepAcross(const QVector<quint8>& a, const QVector<quint8>& b)
{
    if (a.isEmpty() || a.size() != b.size())
        return -1;
    long difference = 0;
    for (int i = 0; i < a.size(); ++i)
        difference += std::abs(int(a[i]) - int(b[i]));
    return double(difference) / a.size();
}

// The median step across the seams between tiles above one another when
// the tiles fill the grid row by row; -1 when no such seam joins two
// decoded tiles. Tiles side by side are neighbours in every grid shape
// (except at the ends of rows), so only the seams between rows tell the
// shapes apart; the median leaves out the few seams that an edge in the
// picture itself crosses.
double medianRowSeamStep(const QVector<TileBorders>& tiles, int columns)
{
    std::vector<double> steps;
    for (int index = 0; index + columns < tiles.size(); ++index) {
        const double step = stepAcross(tiles[index].bottom, tiles[index + columns].top);
        if (step >= 0)
            steps.push_back(step);
    }
    if (steps.empty())
        return -1;
    std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
    return steps[steps.size() / 2];
}

} // namespace

bool tilesFitAnotherGridBetter(const QVector<TileBorders>& tiles, int columns, int rows)
{
    const int cells = columns * rows;
    if (columns < 1 || rows < 1 || cells != tiles.size())
        return false;
    const double own = medianRowSeamStep(tiles, columns);
    if (own < 0)
        return false;
    for (int otherColumns = 2; otherColumns <= cells / 2; ++otherColumns) {
        if (cells % otherColumns != 0 || otherColumns == columns)
            continue;
        const double other = medianRowSeamStep(tiles, otherColumns);
        if (other >= 0 && other < own * kClearlyBetter && own - other > kMinimumGain)
            return true;
    }
    return false;
}
