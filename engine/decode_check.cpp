// The decode check: the image is decoded at a reduced size, and the
// picture and the tables it was decoded with are judged.
#include "decode_check.h"

#include "block_levels.h"
#include "bounded_decoder.h"
#include "picture_verdict.h"
#include "quant_table_check.h"
#include "quant_table_evidence.h"
#include "table_verdicts.h"
#include "tables/quantization/quality_tables.h"

#include <QVector>

namespace {

// CPU time the whole check may take before the look at its block levels
// ends, in quarters of what one decode of the image may take: a crafted
// file cannot make the check of one image take longer.
constexpr qint64 kCheckCpuQuarters = 9;

// The 8-bit table in zigzag order; false for a 16-bit one.
bool zigzagOf(const JQUANT_TBL& table, quint8* zigzag)
{
    for (int i = 0; i < quant::kTableValues; ++i) {
        const UINT16 value = table.quantval[quant::detail::kZigzagToNatural[i]];
        if (value > 255)
            return false;
        zigzag[i] = quint8(value);
    }
    return true;
}

// A table damaged beyond what the repair could mend gives a picture of
// wrong contrasts and block patterns, even when its blocks happen to look
// smooth. The picture is looked at only for a table whose shape gives
// reason to; it alone shows the damage. 16-bit tables are not judged.
bool damagedTablesUsed(const QString& path, const BoundedDecoder& decoder)
{
    QVector<int> ids;
    QVector<QVector<int>> tables;
    for (int c = 0; c < decoder.componentCount(); ++c) {
        const JQUANT_TBL* table = decoder.componentTable(c);
        if (!table)
            return true;
        quint8 zigzag[quant::kTableValues];
        const int id = decoder.componentTableId(c);
        if (ids.contains(id) || !zigzagOf(*table, zigzag) || isPlausibleQuantTable(zigzag))
            continue;
        const QVector<int> natural(table->quantval, table->quantval + quant::kTableValues);
        // The mend that wrote the table has judged it already.
        if (const std::optional<bool> sound = table_verdicts::recall(path, id, natural)) {
            if (!*sound)
                return true;
            continue;
        }
        ids.append(id);
        tables.append(natural);
    }
    if (ids.isEmpty())
        return false;
    BoundedDecoder coefficients(path);
    if (!coefficients.readCoefficients())
        return true;
    for (int i = 0; i < ids.size(); ++i) {
        if (!tableSound(coefficients, ids[i], tables[i].constData()))
            return true;
    }
    return false;
}

// Levels that the picture shows clipped, or that damage reported may have
// moved, are looked at in the data itself, in what is left of the check's
// CPU time (it started at `started`; `decodeBound` is what one decode may
// take).
bool blockLevelsFit(const QString& path, const EighthPicture& picture, bool damageReported, qint64 started,
                    qint64 decodeBound)
{
    if (!damageReported && !looksSaturated(picture))
        return true;
    const qint64 checkBound = decodeBound / 4 * kCheckCpuQuarters;
    return !blockLevelsBeyondRange(path, checkBound - (BoundedDecoder::threadCpuNs() - started));
}

} // namespace

bool imageDecodes(const QString& path, DataEnd end)
{
    const qint64 started = BoundedDecoder::threadCpuNs();
    BoundedDecoder decoder(path);
    EighthPicture picture;
    McuBorders borders;
    if (!decoder.readPicture(picture, borders, PictureDetail::Quick) || damagedTablesUsed(path, decoder))
        return false;
    // Data that runs out in an image that was all there was read out of
    // step: the decoder took more bits than the image has.
    if (end == DataEnd::Complete && decoder.earlyEnds() > 0)
        return false;
    const bool damageReported = decoder.corruptWarnings() > 0;
    // Damage in a scan of a progressive image touches every block the scan
    // refines, and the blocks of its scans come in no single order.
    if (decoder.info().progressive_mode)
        return !damageReported;
    // A damaged stretch puts the decoder out of step, most often without a
    // warning: the picture shows it, as noise or as a break.
    if (damageReported && looksNoisy(picture))
        return false;
    // Reported damage is looked at finer.
    if (damageReported && decoder.finerScaleExists()) {
        BoundedDecoder finer(path);
        if (!finer.readPicture(picture, borders, PictureDetail::Fine))
            return false;
    }
    // One too small to judge fails when damage was reported, as nothing
    // shows it whole.
    if (tooSmallToJudge(borders))
        return !damageReported;
    if (breaksInScanOrder(borders, damageReported, int(decoder.info().restart_interval))
        || (damageReported && seamFromMadeUpMcus(borders)))
        return false;
    return blockLevelsFit(path, picture, damageReported, started, decoder.cpuBound());
}
