#include "quant_table_evidence.h"

#include "border_continuity.h"
#include "tables/quantization/closest_tables.h"
#include "tables/quantization/quality_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kSide = 8;
// A frequency with fewer nonzero coefficients than this says too little
// about its value to be judged.
constexpr double kMinNonzero = 8;
// Trusted neighbours needed for their middle to predict a frequency.
constexpr int kMinNeighbours = 3;
// How far (log of a factor) the strength of an intact frequency may lie
// from what its neighbours predict, and the uncertainty added when it or
// they are measured from few nonzero coefficients (over their root).
constexpr double kTolerance = 1.0;
// The tolerance for a value beside one shown wrong.
constexpr double kRunTolerance = 0.5;
// How close a component that uses a table must find a value to speak for
// it against the others.
constexpr double kInLineTolerance = 0.75;
constexpr double kSparseTolerance = 3.5;
// How far (log of a factor) an intact value may lie from the one the
// block borders ask for.
constexpr double kBorderTolerance = 0.7;
// A value the borders step with this many times as much as with the one
// they ask for is shown wrong.
constexpr double kDecisiveSteps = 1.5;
// The uncertainty added by a measure of few border lines (over their root).
constexpr double kFewLinesTolerance = 8;

// The quantizer step in units of the Laplace scale that the coefficients
// of frequency k follow, estimated from how many are zero and how large the
// others are (the maximum-likelihood fit to rounded Laplace values). It
// depends on the counts alone, so a frequency's strength, its value over
// this step, scales with the value. 0 when no coefficient is nonzero.
double stepsPerScale(const CoefficientSpread& spread, int k)
{
    const double zeros = spread.zeros[k];
    const double nonzero = spread.nonzero[k];
    const double excess = spread.excess[k];
    if (nonzero <= 0)
        return 0;
    const double a = zeros + 2 * excess + 2 * nonzero;
    const double t = (-zeros + std::sqrt(zeros * zeros + 8 * excess * a)) / (2 * a);
    return t > 0 && t < 1 ? -2 * std::log(t) : 0;
}

struct Field {
    double strength[kNaturalValues] = {}; // log of value over step
    bool judged[kNaturalValues] = {};
    bool trusted[kNaturalValues] = {};
    double nonzero[kNaturalValues] = {};
};

// A prediction and the fewest nonzero coefficients it rests on.
struct Prediction {
    double strength = 0;
    double fewest = 0;
};

bool usable(const Field& field, int row, int column)
{
    if (row < 0 || row >= kSide || column < 0 || column >= kSide)
        return false;
    return field.trusted[row * kSide + column];
}

double at(const Field& field, int row, int column)
{
    return field.strength[row * kSide + column];
}

// Where a frequency lies for the prediction: strengths fall off about as
// a power of the frequency, so they change linearly with its logarithm.
double place(int row, int column)
{
    return std::log(std::hypot(row, column));
}

// The strength at `x` on the line through two measured ones (their mean
// when they lie at the same place).
double onLine(double x, double x1, double s1, double x2, double s2)
{
    if (std::fabs(x2 - x1) < 1e-9)
        return (s1 + s2) / 2;
    return s1 + (s2 - s1) * (x - x1) / (x2 - x1);
}

// What the trusted neighbours along one direction predict for (row,
// column): the line through the two on either side, or else through the
// two on one side.
bool predictAlong(const Field& field, int row, int column, int dr, int dc, Prediction& out)
{
    const double x = place(row, column);
    const int sides[3][2] = {{-1, 1}, {1, 2}, {-1, -2}};
    for (const auto& side : sides) {
        const int r1 = row + side[0] * dr, c1 = column + side[0] * dc;
        const int r2 = row + side[1] * dr, c2 = column + side[1] * dc;
        if (usable(field, r1, c1) && usable(field, r2, c2)) {
            out.strength = onLine(x, place(r1, c1), at(field, r1, c1), place(r2, c2), at(field, r2, c2));
            out.fewest = std::min(field.nonzero[r1 * kSide + c1], field.nonzero[r2 * kSide + c2]);
            return true;
        }
    }
    return false;
}

