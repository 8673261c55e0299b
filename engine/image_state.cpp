#include "image_state.h"

#include "global_state.h"
#include "segment_lists.h"

namespace {

void freeStrayMarkers()
{
    g_state.strayMarkerCursor = g_state.strayMarkerHead;
    while (g_state.strayMarkerCursor) {
        OffsetNode* next = g_state.strayMarkerCursor->next;
        delete g_state.strayMarkerCursor;
        g_state.strayMarkerCursor = next;
    }
    g_state.strayMarkerHead = nullptr;
}

void resetImageTables()
{
    g_state.dqtSearchPending = 1;
    g_state.dhtSegmentCount = 0;
    g_state.dqtLength = 0;
    g_state.dqtSegmentCount = 0;
    g_state.dqtIndex = 0;
    for (qint32& offset : g_state.dhtTableOffset)
        offset = 0;
    g_state.dhtReplacementSize = 0;
    g_state.dqtTwoFilled = 0;
    g_state.dqtThreeFilled = 0;
    for (auto& row : g_state.dqtSignature)
        row[0] = 0;
}

} // namespace

void resetForNextImage()
{
    freeStrayMarkers();
    resetImageTables();
}
