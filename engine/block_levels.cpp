#include "block_levels.h"

#include "bounded_decoder.h"

namespace {

// Levels past the sample range a block's mean may reach beside the
// rounding of its DC value: room for an encoder that lets saturated areas
// overshoot to hide their ringing.
constexpr qint64 kOvershootLevels = 48;
// The fewest such blocks that count: damage moves every block after it.
constexpr qint64 kFewestBeyond = 16;

// The blocks of one component beyond the range.
qint64 componentBlocksBeyond(BoundedDecoder& image, int component)
{
    const JQUANT_TBL* table = image.componentTable(component);
    if (!table)
        return 0;
    const jpeg_component_info& info = image.info().comp_info[component];
    // A block's mean is DC x step / 8 above the middle of the range; the
    // rounding of DC moves it by up to step / 16.
    const qint64 step = table->quantval[0];
    const qint64 middle = qint64(1) << (image.info().data_precision - 1);
    const qint64 margin = step / 16 + 1 + kOvershootLevels;
    const qint64 lowest = (-middle - margin) * 8;
    const qint64 highest = (middle - 1 + margin) * 8;
    qint64 beyond = 0;
    for (JDIMENSION row = 0; row < info.height_in_blocks; ++row) {
        JBLOCKROW blocks = image.blockRow(component, row);
        for (JDIMENSION b = 0; b < info.width_in_blocks; ++b) {
            const qint64 dc = qint64(blocks[b][0]) * step;
            beyond += dc < lowest || dc > highest ? 1 : 0;
        }
    }
    return beyond;
}

} // namespace

bool blockLevelsBeyondRange(const QString& path, qint64 cpuBudget)
{
    BoundedDecoder image(path);
    image.limitCpu(cpuBudget);
    if (!image.readCoefficients())
        return true;
    qint64 beyond = 0;
    for (int c = 0; c < image.componentCount(); ++c)
        beyond += componentBlocksBeyond(image, c);
    return beyond >= kFewestBeyond;
}