// The middle of what the four directions predict.
bool predict(const Field& field, int k, Prediction& out)
{
    const int row = k / kSide, column = k % kSide;
    const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    Prediction estimates[4];
    int count = 0;
    for (const auto& d : directions) {
        if (predictAlong(field, row, column, d[0], d[1], estimates[count]))
            ++count;
    }
    if (count == 0)
        return false;
    std::sort(estimates, estimates + count,
              [](const Prediction& a, const Prediction& b) { return a.strength < b.strength; });
    out.strength = (estimates[(count - 1) / 2].strength + estimates[count / 2].strength) / 2;
    out.fewest = estimates[0].fewest;
    for (int i = 1; i < count; ++i)
        out.fewest = std::min(out.fewest, estimates[i].fewest);
    return true;
}

// How far the strength at k may lie from a prediction: further the fewer
// nonzero coefficients it and the prediction rest on (the geometric mean
// of its count and the prediction's fewest).
double toleranceFor(const Field& field, int k, const Prediction& prediction, double base = kTolerance)
{
    const double count = std::sqrt(field.nonzero[k] * prediction.fewest);
    return base + kSparseTolerance / std::sqrt(std::max(1.0, count));
}

// The middle of the trusted ones of the eight values around k: a
// prediction that one damaged neighbour cannot bend, though a slope can.
bool middleOfNeighbours(const Field& field, int k, Prediction& out)
{
    const int row = k / kSide, column = k % kSide;
    double values[8];
    int count = 0;
    out.fewest = HUGE_VAL;
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) {
            if ((dr != 0 || dc != 0) && usable(field, row + dr, column + dc)) {
                values[count++] = at(field, row + dr, column + dc);
                out.fewest = std::min(out.fewest, field.nonzero[(row + dr) * kSide + column + dc]);
            }
        }
    }
    if (count < kMinNeighbours)
        return false;
    std::sort(values, values + count);
    out.strength = (values[(count - 1) / 2] + values[count / 2]) / 2;
    return true;
}

// How far the strength at k lies beyond what either prediction allows
// (negative when it fits one of them); nothing when neither can be made.
bool excessAt(const Field& field, int k, double& out, double base = kTolerance)
{
    bool predicted = false;
    Prediction expected;
    for (bool (*predictor)(const Field&, int, Prediction&) : {&predict, &middleOfNeighbours}) {
        if (!predictor(field, k, expected))
            continue;
        const double excess = std::fabs(field.strength[k] - expected.strength) - toleranceFor(field, k, expected, base);
        out = predicted ? std::min(out, excess) : excess;
        predicted = true;
    }
    return predicted;
}

// Damage garbles runs of bytes: a value beside one shown wrong, in the
// order the segment stores them, is held to a tighter tolerance, and the
// run grows while its next value fails that.
void extendDamagedRuns(Field& field, const int* table, AcJudgement& judgement)
{
    int zigzagOf[kNaturalValues];
    for (int i = 0; i < kNaturalValues; ++i)
        zigzagOf[quant::detail::kZigzagToNatural[i]] = i;
    auto damagedAt = [&](int zigzag) {
        if (zigzag < 1 || zigzag >= kNaturalValues)
            return false;
        const int k = quant::detail::kZigzagToNatural[zigzag];
        return table[k] == 0 || judgement.damaged.contains(k);
    };
    for (bool grew = true; grew;) {
        grew = false;
        for (int k = 1; k < kNaturalValues; ++k) {
            double excess;
            if (!field.trusted[k] || !(damagedAt(zigzagOf[k] - 1) || damagedAt(zigzagOf[k] + 1))
                || !excessAt(field, k, excess, kRunTolerance) || excess <= 0)
                continue;
            field.trusted[k] = false;
            judgement.damaged.append(k);
            grew = true;
        }
    }
}

} // namespace

bool isBorderJudged(int k)
{
    return std::find(std::begin(kBorderJudged), std::end(kBorderJudged), k) != std::end(kBorderJudged);
}

