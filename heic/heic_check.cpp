#include "global_state.h"
#include "heic_box_order.h"
#include "heic_state.h"
#include "heic_steps.h"
#include "hevc_units.h"
#include "jpg_repair.h"
#include "file_open.h"

namespace {

void setBoxOrderFlag(HeicBoxLayout order)
{
    if (order == HeicBoxLayout::MetaFirst)
        g_heicMetaFirst = 1;
    else
        g_heicMdatFirst = 1;
}

} // namespace

void collectHevcSlices(jpg_repair& repair, const QString& damagedPath)
{
    g_heicSliceCount = 0;
    closeHeicStream(g_state.heicFile);
    g_state.heicFile = platform::openFile(damagedPath, "rb");
    if (g_state.heicFile)
        countHevcSlices(repair, g_state.heicFile);
}

void checkSampleBoxOrder(jpg_repair& repair, const QString& samplePath)
{
    FILE* sample = platform::openFile(samplePath, "rb");
    if (!sample)
        return;
    const auto order = checkHeicBoxOrder(sample, char(repair.m_bigEndian), &g_sampleMetaOffset,
                                         &g_sampleIinfDistance);
    std::fclose(sample);
    if (order)
        setBoxOrderFlag(*order);
}

int jpg_repair::CountHeicTiles(QString path)
{
    g_heicSliceCount = 0;
    setHeicLayoutFlags(0);
    FILE* file = platform::openFile(path, "rb");
    if (!file)
        return 0;
    countHevcSlices(*this, file);
    std::fclose(file);
    setHeicLayoutFlags(g_heicSliceCount);
    return g_heicSliceCount;
}

void jpg_repair::CollectHevcSlices(QString damagedPath)
{
    discardHeicRun();
    collectHevcSlices(*this, damagedPath);
}

int jpg_repair::CheckHeicBoxes(QString samplePath)
{
    discardHeicRun();
    checkSampleBoxOrder(*this, samplePath);
    return 0;
}

int jpg_repair::CheckHeic(QString path)
{
    discardHeicRun();
    setHeicLayoutFlags(0);
    g_state.heicValid = 0;
    g_state.heicUnknownCount = 0;
    g_state.heicFile = platform::openFile(path, "rb");
    if (!g_state.heicFile)
        return 0;
    const bool walked = countHevcSlices(*this, g_state.heicFile);
    setHeicLayoutFlags(g_heicSliceCount);
    if (!walked) {
        closeHeicStream(g_state.heicFile);
        return 0;
    }
    if (!anyHeicLayoutFlag()) {
        g_state.heicUnknownCount = 1;
        closeHeicStream(g_state.heicFile);
        return 0;
    }
    const auto order = checkHeicBoxOrder(g_state.heicFile, char(m_bigEndian), &g_heicMetaOffset,
                                         &g_heicIinfDistance);
    if (!order) {
        closeHeicStream(g_state.heicFile);
        return 0;
    }
    setBoxOrderFlag(*order);
    g_state.heicValid = 1;
    return 1;
}
