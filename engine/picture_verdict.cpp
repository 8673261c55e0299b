#include "picture_verdict.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
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
// The least change of level in a channel of a whole row that counts as a
// moved level, and how much of it the rows beside it may show.
constexpr double kRowLevelChange = 4.0;
constexpr double kBesideLevel = 0.25;
// How far a moved row's borders may spread around its level, against the
// rows beside it: this many times theirs and this many levels more; and
// how many times that spread its change is at least.
constexpr double kSpreadFactor = 1.5;
constexpr double kSpreadLevels = 1.0;
constexpr double kChangeToSpread = 2.0;
// The least spread (mean over the channels) of the moved row and the rows
// beside it: the picture's own texture. Drawn bands across a whole row (a chart, a page of text)
// have none.
constexpr double kSpreadTexture = 1.0;
// A displacement lines a part up when it takes its mean step down to this
// share, and by this many levels at least.
constexpr double kLinedUpShare = 0.6;
constexpr double kLinedUpLevels = 2.0;
// The most MCUs the damaged stretch itself may garble after the break:
// their lower borders stand out too.
constexpr int kMostGarbled = 4;
// The fewest MCUs each part of a break, and the side before it, spans: a
// break nearer a row's end is not told from an edge along the row.
constexpr int kFewestColumns = 2;
// The fewest MCUs the next row's part of a break in the first row spans:
// no border above the first row shows the rest of the break, and the lines
// of a page of text, which begin at its left margin, make a shorter run
// stand out there too.
constexpr int kFewestFirstRowColumns = 4;
// The fewest rows the seam that a made-up MCU leaves must run down.
constexpr int kFewestSeamRows = 4;
// Share of the blocks' channel values at an end of the range from which a
// picture counts as saturated.
constexpr double kSaturatedShare = 0.02;
// The share of a row's borders whose steps may stay below the texture a
// photo has all along its rows.
constexpr double kQuietShare = 0.25;
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

// Whether the border left of MCU (row, column) stands out against the
// borders left and right of it in its row, against the weaker of them.
bool sideStandsOut(const McuBorders& b, int row, int column)
{
    float reference = b.side(row, column + 1);
    if (column >= 2)
        reference = std::min(reference, b.side(row, column - 1));
    return b.side(row, column) > kStandOutFactor * reference + kStandOutLevels;
}

// A run of the borders of one row of MCUs, the columns [from, to).
struct Part {
    int row;
    int from;
    int to;

    int size() const { return to - from; }
    bool empty() const { return to <= from; }
};

// Sums along each row of borders, left of each column, of a number of
// values measured at each border.
class RowSums {
public:
    template <typename Measure>
    RowSums(const McuBorders& b, int values, Measure measure)
        : m_values(std::size_t(values)), m_stride(std::size_t(b.columns) + 1),
          m_sums(std::size_t(b.rows) * m_stride * m_values, 0)
    {
        for (int row = 1; row < b.rows; ++row) {
            for (int column = 0; column < b.columns; ++column) {
                for (int v = 0; v < values; ++v) {
                    const std::size_t at = index(row, column, v);
                    m_sums[at + m_values] = m_sums[at] + measure(row, column, v);
                }
            }
        }
    }

    // The mean of value v over the part.
    double mean(const Part& part, int v = 0) const
    {
        return (m_sums[index(part.row, part.to, v)] - m_sums[index(part.row, part.from, v)]) / part.size();
    }

private:
    std::size_t index(int row, int column, int v) const
    {
        return (std::size_t(row) * m_stride + std::size_t(column)) * m_values + std::size_t(v);
    }

    std::size_t m_values;
    std::size_t m_stride;
    std::vector<double> m_sums;
};