// The spread of one component's blocks: counted in integers a row of
// blocks at a time, in loops over all 64 positions that the compiler turns
// into vector operations.
static CoefficientSpread componentSpread(BoundedDecoder& image, int component)
{
    const jpeg_component_info& info = image.info().comp_info[component];
    qint64 nonzero[kNaturalValues] = {};
    qint64 magnitudes[kNaturalValues] = {};
    for (JDIMENSION row = 0; row < info.height_in_blocks; ++row) {
        JBLOCKROW blocks = image.blockRow(component, row);
        // A row holds at most 8192 blocks of values up to 2^15.
        qint32 rowNonzero[kNaturalValues] = {};
        qint32 rowMagnitudes[kNaturalValues] = {};
        for (JDIMENSION b = 0; b < info.width_in_blocks; ++b) {
            const JCOEF* __restrict block = blocks[b];
            for (int k = 0; k < kNaturalValues; ++k) {
                const qint32 value = block[k];
                rowMagnitudes[k] += value < 0 ? -value : value;
                rowNonzero[k] += value != 0 ? 1 : 0;
            }
        }
        for (int k = 0; k < kNaturalValues; ++k) {
            nonzero[k] += rowNonzero[k];
            magnitudes[k] += rowMagnitudes[k];
        }
    }
    const double blocks = double(info.width_in_blocks) * double(info.height_in_blocks);
    CoefficientSpread own;
    for (int k = 1; k < kNaturalValues; ++k) {
        own.nonzero[k] = double(nonzero[k]);
        own.zeros[k] = blocks - own.nonzero[k];
        own.excess[k] = double(magnitudes[k]) - 0.5 * own.nonzero[k];
    }
    return own;
}

TableSpread spreadOf(BoundedDecoder& image, int id)
{
    TableSpread spread;
    for (int c = 0; c < image.componentCount(); ++c) {
        if (image.info().comp_info[c].quant_tbl_no != id)
            continue;
        const CoefficientSpread own = componentSpread(image, c);
        for (int k = 1; k < kNaturalValues; ++k) {
            spread.all.zeros[k] += own.zeros[k];
            spread.all.nonzero[k] += own.nonzero[k];
            spread.all.excess[k] += own.excess[k];
        }
        spread.each.append(own);
    }
    return spread;
}

static AcJudgement judgeSpread(const int* table, const CoefficientSpread& spread)
{
    AcJudgement judgement;
    Field field;
    double steps[kNaturalValues] = {};
    for (int k = 1; k < kNaturalValues; ++k) {
        steps[k] = stepsPerScale(spread, k);
        if (table[k] == 0 && !isBorderJudged(k))
            judgement.damaged.append(k);
        field.judged[k] = table[k] > 0 && steps[k] > 0 && spread.nonzero[k] >= kMinNonzero
            && !isBorderJudged(k);
        field.trusted[k] = field.judged[k];
        field.nonzero[k] = spread.nonzero[k];
        if (field.judged[k])
            field.strength[k] = std::log(double(table[k]) / steps[k]);
    }
    // The value that stands out most is taken out first, so that it no
    // longer bends its neighbours' predictions; then the next, until every
    // trusted value fits.
    for (;;) {
        int worst = -1;
        double worstExcess = 0;
        for (int k = 1; k < kNaturalValues; ++k) {
            double excess;
            if (!field.trusted[k] || !excessAt(field, k, excess))
                continue;
            if (excess > worstExcess) {
                worstExcess = excess;
                worst = k;
            }
        }
        if (worst < 0)
            break;
        field.trusted[worst] = false;
        judgement.damaged.append(worst);
    }
    // A value taken out early, while a damaged neighbour still bent its
    // prediction, is taken back when it fits what the others predict.
    for (bool changed = true; changed;) {
        changed = false;
        for (int k = 1; k < kNaturalValues; ++k) {
            double excess;
            if (!field.judged[k] || field.trusted[k] || !excessAt(field, k, excess))
                continue;
            if (excess <= 0) {
                field.trusted[k] = true;
                judgement.damaged.removeOne(k);
                changed = true;
            }
        }
    }
    extendDamagedRuns(field, table, judgement);
    for (int k = 1; k < kNaturalValues; ++k) {
        Prediction expected;
        if (steps[k] > 0 && spread.nonzero[k] >= kMinNonzero && !isBorderJudged(k)
            && predict(field, k, expected)) {
            judgement.expected[k] = std::exp(expected.strength) * steps[k];
            judgement.tolerance[k] = toleranceFor(field, k, expected);
        }
    }
    std::sort(judgement.damaged.begin(), judgement.damaged.end());
    return judgement;
}

