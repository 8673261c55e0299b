#pragma once

#include "border_continuity.h"
#include "bounded_decoder.h"

#include <QVector>

// What the quantized coefficients of a picture tell about the AC values of
// the table they are dequantized with. In a natural picture the strength
// of the coefficients changes smoothly from one frequency to its
// neighbours; a wrong table value scales its frequency's strength by
// exactly the factor it is wrong by, whatever the table's level, and so
// stands out.

constexpr int kNaturalValues = 64;

// How the coefficients of one table's blocks spread at each frequency
// (natural order, row * 8 + column).
struct CoefficientSpread {
    double zeros[kNaturalValues] = {};
    double nonzero[kNaturalValues] = {};
    double excess[kNaturalValues] = {}; // sum of |c| - 1/2 over the nonzero ones
};

// The spread over every block of the components that use one table, all
// together and each on its own.
struct TableSpread {
    CoefficientSpread all;
    QVector<CoefficientSpread> each;
};
TableSpread spreadOf(BoundedDecoder& image, int id);

struct AcJudgement {
    // AC positions whose value the picture shows to be wrong.
    QVector<int> damaged;
    // The value the picture asks for at every judged position (0 where the
    // picture cannot tell, too few of its coefficients being nonzero), and
    // how far (as a factor's logarithm) an intact value may lie from it.
    double expected[kNaturalValues] = {};
    double tolerance[kNaturalValues] = {};
};

// Judges the AC values of `table` (natural order) but those judged by the
// borders, by the strengths of all components that use it together; a
// wrong value scales its frequency in every one of them, so a value that
// one of them finds closely in line is not shown wrong (a component's
// content may stand out at a frequency of its own). A zero value, which no
// encoder writes, is damaged wherever it lies.
AcJudgement judgeAcValues(const int* table, const TableSpread& spread);

// Whether `value` at AC position `position` fits the strength the picture
// shows there: within the spread that intact values have.
bool fitsPicture(int value, int position, const AcJudgement& judgement);

// The DC value and the first AC value of the first row and of the first
// column: the picture judges them by its block borders (see
// valueFromBorders), as no neighbours lie on their lower side to predict
// their strength.
constexpr int kBorderJudged[] = {0, 1, 8};
bool isBorderJudged(int k);
// Blocks measured when those are judged.
constexpr qint64 kBorderMeasuredBlocks = qint64(1) << 12;

// Whether a value fits the one that the block borders ask for (value 0:
// the borders cannot tell, and any nonzero value fits); the fewer lines
// the measure rests on, the further it may lie. The file's own value
// (`own`) also fits when the borders hardly step more with it: it stands
// unless the borders decide against it.
bool fitsBorders(int value, const BorderValue& measured, bool own);

// Whether every value of table `id` of the image (natural order) fits its
// picture; true when no component uses it. A value equal to that of
// `known` (natural order; nullptr for none), a known-good table that agrees
// with the table on most values, counts as fitting whatever the picture
// shows: two sources agree on it, and a picture of few or odd coefficients
// may mislead.
bool tableFitsPicture(BoundedDecoder& image, int id, const int* table, const int* known);
// The same with the spread of the table's blocks measured before.
bool tableFitsPicture(BoundedDecoder& image, int id, const TableSpread& spread, const int* table,
                      const int* known);

// Whether table `id` of the image (natural order) fits its picture, values
// equal to those of the catalogue table that agrees with it on most values
// (when one agrees on at least half) counting as fitting.
bool tableSound(BoundedDecoder& image, int id, const int* table);
bool tableSound(BoundedDecoder& image, int id, const TableSpread& spread, const int* table);

// Takes out of the judgement's damaged values those equal to `known`'s.
void keepKnownValues(AcJudgement& judgement, const int* table, const int* known);
