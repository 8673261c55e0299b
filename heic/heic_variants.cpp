#include "heic_variants.h"

#include "global_state.h"

#include <algorithm>
#include <iterator>

namespace {

enum class TileRule {
    Fixed,          // every value from the row
    FromEntryCount, // item_count and grid E - 2, tiles E - 3
    FromSliceCount, // tiles = slices
};

struct HeicVariant {
    HeicTileLayout layout;
    quint16 accepted[5]; // accepted item counts E; 0 ends the list
    TileRule rule;
    quint16 itemCount;
    quint16 tiles;
    quint16 gridId;
};

using L = HeicTileLayout;

// In each box order's order of preference.
const HeicVariant kMetaFirstVariants[] = {
    {L::standard, {51, 52, 53, 54, 55}, TileRule::Fixed, 49, 48, 49},
    {L::nine_ratio_Sixteen, {43, 44, 45}, TileRule::Fixed, 41, 40, 41},
    {L::selfie_nine_ratio_Sixteen, {31, 33}, TileRule::Fixed, 29, 28, 29},
    {L::standard_selfie, {9}, TileRule::FromSliceCount, 7, 0, 7},
    {L::standard_selfie, {38, 39, 40, 52}, TileRule::FromSliceCount, 36, 0, 36},
    {L::square_Iphone_OR_selfieThreeRatioFour_Android, {39, 40, 41}, TileRule::Fixed, 37, 36, 37},
    {L::square_selfieIphone_OR_FullPhotoAndroid, {28, 30}, TileRule::Fixed, 26, 25, 26},
};

const HeicVariant kMdatFirstVariants[] = {
    {L::Three_RatioFour, {51, 73}, TileRule::FromEntryCount, 0, 0, 0},
    {L::selfie_Three_Ratio_Four, {33, 38}, TileRule::FromEntryCount, 0, 0, 0},
    {L::one_Ratio_one, {39, 52}, TileRule::FromEntryCount, 0, 0, 0},
    {L::selfie_one_ratio_one, {28}, TileRule::Fixed, 26, 25, 26},
    {L::Nine_Ratio_Sixteen, {43, 63}, TileRule::FromEntryCount, 0, 0, 0},
    {L::selfie_Nine_ratio_Sixteen, {31}, TileRule::Fixed, 29, 28, 29},
    {L::FullPhoto, {27, 35, 53}, TileRule::FromEntryCount, 0, 0, 0},
    {L::FullPhoto_selfie, {24}, TileRule::Fixed, 22, 21, 22},
    {L::High_MP_Camera, {269, 435}, TileRule::FromEntryCount, 0, 0, 0},
    {L::selfie_four_ratio_five, {45}, TileRule::Fixed, 43, 42, 43},
};

bool accepts(const HeicVariant& variant, int entryCount)
{
    return entryCount != 0
        && std::find(std::begin(variant.accepted), std::end(variant.accepted), entryCount)
        != std::end(variant.accepted);
}

// The plan of a row for the source's E and the damaged file's slice count.
// Every tile must have a slice that the data copy appends (all of them
// meta-first, all but the last mdat-first). False when the row's items
// cannot describe those slices.
bool planFor(const HeicVariant& v, int entryCount, int sliceCount, IlocPlan* plan)
{
    switch (v.rule) {
    case TileRule::Fixed:
        *plan = {v.itemCount, v.tiles, v.gridId};
        return true;
    case TileRule::FromEntryCount:
        if (sliceCount < entryCount - 2)
            return false;
        *plan = {quint16(entryCount - 2), quint16(entryCount - 3), quint16(entryCount - 2)};
        return true;
    case TileRule::FromSliceCount:
        if (sliceCount + 1 != v.itemCount)
            return false;
        *plan = {v.itemCount, quint16(sliceCount), v.gridId};
        return true;
    }
    return false;
}

template <std::size_t N>
bool layoutOf(const HeicVariant (&variants)[N], HeicTileLayout* layout)
{
    for (const HeicVariant& variant : variants) {
        if (g_state.heicLayoutFlags[int(variant.layout)]) {
            *layout = variant.layout;
            return true;
        }
    }
    return false;
}

template <std::size_t N>
bool planOf(const HeicVariant (&variants)[N], HeicTileLayout layout, int entryCount,
            int sliceCount, IlocPlan* plan)
{
    for (const HeicVariant& variant : variants) {
        if (variant.layout == layout && accepts(variant, entryCount))
            return planFor(variant, entryCount, sliceCount, plan);
    }
    return false;
}

} // namespace

bool chooseHeicVariant(HeicBoxLayout order, HeicTileLayout* layout)
{
    return order == HeicBoxLayout::MetaFirst ? layoutOf(kMetaFirstVariants, layout)
                                             : layoutOf(kMdatFirstVariants, layout);
}

bool planHeicIloc(HeicTileLayout layout, int entryCount, int sliceCount, IlocPlan* plan)
{
    return planOf(kMetaFirstVariants, layout, entryCount, sliceCount, plan)
        || planOf(kMdatFirstVariants, layout, entryCount, sliceCount, plan);
}
