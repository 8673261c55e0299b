#include "picture_verdict.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Mean step between neighbouring blocks above which a picture is noise; a
// photo's, even of foliage or gravel, stays far below it.
constexpr double kNoiseLevel = 45.0;
// A border stands out when it is this many times the one it is compared
// with, and this many levels more.
constexpr float kStandOutFactor = 2.0f;
constexpr float kStandOutLevels = 3.0f;
// Share of the borders along a break that stand out, of each of its two
// parts, and most that may stand out beside it.
constexpr double kBreakShare = 0.8;
constexpr double kPartShare = 0.8;
constexpr double kBesideShare = 0.4;
// The fewest MCUs a break is measured along.
constexpr int kFewestColumns = 4;

const quint8* pixelAt(const EighthPicture& p, int x, int y)
{
    return p.pixels.data() + (std::size_t(y) * std::size_t(p.width) + std::size_t(x)) * std::size_t(p.channels);
}

// Mean difference over the channels of two pixels.
double step(const EighthPicture& p, const quint8* a, const quint8* b)
{
    int sum = 0;
    for (int c = 0; c < p.channels; ++c)
        sum += std::abs(int(a[c]) - int(b[c]));
    return double(sum) / p.channels;
}

// Rows before the flat remainder: the rows at the end that hold the
// picture's last value only, and the row in which they begin.
int rowsBeforeFlatEnd(const EighthPicture& p)
{
    if (p.width == 0 || p.height == 0)
        return 0;
    const quint8* last = pixelAt(p, p.width - 1, p.height - 1);
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            if (step(p, pixelAt(p, x, y), last) != 0)
                return x == p.width - 1 ? y + 1 : y;
        }
    }
    return 0;
}

// Whether the border above MCU (row, column) stands out against the borders
// above and below it in its column: against the weaker of them, since a
// damaged stretch or an edge may make either strong.
bool standsOut(const McuBorders& b, int row, int column)
{
    float reference = row + 1 < b.rows ? b.at(row + 1, column) : b.at(row - 1, column);
    if (row >= 2)
        reference = std::min(reference, b.at(row - 1, column));
    return b.at(row, column) > kStandOutFactor * reference + kStandOutLevels;
}

// For each row, the number of borders that stand out left of each column.
std::vector<int> standingOutCounts(const McuBorders& b)
{
    const int stride = b.columns + 1;
    std::vector<int> counts(std::size_t(b.rows) * std::size_t(stride), 0);
    for (int row = 1; row < b.rows; ++row) {
        int* line = counts.data() + std::size_t(row) * std::size_t(stride);
        for (int column = 0; column < b.columns; ++column)
            line[column + 1] = line[column] + (standsOut(b, row, column) ? 1 : 0);
    }
    return counts;
}

} // namespace

bool looksNoisy(const EighthPicture& picture)
{
    const int rows = rowsBeforeFlatEnd(picture);
    double sum = 0;
    qint64 pairs = 0;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const quint8* here = pixelAt(picture, x, y);
            if (x + 1 < picture.width) {
                sum += step(picture, here, pixelAt(picture, x + 1, y));
                ++pairs;
            }
            if (y + 1 < rows) {
                sum += step(picture, here, pixelAt(picture, x, y + 1));
                ++pairs;
            }
        }
    }
    return pairs > 0 && sum / double(pairs) > kNoiseLevel;
}

bool tooSmallToJudge(const McuBorders& borders)
{
    return borders.rows < 3 || borders.columns < kFewestColumns;
}

bool breaksInScanOrder(const McuBorders& borders)
{
    if (tooSmallToJudge(borders))
        return false;
    const int width = borders.columns;
    const std::vector<int> counts = standingOutCounts(borders);
    // Standing-out borders of `row` in the columns [from, to).
    const auto among = [&](int row, int from, int to) {
        const int* line = counts.data() + std::size_t(row) * std::size_t(width + 1);
        return line[to] - line[from];
    };
    // Beside the break, the borders of the remainder's first row (right of
    // it) are the picture's own, as are those of the row before it (left of
    // it); the decoder may garble a few MCUs next to the break, so a side is
    // looked at only when it is long enough. An edge along a whole row, or
    // a band of one MCU's height, stands out there too.
    const auto besideTooStrong = [&](int row, int column) {
        const int right = width - column;
        if (right >= 2 * kFewestColumns)
            return among(row + 1, column, width) > kBesideShare * right;
        return column >= kFewestColumns && among(row, 0, column) > kBesideShare * column;
    };
    for (int row = 1; row + 1 < borders.rows; ++row) {
        for (int column = 1; column < width; ++column) {
            const int right = among(row, column, width);
            const int left = among(row + 1, 0, column);
            const bool along = right + left >= kBreakShare * width
                && right >= kPartShare * (width - column) && left >= kPartShare * column;
            if (along && !besideTooStrong(row, column))
                return true;
        }
    }
    return false;
}
