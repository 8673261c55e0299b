#include "quant_table_choice.h"

#include "bounded_decoder.h"
#include "border_continuity.h"
#include "quant_table_evidence.h"
#include "table_verdicts.h"
#include "tables/quantization/quality_tables.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// More values than this shown wrong: the table is mostly gone, and no
// value of it is worth keeping.
constexpr int kMostlyGone = 32;
// Positions at which the picture may take a candidate's value for wrong
// and still the candidate be the table the file's own agrees with.
constexpr int kContradictions = 2;
// A damaged value is replaced by the one the picture asks for only when
// the picture allows no more than this (log of a factor) around it.
constexpr double kFirmTolerance = 0.8;
// At most this many AC values apart from an otherwise equal candidate, by
// at least this factor (its logarithm), are taken as garbled.
constexpr int kFewDifferences = 2;
constexpr double kClearFactor = 0.4;
// Times the picture is asked about a table being mended.
constexpr int kJudgements = 3;
// Times the values the borders judge are measured in turn.
constexpr int kBorderRounds = 2;

using NaturalTable = int[quant::kTableValues];

void toNatural(const quant::QuantTable& zigzag, NaturalTable& natural)
{
    for (int i = 0; i < quant::kTableValues; ++i)
        natural[quant::detail::kZigzagToNatural[i]] = zigzag.v[i];
}

quant::QuantTable toZigzag(const NaturalTable& natural)
{
    quant::QuantTable zigzag{};
    for (int i = 0; i < quant::kTableValues; ++i)
        zigzag.v[i] = quint8(std::clamp(natural[quant::detail::kZigzagToNatural[i]], 1, 255));
    return zigzag;
}

bool usesTable(BoundedDecoder& image, int id)
{
    for (int c = 0; c < image.componentCount(); ++c) {
        if (image.info().comp_info[c].quant_tbl_no == id)
            return true;
    }
    return false;
}

// Whether the candidate's value at k contradicts the picture where the
// file's own value does not.
bool contradicted(int k, const NaturalTable& values, const NaturalTable& own, const AcJudgement& judgement)
{
    return values[k] != own[k] && !judgement.damaged.contains(k) && !fitsPicture(values[k], k, judgement);
}

// The candidate that agrees with the values the picture keeps: where the
// two differ, the picture takes the candidate's value as well (a garbled
// value may land close to the right one, and the picture cannot tell such
// values apart), save at a few positions, as a frequency measured from few
// coefficients may mislead it; nullptr when none does.
const quant::AgreeingTable* agreeingCandidate(const SuspectQuantTable& suspect,
                                              const NaturalTable& own, const AcJudgement& judgement)
{
    for (const quant::AgreeingTable& candidate : suspect.candidates) {
        NaturalTable values;
        toNatural(candidate.table, values);
        int against = 0;
        for (int k = 1; k < quant::kTableValues; ++k)
            against += contradicted(k, values, own, judgement) ? 1 : 0;
        if (against <= kContradictions)
            return &candidate;
    }
    return nullptr;
}

// A table that is the candidate in all but one or two AC values, each
// apart from the candidate's by a clear factor that the picture does not
// hold against the candidate, is the candidate with those values garbled.
void addClearDifferences(const NaturalTable& candidate, const NaturalTable& table, AcJudgement& judgement)
{
    QVector<int> differences;
    for (int k = 1; k < quant::kTableValues; ++k) {
        if (candidate[k] != table[k] && !isBorderJudged(k))
            differences.append(k);
    }
    if (differences.size() > kFewDifferences)
        return;
    for (int k : differences) {
        const bool clear = table[k] == 0 || std::fabs(std::log(double(table[k]) / candidate[k])) >= kClearFactor;
        if (!clear || !fitsPicture(candidate[k], k, judgement))
            return;
    }
    for (int k : differences) {
        if (!judgement.damaged.contains(k))
            judgement.damaged.append(k);
    }
}

// The value for a damaged AC position: the agreeing candidate's, else the
// one the picture asks for when it asks firmly enough; false when neither
// is known (the value stays, and fails the decode check).
bool replacementAt(int k, const NaturalTable* candidate, const AcJudgement& judgement, int& value)
{
    if (candidate)
        value = (*candidate)[k];
    else if (judgement.expected[k] > 0 && judgement.tolerance[k] <= kFirmTolerance)
        value = std::clamp(int(std::lround(judgement.expected[k])), 1, 255);
    else
        return false;
    return true;
}

