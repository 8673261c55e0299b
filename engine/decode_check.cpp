// The decode check: the image is decoded at a reduced size, and the
// picture and the tables it was decoded with are judged.
#include "decode_check.h"

#include "bounded_decoder.h"
#include "picture_verdict.h"
#include "quant_table_check.h"
#include "tables/quantization/quality_tables.h"

#include <QVector>

namespace {

// At most this many odd values may be harmless in a table.
constexpr int kHarmlessOddValues = 1;

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

// Whether any block of the components that use table `id` has a coefficient
// at one of the positions (natural order).
bool coefficientsUsed(BoundedDecoder& image, int id, const QVector<int>& positions)
{
    for (int c = 0; c < image.componentCount(); ++c) {
        const jpeg_component_info& info = image.info().comp_info[c];
        if (info.quant_tbl_no != id)
            continue;
        for (JDIMENSION row = 0; row < info.height_in_blocks; ++row) {
            JBLOCKROW blocks = image.blockRow(c, row);
            for (JDIMENSION b = 0; b < info.width_in_blocks; ++b) {
                for (int position : positions) {
                    if (blocks[b][position] != 0)
                        return true;
                }
            }
        }
    }
    return false;
}

// A table that no encoder writes (one damaged beyond what the libraries
// could mend) gives a picture of wrong contrasts and block patterns, even
// when its blocks happen to look smooth: a damaged stretch of it hits values
// that its neighbours cannot show to be wrong (the DC value among them) as
// well. Only a table with a single odd value that no coefficient of the
// picture uses is harmless. 16-bit tables are not judged.
bool oddTablesUsed(const QString& path, const BoundedDecoder& decoder)
{
    QVector<int> ids;
    QVector<QVector<int>> odd;
    for (int c = 0; c < decoder.componentCount(); ++c) {
        const JQUANT_TBL* table = decoder.componentTable(c);
        if (!table)
            return true;
        quint8 zigzag[quant::kTableValues];
        const int id = decoder.componentTableId(c);
        if (ids.contains(id) || !zigzagOf(*table, zigzag) || isPlausibleQuantTable(zigzag))
            continue;
        const QVector<int> values = oddQuantValues(zigzag);
        if (values.size() > kHarmlessOddValues)
            return true;
        ids.append(id);
        odd.append(values);
    }
    if (ids.isEmpty())
        return false;
    BoundedDecoder coefficients(path);
    if (!coefficients.readCoefficients())
        return true;
    for (int i = 0; i < ids.size(); ++i) {
        if (coefficientsUsed(coefficients, ids[i], odd[i]))
            return true;
    }
    return false;
}

} // namespace

bool imageDecodes(const QString& path, DataEnd end)
{
    BoundedDecoder decoder(path);
    EighthPicture picture;
    McuBorders borders;
    if (!decoder.readPicture(picture, borders, PictureDetail::Quick) || oddTablesUsed(path, decoder))
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
    return !breaksInScanOrder(borders);
}
