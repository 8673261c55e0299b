#pragma once

#include "heic_state.h"

#include <QtGlobal>

// What the new iloc box of a rebuilt file holds for one combination of
// capture layout, box order and source item count E.
struct IlocPlan {
    quint16 itemCount = 0;
    quint16 tiles = 0;     // tile items 1 .. tiles
    quint16 gridId = 0;
};

// Size of the iloc box of a plan: its header and one 16-byte item (one
// extent with 4-byte offset and length) for each tile and for the grid.
constexpr quint32 ilocBoxSize(const IlocPlan& plan)
{
    return 16u * (quint32(plan.tiles) + 2u);
}

// The layout that the rebuild uses for a box order: the first layout of that
// order, in the rebuild's order of preference, whose flag is set in the repair
// state. False when there is none.
bool chooseHeicVariant(HeicBoxLayout order, HeicTileLayout* layout);

// The iloc plan of a layout for the source's item count E and the damaged
// file's slice count; false when the layout does not accept E or when the
// items that E gives cannot be filled by the slices the data copy appends.
bool planHeicIloc(HeicTileLayout layout, int entryCount, int sliceCount, IlocPlan* plan);
