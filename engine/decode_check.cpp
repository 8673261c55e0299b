// The decode check: the image's entropy-coded data is decoded into its DCT
// coefficients, and the picture they give is measured at its block borders.
#include "decode_check.h"

#include "block_edges.h"
#include "coefficient_image.h"
#include "picture_verdict.h"
#include "quant_table_check.h"
#include "tables/quantization/quality_tables.h"

namespace {

// Blocks of each component that the measure looks at: enough to judge a
// picture, few enough to keep the check short for a large one.
constexpr qint64 kMeasuredBlocks = 1 << 13;

// Whether a decoder can build its output for the frame (its sampling and
// colours), without decoding the data: the check itself never builds it.
bool outputCanBeBuilt(const QString& path)
{
    CoefficientImage image(path);
    return image.readOutputSetUp();
}

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

} // namespace

bool imageDecodes(const QString& path, DataEnd end)
{
    CoefficientImage image(path);
    if (!image.read())
        return false;
    BlockEdges edges;
    for (int c = 0; c < image.componentCount(); ++c) {
        const JQUANT_TBL* table = image.componentTable(c);
        if (!table || !tableWritten(*table))
            return false;
        edges.add(measureBlockEdges(image, c, table->quantval, kMeasuredBlocks));
    }
    const bool damageReported = image.corruptWarnings() > 0
        || (end == DataEnd::Complete && image.earlyEnds() > 0);
    if (looksNoisy(edges))
        return false;
    // Damage in a scan of a progressive image touches every block the scan
    // refines; in a sequential image it stays a stretch, which the picture
    // shows or hides.
    if (damageReported
        && (image.info().progressive_mode || hasSeam(measureBorderProfile(image, 0))))
        return false;
    return outputCanBeBuilt(path);
}
