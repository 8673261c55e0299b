#include "tile_seams.h"

#include <cstdlib>

namespace {

// Another grid shape wins only when its seams are this much smoother and by
// this many luma levels on average: flat pictures, where every shape fits
// about alike, keep their grid.
constexpr double kClearlyBetter = 0.6;
constexpr double kMinimumGain = 2.0;

struct SeamSum {
    double difference = 0;
    long samples = 0;
    void add(const QVector<quint8>& a, const QVector<quint8>& b)
    {
        if (a.isEmpty() || a.size() != b.size())
            return;
        for (int i = 0; i < a.size(); ++i)
            difference += std::abs(int(a[i]) - int(b[i]));
        samples += a.size();
    }
};

// Mean absolute luma step across the seams of the grid; -1 when no seam
// joins two decoded tiles.
double seamStep(const QVector<TileBorders>& tiles, int columns, int rows)
{
    SeamSum sum;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int index = row * columns + column;
            if (column + 1 < columns)
                sum.add(tiles[index].right, tiles[index + 1].left);
            if (row + 1 < rows)
                sum.add(tiles[index].bottom, tiles[index + columns].top);
        }
    }
    return sum.samples == 0 ? -1 : sum.difference / double(sum.samples);
}

} // namespace

bool tilesFitAnotherGridBetter(const QVector<TileBorders>& tiles, int columns, int rows)
{
    const int cells = columns * rows;
    if (columns < 1 || rows < 1 || cells != tiles.size())
        return false;
    const double own = seamStep(tiles, columns, rows);
    if (own < 0)
        return false;
    for (int otherColumns = 2; otherColumns <= cells / 2; ++otherColumns) {
        if (cells % otherColumns != 0 || otherColumns == columns)
            continue;
        const double other = seamStep(tiles, otherColumns, cells / otherColumns);
        if (other >= 0 && other < own * kClearlyBetter && own - other > kMinimumGain)
            return true;
    }
    return false;
}
