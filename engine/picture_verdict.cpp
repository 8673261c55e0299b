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
// Share of the borders of each of the two parts of a break that stand out,
// and most that may stand out beside it.
constexpr double kPartShare = 0.8;
constexpr double kBesideShare = 0.3;
// Most the mean jumps of the two parts of a break may differ by, as a factor.
constexpr double kJumpBalance = 1.5;
// The least mean jump of the borders beside a break: the texture a picture
// has of its own there.
constexpr double kTextureLevel = 1.0;
// The fewest MCUs each part of a break, and each side beside it, spans: a
// break nearer a row's end is not told from an edge along the row.
constexpr int kFewestColumns = 2;
// The fewest rows and columns of MCUs a picture is judged on.
constexpr int kFewestJudgedRows = 3;
constexpr int kFewestJudgedColumns = 8;

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

// Sums along each row of borders, left of each column: how many of them
// stand out, and their jumps.
class RowSums {
public:
    explicit RowSums(const McuBorders& b)
        : m_stride(std::size_t(b.columns) + 1), m_counts(std::size_t(b.rows) * m_stride, 0),
          m_jumps(m_counts.size(), 0)
    {
        for (int row = 1; row < b.rows; ++row) {
            const std::size_t line = std::size_t(row) * m_stride;
            for (int column = 0; column < b.columns; ++column) {
                const std::size_t at = line + std::size_t(column);
                m_counts[at + 1] = m_counts[at] + (standsOut(b, row, column) ? 1 : 0);
                m_jumps[at + 1] = m_jumps[at] + double(b.at(row, column));
            }
        }
    }

    // Of the borders of `row` in the columns [from, to).
    int standingOut(int row, int from, int to) const { return m_counts[at(row, to)] - m_counts[at(row, from)]; }
    double meanJump(int row, int from, int to) const
    {
        return (m_jumps[at(row, to)] - m_jumps[at(row, from)]) / double(to - from);
    }

private:
    std::size_t at(int row, int column) const { return std::size_t(row) * m_stride + std::size_t(column); }

    std::size_t m_stride;
    std::vector<int> m_counts;
    std::vector<double> m_jumps;
};

// A break from MCU (row, column) on: the borders above the rest of its row
// and above the next row up to the column stand out, with jumps of a like
// size, as one error crosses them all; the borders beside them in the same
// two rows, which have both their MCUs on one side of the break, do not.
// An edge along a whole row stands out beside the break too. Over flat
// drawn areas (two panels of a screenshot whose edges meet at an MCU
// border) an edge and a changed level look alike, so both sides beside the
// break must show texture of the picture's own.
bool breaksAt(const RowSums& sums, int row, int column, int width)
{
    const int right = width - column;
    const bool along = sums.standingOut(row, column, width) >= kPartShare * right
        && sums.standingOut(row + 1, 0, column) >= kPartShare * column;
    const bool beside = sums.standingOut(row, 0, column) > kBesideShare * column
        || sums.standingOut(row + 1, column, width) > kBesideShare * right;
    if (!along || beside)
        return false;
    if (std::min(sums.meanJump(row, 0, column), sums.meanJump(row + 1, column, width)) < kTextureLevel)
        return false;
    const double upper = sums.meanJump(row, column, width);
    const double lower = sums.meanJump(row + 1, 0, column);
    return std::max(upper, lower) <= kJumpBalance * std::min(upper, lower);
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
    return borders.rows < kFewestJudgedRows || borders.columns < kFewestJudgedColumns;
}

bool breaksInScanOrder(const McuBorders& borders)
{
    if (tooSmallToJudge(borders))
        return false;
    const RowSums sums(borders);
    for (int row = 1; row + 1 < borders.rows; ++row) {
        for (int column = kFewestColumns; column + kFewestColumns <= borders.columns; ++column) {
            if (breaksAt(sums, row, column, borders.columns))
                return true;
        }
    }
    return false;
}
