#include "heic_state.h"

#include "global_state.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <iterator>

int g_heicSliceCount = 0;
char g_heicMetaFirst = 0;
char g_heicMdatFirst = 0;
int g_heicMetaOffset = 0;
int g_heicIinfDistance = 0;
int g_sampleMetaOffset = 0;
int g_sampleIinfDistance = 0;
QString g_heicOutputPath;

namespace {

struct LayoutCounts {
    HeicTileLayout layout;
    int counts[3];
};

// Slice counts by layout; 0 ends a row early.
const LayoutCounts kLayoutCounts[kHeicTileLayoutCount] = {
    {HeicTileLayout::standard_selfie, {6, 35, 0}},
    {HeicTileLayout::standard, {48, 0, 0}},
    {HeicTileLayout::square_Iphone_OR_selfieThreeRatioFour_Android, {36, 0, 0}},
    {HeicTileLayout::square_selfieIphone_OR_FullPhotoAndroid, {25, 0, 0}},
    {HeicTileLayout::nine_ratio_Sixteen, {40, 0, 0}},
    {HeicTileLayout::selfie_nine_ratio_Sixteen, {28, 0, 0}},
    {HeicTileLayout::Three_RatioFour, {49, 71, 0}},
    {HeicTileLayout::one_Ratio_one, {37, 50, 0}},
    {HeicTileLayout::Nine_Ratio_Sixteen, {41, 61, 0}},
    {HeicTileLayout::selfie_Three_Ratio_Four, {31, 36, 0}},
    {HeicTileLayout::selfie_one_ratio_one, {26, 0, 0}},
    {HeicTileLayout::selfie_Nine_ratio_Sixteen, {29, 0, 0}},
    {HeicTileLayout::FullPhoto, {25, 33, 51}},
    {HeicTileLayout::FullPhoto_selfie, {22, 0, 0}},
    {HeicTileLayout::High_MP_Camera, {267, 433, 0}},
    {HeicTileLayout::selfie_four_ratio_five, {43, 0, 0}},
};

} // namespace

bool heicLayoutMatchesCount(HeicTileLayout layout, int sliceCount)
{
    for (const int count : kLayoutCounts[int(layout)].counts) {
        if (count != 0 && count == sliceCount)
            return true;
    }
    return false;
}

void setHeicLayoutFlags(int sliceCount)
{
    for (int i = 0; i < kHeicTileLayoutCount; ++i)
        g_state.heicLayoutFlags[i] = heicLayoutMatchesCount(HeicTileLayout(i), sliceCount) ? 1 : 0;
}

bool anyHeicLayoutFlag()
{
    return std::any_of(std::begin(g_state.heicLayoutFlags), std::end(g_state.heicLayoutFlags),
                       [](qint32 flag) { return flag != 0; });
}

void closeHeicStream(FILE*& file)
{
    if (file)
        std::fclose(file);
    file = nullptr;
}

void dropHeicOutput()
{
    closeHeicStream(g_state.heicOutFile);
    if (!g_heicOutputPath.isEmpty())
        QFile::remove(g_heicOutputPath);
    g_heicOutputPath.clear();
}

void discardHeicRun()
{
    closeHeicStream(g_state.heicFile);
    dropHeicOutput();
    g_heicMetaFirst = 0;
    g_heicMdatFirst = 0;
    g_heicSliceCount = 0;
}