AcJudgement judgeAcValues(const int* table, const TableSpread& spread)
{
    AcJudgement judgement = judgeSpread(table, spread.all);
    if (spread.each.size() < 2)
        return judgement;
    for (const CoefficientSpread& component : spread.each) {
        const AcJudgement own = judgeSpread(table, component);
        judgement.damaged.erase(std::remove_if(judgement.damaged.begin(), judgement.damaged.end(),
                                               [&](int k) {
                                                   return table[k] != 0 && own.expected[k] > 0
                                                       && std::fabs(std::log(table[k] / own.expected[k]))
                                                              <= kInLineTolerance;
                                               }),
                                judgement.damaged.end());
    }
    return judgement;
}

bool fitsPicture(int value, int position, const AcJudgement& judgement)
{
    const double expected = judgement.expected[position];
    if (expected <= 0)
        return value > 0;
    return value > 0 && std::fabs(std::log(value / expected)) <= judgement.tolerance[position];
}

bool fitsBorders(int value, const BorderValue& measured, bool own)
{
    if (value <= 0)
        return false;
    if (measured.value <= 0)
        return true;
    const double tolerance = kBorderTolerance + kFewLinesTolerance / std::sqrt(double(measured.closings.size()));
    if (std::fabs(std::log(value / measured.value)) <= tolerance)
        return true;
    if (!own)
        return false;
    // Far from the middle, but the borders step hardly more with it: the
    // borders do not decide between the two.
    return measured.stepsWith(value) <= measured.stepsWith(measured.value) * kDecisiveSteps;
}

void keepKnownValues(AcJudgement& judgement, const int* table, const int* known)
{
    if (!known)
        return;
    judgement.damaged.erase(std::remove_if(judgement.damaged.begin(), judgement.damaged.end(),
                                           [&](int k) { return table[k] == known[k]; }),
                            judgement.damaged.end());
}

bool tableFitsPicture(BoundedDecoder& image, int id, const int* table, const int* known)
{
    return tableFitsPicture(image, id, spreadOf(image, id), table, known);
}

bool tableFitsPicture(BoundedDecoder& image, int id, const TableSpread& spread, const int* table,
                      const int* known)
{
    AcJudgement judgement = judgeAcValues(table, spread);
    keepKnownValues(judgement, table, known);
    if (!judgement.damaged.isEmpty())
        return false;
    for (int position : kBorderJudged) {
        if (known && table[position] == known[position])
            continue;
        if (!fitsBorders(table[position], valueFromBorders(image, id, table, position, kBorderMeasuredBlocks),
                         true))
            return false;
    }
    return true;
}

bool tableSound(BoundedDecoder& image, int id, const int* table)
{
    return tableSound(image, id, spreadOf(image, id), table);
}

bool tableSound(BoundedDecoder& image, int id, const TableSpread& spread, const int* table)
{
    quint8 zigzag[kNaturalValues];
    for (int i = 0; i < kNaturalValues; ++i)
        zigzag[i] = quint8(std::clamp(table[quant::detail::kZigzagToNatural[i]], 0, 255));
    const QVector<quant::AgreeingTable> closest = quant::closestCatalogueTables(zigzag, 1, kNaturalValues / 2);
    if (closest.isEmpty())
        return tableFitsPicture(image, id, spread, table, nullptr);
    int known[kNaturalValues];
    for (int i = 0; i < kNaturalValues; ++i)
        known[quant::detail::kZigzagToNatural[i]] = closest.first().table.v[i];
    return tableFitsPicture(image, id, spread, table, known);
}
