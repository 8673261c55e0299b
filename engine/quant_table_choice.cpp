#include "quant_table_choice.h"

#include "block_edges.h"
#include "bounded_decoder.h"
#include "tables/quantization/quality_tables.h"

#include <QFile>

namespace {

// Blocks measured per component and table: the candidates differ in every
// block, so a sample shows which is right.
constexpr qint64 kMeasuredBlocks = 1 << 15;
// Candidates agreeing on this many positions fewer than the best one are
// still judged by the picture.
constexpr int kCloseAgreement = 8;
// How much smaller a less agreeing candidate's border jumps must be.
constexpr double kClearlyBetter = 0.85;

using NaturalTable = quint16[quant::kTableValues];

void toNatural(const quant::QuantTable& zigzag, NaturalTable& natural)
{
    for (int i = 0; i < quant::kTableValues; ++i)
        natural[quant::detail::kZigzagToNatural[i]] = zigzag.v[i];
}

// Mean jump across the block borders of the components that use table
// `id`, dequantized with `table`; negative when no component uses it. With
// the right values the blocks' detail continues their neighbours'; a value
// too large or too small, the DC value included, leaves steps at the
// borders. (The candidates agree on most values, so their pictures have the
// same contrast.)
double bordersWith(BoundedDecoder& image, int id, const quant::QuantTable& table)
{
    NaturalTable natural;
    toNatural(table, natural);
    BlockEdges edges;
    bool used = false;
    for (int c = 0; c < image.componentCount(); ++c) {
        if (image.info().comp_info[c].quant_tbl_no != id)
            continue;
        used = true;
        edges.add(measureBlockEdges(image, c, natural, kMeasuredBlocks));
    }
    return used ? edges.meanBorder() : -1;
}

// The candidates that agree nearly as well as the best one.
QVector<const quant::AgreeingTable*> contenders(const SuspectQuantTable& suspect)
{
    QVector<const quant::AgreeingTable*> close;
    const int best = suspect.candidates.first().agreeing;
    for (const quant::AgreeingTable& candidate : suspect.candidates) {
        if (candidate.agreeing >= best - kCloseAgreement)
            close.append(&candidate);
    }
    return close;
}

// The candidate whose picture is most natural, where one that agrees less
// than the best has to be clearly more natural: agreement decides the near
// ties.
const quant::QuantTable& mostNatural(BoundedDecoder& image, const SuspectQuantTable& suspect,
                                     const QVector<const quant::AgreeingTable*>& close)
{
    const int top = close.first()->agreeing;
    const quant::QuantTable* best = nullptr;
    double bestScore = 0;
    for (const quant::AgreeingTable* candidate : close) {
        const double borders = bordersWith(image, suspect.id, candidate->table);
        if (borders < 0) // no component uses the table: nothing to judge by
            return close.first()->table;
        const double score = candidate->agreeing == top ? borders : borders / kClearlyBetter;
        if (!best || score < bestScore) {
            bestScore = score;
            best = &candidate->table;
        }
    }
    return *best;
}

} // namespace

void chooseQuantTables(const QString& path, const QVector<SuspectQuantTable>& suspects)
{
    QVector<const quant::QuantTable*> chosen(suspects.size(), nullptr);
    QVector<QVector<const quant::AgreeingTable*>> close(suspects.size());
    bool pictureNeeded = false;
    for (int i = 0; i < suspects.size(); ++i) {
        if (suspects[i].candidates.isEmpty())
            continue;
        close[i] = contenders(suspects[i]);
        if (close[i].size() == 1)
            chosen[i] = &close[i].first()->table;
        else
            pictureNeeded = true;
    }
    if (pictureNeeded) {
        BoundedDecoder image(path);
        const bool decoded = image.readCoefficients();
        for (int i = 0; i < suspects.size(); ++i) {
            if (!chosen[i] && !close[i].isEmpty())
                chosen[i] = decoded ? &mostNatural(image, suspects[i], close[i])
                                     : &close[i].first()->table;
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return;
    for (int i = 0; i < suspects.size(); ++i) {
        if (chosen[i] && file.seek(suspects[i].offset))
            file.write(reinterpret_cast<const char*>(chosen[i]->v), quant::kTableValues);
    }
}