BorderValue measuredAt(BoundedDecoder& image, int id, const NaturalTable& table, int position)
{
    return valueFromBorders(image, id, table, position, kBorderMeasuredBlocks);
}

// How far the values the borders judge lie from what the borders ask for
// (the sum of the factors' logarithms); nothing when one does not fit. A
// value equal to the candidate's fits (see tableFitsPicture); those at the
// positions of `replaced` (a bit for each of kBorderJudged) are not the
// file's own.
bool borderMisfit(BoundedDecoder& image, int id, const NaturalTable* candidate, const NaturalTable& table,
                  int replaced, double& misfit)
{
    misfit = 0;
    for (std::size_t i = 0; i < std::size(kBorderJudged); ++i) {
        const int position = kBorderJudged[i];
        if (candidate && (*candidate)[position] == table[position])
            continue;
        const BorderValue measured = measuredAt(image, id, table, position);
        if (!fitsBorders(table[position], measured, !(replaced & (1 << i))))
            return false;
        if (measured.value > 0)
            misfit += std::fabs(std::log(table[position] / measured.value));
    }
    return true;
}

// The table with the values at the positions of `chosen` (a bit for each of
// kBorderJudged) replaced by what the borders ask for, or by the
// candidate's where that fits it; each is measured again with the others'
// replacements, as each moves the borders the others are measured at.
void replaceAtBorders(BoundedDecoder& image, int id, const NaturalTable* candidate, int chosen,
                      NaturalTable& table)
{
    for (int round = 0; round < kBorderRounds; ++round) {
        for (std::size_t i = 0; i < std::size(kBorderJudged); ++i) {
            const int position = kBorderJudged[i];
            if (!(chosen & (1 << i)))
                continue;
            const BorderValue measured = measuredAt(image, id, table, position);
            if (candidate && fitsBorders((*candidate)[position], measured, false))
                table[position] = (*candidate)[position];
            else if (measured.value > 0)
                table[position] = std::clamp(int(std::lround(measured.value)), 1, 255);
        }
    }
}

// Whether one of the chosen positions holds the candidate's value, which
// stays.
bool holdsKnownValue(const NaturalTable* candidate, const NaturalTable& table, int chosen)
{
    for (std::size_t i = 0; i < std::size(kBorderJudged); ++i) {
        const int position = kBorderJudged[i];
        if ((chosen & (1 << i)) && candidate && (*candidate)[position] == table[position])
            return true;
    }
    return false;
}

// The values the block borders judge (see kBorderJudged) move the same
// borders, so one wrong value makes the others look wrong too: the fewest
// of them whose replacement makes all three fit are replaced, the closest
// fit among as many. The table stays as it is (and fails the decode check)
// when no choice fits.
void mendBorderValues(BoundedDecoder& image, int id, const NaturalTable* candidate, NaturalTable& table)
{
    double misfit;
    if (borderMisfit(image, id, candidate, table, 0, misfit))
        return;
    // The choices of positions, fewest first.
    const int choices[] = {1, 2, 4, 3, 5, 6, 7};
    NaturalTable best;
    double bestMisfit = 0;
    int bestSize = 0;
    for (int chosen : choices) {
        const int size = (chosen & 1) + ((chosen >> 1) & 1) + ((chosen >> 2) & 1);
        if (bestSize != 0 && size > bestSize)
            break;
        if (holdsKnownValue(candidate, table, chosen))
            continue;
        NaturalTable trial;
        std::copy(std::begin(table), std::end(table), trial);
        replaceAtBorders(image, id, candidate, chosen, trial);
        if (borderMisfit(image, id, candidate, trial, chosen, misfit) && (bestSize == 0 || misfit < bestMisfit)) {
            std::copy(std::begin(trial), std::end(trial), best);
            bestMisfit = misfit;
            bestSize = size;
        }
    }
    if (bestSize != 0)
        std::copy(std::begin(best), std::end(best), table);
}