// The value that `share` of the values stay below.
double quantile(std::vector<double>& values, double share)
{
    const auto at = values.begin() + std::ptrdiff_t(double(values.size()) * share);
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

double median(std::vector<double>& values)
{
    return quantile(values, 0.5);
}

// The measures of every border, summed along the rows.
struct BorderSums {
    explicit BorderSums(const McuBorders& b)
        : standing(b, 1, [&](int row, int column, int) { return standsOut(b, row, column) ? 1.0 : 0.0; }),
          steps(b, 1, [&](int row, int column, int) { return double(b.at(row, column)); }),
          displaced(b, b.measuresShifts ? McuBorders::kDisplacementCount : 0,
                    [&](int row, int column, int d) { return double(b.displacedStep(row, column, d)); }),
          m_borders(b)
    {
    }

    int columns() const { return m_borders.columns; }

    // The step that a quarter of the part's borders stay below: a photo has
    // texture all along its rows, a page of text or a drawing is flat
    // between its lines.
    double quietStep(const Part& part) const
    {
        std::vector<double> values = stepsOf(part);
        return quantile(values, kQuietShare);
    }

    // The texture of the picture above the row: the mean over the rows
    // above of each row's median step, which the edges in a row do not
    // move.
    double textureAbove(int row) const
    {
        if (row < 2)
            return 0;
        double sum = 0;
        for (int above = 1; above < row; ++above)
            sum += medianStep(Part{above, 0, m_borders.columns});
        return sum / (row - 1);
    }

    // The median step of the part: the texture there, which an edge
    // through a few of its MCUs does not move.
    double medianStep(const Part& part) const
    {
        std::vector<double> values = stepsOf(part);
        return median(values);
    }

    RowSums standing;
    RowSums steps;
    RowSums displaced;

private:
    std::vector<double> stepsOf(const Part& part) const
    {
        std::vector<double> values;
        values.reserve(std::size_t(part.size()));
        for (int column = part.from; column < part.to; ++column)
            values.push_back(m_borders.at(part.row, column));
        return values;
    }

    const McuBorders& m_borders;
};

// A break from MCU (row, column) on, and the borders around it: those above
// the rest of its row (`upper`) and above the next row up to the column
// (`lower`) have one side in the data decoded after the break; those beside
// them (`before`, `after`) have both sides on one side of it. The damaged
// stretch itself may garble a few MCUs right after the break, whose lower
// borders then stand out as well: they are left out of `after`, and their
// upper borders out of `upperIntact`.
struct Break {
    Part upper;
    Part upperIntact;
    Part lower;
    Part before;
    Part after;
};

// The MCUs garbled right after a break at (row, column): those whose
// lower borders stand out next to it.
int garbledAfter(const BorderSums& sums, int row, int column, int width)
{
    int garbled = 0;
    while (garbled < kMostGarbled && column + garbled < width
           && sums.standing.mean(Part{row + 1, column + garbled, column + garbled + 1}) > 0)
        ++garbled;
    return garbled;
}

Break breakAt(const BorderSums& sums, int row, int column, int width)
{
    const int garbled = garbledAfter(sums, row, column, width);
    const int intact = std::min(column + garbled, width - 1);
    return Break{Part{row, column, width}, Part{row, intact, width}, Part{row + 1, 0, column},
                 Part{row, 0, column}, Part{row + 1, std::min(column + garbled, width), width}};
}

// The borders either side of the break keep the picture's own texture:
// over flat drawn areas (two panels of a screenshot whose edges meet at an
// MCU border) an edge and a changed level look alike.
bool besideHasTexture(const BorderSums& sums, const Break& b)
{
    return sums.medianStep(b.before) >= kTextureLevel
        && (b.after.empty() || sums.medianStep(b.after) >= kTextureLevel
            || sums.textureAbove(b.upper.row) >= kTextureLevel);
}

// The two parts stand out at their upper borders with jumps of a like size,
// as one error crosses them all, and the borders beside them do not. An
// edge along a whole row stands out beside the break too.
bool stepsStandOut(const BorderSums& sums, const Break& b)
{
    const auto share = [&](const Part& part) { return part.empty() ? 0.0 : sums.standing.mean(part); };
    if (share(b.upper) < kPartShare || share(b.lower) < kPartShare || share(b.before) > kBesideShare
        || share(b.after) > kBesideShare)
        return false;
    const double upper = sums.steps.mean(b.upper);
    const double lower = sums.steps.mean(b.lower);
    return std::max(upper, lower) <= kJumpBalance * std::min(upper, lower);
}

// One displacement by whole MCUs lines both parts up with the picture above
// them, as data decoded out of step by whole MCUs is, while it lines up
// neither side beside them.
bool linesUpDisplaced(const BorderSums& sums, const Break& b)
{
    for (int d = 0; d < McuBorders::kDisplacementCount; ++d) {
        const auto linedUp = [&](const Part& part) {
            const double step = sums.steps.mean(part);
            const double displaced = sums.displaced.mean(part, d);
            return displaced <= kLinedUpShare * step && step - displaced >= kLinedUpLevels;
        };
        const auto worse = [&](const Part& part) {
            return part.empty() || sums.displaced.mean(part, d) > sums.steps.mean(part);
        };
        if (linedUp(b.upperIntact) && linedUp(b.lower) && worse(b.before) && worse(b.after))
            return true;
    }
    return false;
}

// The level of a row of borders: per channel, the median of its borders'
// levels (the row's change of level) and how far its borders' levels lie
// from it (their median distance: the spread); the median over its borders
// of the distance mean over the channels; and its texture: the step that
// a quarter of its borders stay below (see BorderSums::quietStep).
struct RowLevel {
    std::vector<double> changes;
    std::vector<double> spreads;
    double spread = 0;
    double texture = 0;
};

RowLevel rowLevel(const McuBorders& b, const BorderSums& sums, int row)
{
    RowLevel level;
    std::vector<double> values(std::size_t(b.columns));
    std::vector<double> distances(std::size_t(b.columns));
    std::vector<double> meanDistances(std::size_t(b.columns), 0);
    for (int c = 0; c < b.channels; ++c) {
        for (int column = 0; column < b.columns; ++column)
            values[std::size_t(column)] = b.level(row, column, c);
        const double middle = median(values);
        for (int column = 0; column < b.columns; ++column) {
            const double distance = std::abs(b.level(row, column, c) - middle);
            distances[std::size_t(column)] = distance;
            meanDistances[std::size_t(column)] += distance / b.channels;
        }
        level.changes.push_back(middle);
        level.spreads.push_back(median(distances));
    }
    level.texture = sums.quietStep(Part{row, 0, b.columns});
    level.spread = median(meanDistances);
    return level;
}

// The levels of the rows of borders, each worked out once, when asked for.
class RowLevels {
public:
    RowLevels(const McuBorders& b, const BorderSums& sums) : m_borders(b), m_sums(sums), m_levels(std::size_t(b.rows))
    {
    }

    double meanStep(int row) const { return m_sums.steps.mean(Part{row, 0, m_borders.columns}); }
    const RowLevel& of(int row)
    {
        std::optional<RowLevel>& level = m_levels[std::size_t(row)];
        if (!level)
            level = rowLevel(m_borders, m_sums, row);
        return *level;
    }

private:
    const McuBorders& m_borders;
    const BorderSums& m_sums;
    std::vector<std::optional<RowLevel>> m_levels;
};

// Whether a change of level flattened some, not all, colour channels of the
// row below it: pushed past their range, they lie flat there where they
// varied above. A drawn band across the row leaves them all flat.
bool flattensSomeChannels(const RowLevel& above, const RowLevel& below)
{
    const std::size_t channels = below.spreads.size();
    std::size_t flattened = 0;
    for (std::size_t c = 0; c < channels; ++c)
        flattened += below.spreads[c] == 0 && above.spreads[c] > 0 ? 1 : 0;
    return flattened > 0 && flattened < channels;
}

// A break at the start of a row (the damaged stretch ended at or near the
// end of the row above): every MCU of the row on is changed in level by a
// wrong DC value. In a colour channel that the change does not push past
// its range, the row's borders then all move by that level, each keeping
// the picture's own variation around it, while the rows beside it keep
// theirs. An edge of the picture's content along a row changes with what
// lies on either side of it, so its borders spread far more.
bool levelMovesAtRowStart(RowLevels& levels, int row)
{
    // A level change is no more than the row's mean step, and adds to the
    // texture the rows beside it step by.
    const double step = levels.meanStep(row);
    if (step < kRowLevelChange || step <= std::max(levels.meanStep(row - 1), levels.meanStep(row + 1)))
        return false;
    const RowLevel& here = levels.of(row);
    const RowLevel& above = levels.of(row - 1);
    const RowLevel& below = levels.of(row + 1);
    // The row below shows the picture's texture unless the change flattened
    // channels there; the row above then shows it.
    const RowLevel& textured = flattensSomeChannels(above, below) ? above : below;
    if (std::min(above.texture, textured.texture) < kTextureLevel
        || std::min({here.spread, above.spread, textured.spread}) < kSpreadTexture)
        return false;
    for (std::size_t c = 0; c < here.changes.size(); ++c) {
        const double change = std::abs(here.changes[c]);
        const double besideChange = std::max(std::abs(above.changes[c]), std::abs(below.changes[c]));
        const double besideSpread = std::max(above.spreads[c], below.spreads[c]);
        if (change >= kRowLevelChange && besideChange <= kBesideLevel * change
            && here.spreads[c] <= kSpreadFactor * besideSpread + kSpreadLevels
            && change >= kChangeToSpread * here.spreads[c])
            return true;
    }
    return false;
}

// A break in the first row of MCUs, at `column`. That row has no border
// above it, so the next row and the border beside the break show it: the
// next row's borders left of the column stand out, those right of it (with
// the data after the break on both sides) do not, and in the first row the
// border left of the column stands out too, while the borders there and
// below the break keep the picture's own texture. An outline of the
// picture's content that ends at the column does not continue up there.
bool breaksInFirstRowAt(const BorderSums& sums, const McuBorders& b, int column)
{
    const Part lower{1, 0, column};
    const Part after{1, std::min(b.columns, column + garbledAfter(sums, 0, column, b.columns)), b.columns};
    if (after.size() < kFewestColumns || sums.standing.mean(lower) < kPartShare
        || sums.standing.mean(after) > kBesideShare || !sideStandsOut(b, 0, column))
        return false;
    return sums.medianStep(after) >= kTextureLevel && sums.medianStep(Part{2, 0, column}) >= kTextureLevel;
}

// The column after the last MCU of the restart interval that MCU (row,
// column) lies in, or 0 when that interval runs on into the next row.
int intervalEnd(const McuBorders& b, int row, int column, int restartInterval)
{
    const qint64 index = qint64(row) * b.columns + column;
    const qint64 last = (index / restartInterval + 1) * restartInterval - 1;
    return last / b.columns == row ? int(last % b.columns) + 1 : 0;
}

// A stripe from MCU (row, column) to the column `end` (exclusive).
bool stripeAt(const BorderSums& sums, int row, int column, int end)
{
    if (end - column < kFewestColumns)
        return false;
    const Part top{row, column, end};
    const Part bottom{row + 1, column, end};
    const auto share = [&](const Part& part) { return part.empty() ? 0.0 : sums.standing.mean(part); };
    if (share(top) < kPartShare || share(bottom) < kPartShare)
        return false;
    const int width = sums.columns();
    const Part beside[] = {{row, 0, column}, {row + 1, 0, column}, {row, end, width}, {row + 1, end, width}};
    for (const Part& part : beside) {
        if (share(part) > kBesideShare)
            return false;
    }
    const double upper = sums.steps.mean(top);
    const double lower = sums.steps.mean(bottom);
    return std::max(upper, lower) <= kJumpBalance * std::min(upper, lower)
        && sums.quietStep(Part{row - 1, 0, width}) >= kTextureLevel
        && sums.quietStep(Part{row + 1, 0, column}) >= kTextureLevel;
}

bool breaksAt(const BorderSums& sums, int row, int column, int width, bool displacements)
{
    const Break b = breakAt(sums, row, column, width);
    return (stepsStandOut(sums, b) || (displacements && linesUpDisplaced(sums, b))) && besideHasTexture(sums, b);
}

// Whether the row continues the row above end to end: the step from that
// row's right edge to its own left edge is about the picture's usual step
// between neighbouring MCUs of the row (their median, and a little more).
// The edges of a picture that is whole face different parts of the scene.
bool joinsRowAbove(const McuBorders& b, int row)
{
    if (b.wrap(row) < 0)
        return false;
    std::vector<double> steps;
    steps.reserve(std::size_t(b.columns));
    for (int column = 1; column < b.columns; ++column)
        steps.push_back(b.side(row, column));
    return b.wrap(row) <= kStandOutFactor * median(steps) + kStandOutLevels;
}

// Whether the MCUs of the first column keep the picture's own texture at
// their upper borders, as content moved there from the right edge does; a
// band along the left edge is flat.
bool firstColumnHasTexture(const McuBorders& b)
{
    std::vector<double> steps;
    for (int row = 1; row < b.rows; ++row)
        steps.push_back(b.at(row, 0));
    return !steps.empty() && median(steps) >= kTextureLevel;
}

// From some row down to the picture's end, each row continues the row
// above and shows a seam after its first MCU, while the rows above that
// row do not continue theirs: what the picture had between its edges moved
// into the seam there. (A band or panel along the left edge that runs the
// picture's height, or meets a like one on the right, shows no such
// change.) An MCU made up in the first row moves every row: then the MCUs
// moved into the first column show it.
bool madeUpFrom(const McuBorders& b)
{
    // Counts, from each row on, of the rows that show the seam and of those
    // that continue the row above.
    std::vector<int> showing(std::size_t(b.rows) + 1, 0);
    std::vector<int> joining(std::size_t(b.rows) + 1, 0);
    for (int row = b.rows - 1; row >= 1; --row) {
        const std::size_t at = std::size_t(row);
        const bool joins = joinsRowAbove(b, row);
        showing[at] = showing[at + 1] + (joins && sideStandsOut(b, row, 1) ? 1 : 0);
        joining[at] = joining[at + 1] + (joins ? 1 : 0);
    }
    // From the second row on, no row above shows the change: the first
    // column must then hold the picture's texture, moved there from the
    // right edge, where a band along the left edge would be flat.
    if (showing[1] >= kPartShare * (b.rows - 1) && firstColumnHasTexture(b))
        return true;
    for (int first = 2; first + kFewestSeamRows <= b.rows; ++first) {
        const std::size_t at = std::size_t(first);
        const int joinedAbove = joining[1] - joining[at];
        if (showing[at] >= kPartShare * (b.rows - first) && joinedAbove <= kBesideShare * (first - 1))
            return true;
    }
    return false;
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

bool looksSaturated(const EighthPicture& picture)
{
    const auto ends = std::count_if(picture.pixels.begin(), picture.pixels.end(),
                                    [](quint8 value) { return value == 0 || value == 255; });
    return !picture.pixels.empty() && double(ends) >= kSaturatedShare * double(picture.pixels.size());
}

bool tooSmallToJudge(const McuBorders& borders)
{
    return borders.rows < kFewestJudgedRows || borders.columns < kFewestJudgedColumns;
}

bool breaksInScanOrder(const McuBorders& borders, bool damageReported, int restartInterval)
{
    if (tooSmallToJudge(borders))
        return false;
    const BorderSums sums(borders);
    RowLevels levels(borders, sums);
    for (int row = 2; row + 1 < borders.rows; ++row) {
        if (levelMovesAtRowStart(levels, row))
            return true;
    }
    const bool displacements = damageReported && borders.measuresShifts;
    for (int row = 1; row + 1 < borders.rows; ++row) {
        for (int column = kFewestColumns; column + kFewestColumns <= borders.columns; ++column) {
            if (breaksAt(sums, row, column, borders.columns, displacements))
                return true;
            if (restartInterval > 0
                && stripeAt(sums, row, column, intervalEnd(borders, row, column, restartInterval)))
                return true;
        }
    }
    for (int column = kFewestFirstRowColumns; column + kFewestColumns <= borders.columns; ++column) {
        if (breaksInFirstRowAt(sums, borders, column))
            return true;
    }
    return false;
}

bool seamFromMadeUpMcus(const McuBorders& borders)
{
    return borders.measuresShifts && !tooSmallToJudge(borders) && madeUpFrom(borders);
}
