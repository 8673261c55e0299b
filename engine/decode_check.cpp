// The decode check: the image is decoded at an eighth of its size, and the
// picture and the tables it was decoded with are judged.
#include "decode_check.h"

#include "bounded_decoder.h"
#include "picture_verdict.h"
#include "quant_table_check.h"
#include "tables/quantization/quality_tables.h"

namespace {

// A table that no encoder writes (one damaged beyond what the libraries
// could mend) gives a picture of wrong contrasts and block patterns, even
// when its blocks happen to look smooth. 16-bit tables are not judged.
bool tableWritten(const JQUANT_TBL& table)
{
    quint8 zigzag[quant::kTableValues];
    for (int i = 0; i < quant::kTableValues; ++i) {
        const UINT16 value = table.quantval[quant::detail::kZigzagToNatural[i]];
        if (value > 255)
            return true;
        zigzag[i] = quint8(value);
    }
    return isPlausibleQuantTable(zigzag);
}

bool tablesWritten(const BoundedDecoder& decoder)
{
    for (int c = 0; c < decoder.componentCount(); ++c) {
        const JQUANT_TBL* table = decoder.componentTable(c);
        if (!table || !tableWritten(*table))
            return false;
    }
    return true;
}

} // namespace

bool imageDecodes(const QString& path, DataEnd end)
{
    BoundedDecoder decoder(path);
    EighthPicture picture;
    if (!decoder.readEighthScale(picture) || !tablesWritten(decoder))
        return false;
    const bool damageReported = decoder.corruptWarnings() > 0
        || (end == DataEnd::Complete && decoder.earlyEnds() > 0);
    if (!damageReported)
        return true;
    // Damage in a scan of a progressive image touches every block the scan
    // refines; in a sequential image it may stay a stretch, which the
    // picture shows or hides.
    return !decoder.info().progressive_mode && !looksNoisy(picture) && !hasSeam(picture);
}