// The first candidate whose every value fits the picture.
const quant::AgreeingTable* fittingCandidate(BoundedDecoder& image, const SuspectQuantTable& suspect,
                                             const TableSpread& spread)
{
    for (const quant::AgreeingTable& candidate : suspect.candidates) {
        NaturalTable values;
        toNatural(candidate.table, values);
        if (tableFitsPicture(image, suspect.id, spread, values, nullptr))
            return &candidate;
    }
    return nullptr;
}

// Whether the table is to be replaced, and by what; `spread` is that of
// the blocks the table's components have.
bool mended(BoundedDecoder& image, const SuspectQuantTable& suspect, const TableSpread& spread,
            quant::QuantTable& out)
{
    if (!usesTable(image, suspect.id))
        return false;
    NaturalTable table;
    toNatural(suspect.own, table);
    AcJudgement judgement = judgeAcValues(table, spread);
    if (judgement.damaged.size() > kMostlyGone) {
        const quant::AgreeingTable* whole = fittingCandidate(image, suspect, spread);
        if (whole)
            out = whole->table;
        return whole != nullptr;
    }
    const quant::AgreeingTable* agreeing = agreeingCandidate(suspect, table, judgement);
    NaturalTable candidate;
    if (agreeing)
        toNatural(agreeing->table, candidate);
    const NaturalTable* known = agreeing ? &candidate : nullptr;
    keepKnownValues(judgement, table, known ? *known : nullptr);
    if (known)
        addClearDifferences(*known, table, judgement);
    const bool damageShown = !judgement.damaged.isEmpty();
    NaturalTable before;
    std::copy(std::begin(table), std::end(table), before);
    // A value replaced by the candidate's lets its neighbours be judged by
    // what is really theirs, so the picture is asked again until it finds
    // nothing more. Values the picture predicts are predicted once, from
    // the values it keeps, never from one another.
    AcJudgement current = judgement;
    for (int round = 0; round < (known ? kJudgements : 1) && !current.damaged.isEmpty(); ++round) {
        for (int k : current.damaged) {
            int value;
            if (replacementAt(k, known, current, value))
                table[k] = value;
        }
        current = judgeAcValues(table, spread);
        keepKnownValues(current, table, known ? *known : nullptr);
    }
    // Where the picture shows damage, the candidate explains the values it
    // keeps: it stands for the others too where the picture takes its
    // value as well or cannot judge (too few coefficients being nonzero),
    // as a garbled value may land within what the picture allows.
    if (known && damageShown) {
        for (int k = 1; k < quant::kTableValues; ++k) {
            if (!isBorderJudged(k) && (current.expected[k] <= 0 || fitsPicture(candidate[k], k, current)))
                table[k] = candidate[k];
        }
    }
    mendBorderValues(image, suspect.id, known, table);
    out = toZigzag(table);
    return !std::equal(std::begin(table), std::end(table), std::begin(before));
}

} // namespace

void mendQuantTables(const QString& path, const QVector<SuspectQuantTable>& suspects)
{
    table_verdicts::forgetAll();
    if (suspects.isEmpty())
        return;
    BoundedDecoder image(path);
    if (!image.readCoefficients())
        return;
    // The blocks' spread is measured once for both the mend and the
    // verdict on its outcome.
    QVector<TableSpread> spreads;
    for (const SuspectQuantTable& suspect : suspects)
        spreads.append(spreadOf(image, suspect.id));
    QVector<quant::QuantTable> tables(suspects.size());
    QVector<bool> changed(suspects.size(), false);
    for (int i = 0; i < suspects.size(); ++i)
        changed[i] = mended(image, suspects[i], spreads[i], tables[i]);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return;
    for (int i = 0; i < suspects.size(); ++i) {
        if (changed[i] && file.seek(suspects[i].offset))
            file.write(reinterpret_cast<const char*>(tables[i].v), quant::kTableValues);
    }
    file.close();
    for (int i = 0; i < suspects.size(); ++i) {
        NaturalTable table;
        toNatural(changed[i] ? tables[i] : suspects[i].own, table);
        table_verdicts::remember(path, suspects[i].id, QVector<int>(std::begin(table), std::end(table)),
                                 tableSound(image, suspects[i].id, spreads[i], table));
    }
}
