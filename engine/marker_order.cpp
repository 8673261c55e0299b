#include "marker_order.h"

#include "global_state.h"
#include "jpeg_markers.h"
#include "segment_lists.h"

namespace {

// Passes the first image: its SOI, everything up to its first SOS, then
// everything up to the first EOI after that. A list not starting with SOI
// has no first image to pass, so the whole list is passed and nothing is
// left to check.
template <typename Node>
const Node* afterFirstImage(const Node* node)
{
    if (!node || node->marker != jpeg::kSOI)
        return nullptr;
    node = node->next;
    while (node && node->marker != jpeg::kSOS)
        node = node->next;
    if (!node)
        return nullptr;
    node = node->next;
    while (node && node->marker != jpeg::kEOI)
        node = node->next;
    return node ? node->next : nullptr;
}

bool isTableRunMarker(quint16 marker)
{
    return marker == jpeg::kDQT || jpeg::isRepairableFrame(marker) || marker == jpeg::kDHT
        || marker == jpeg::kDAC || marker == jpeg::kDRI || marker == jpeg::kCOM;
}

// Length field of a DQT segment holding one table of 16-bit values, as an
// extended sequential frame may have beside its 8-bit tables.
constexpr quint16 kOneWideTableDqt = 2 + 1 + 128;

// A one-table DQT must come with as many one-table DQT segments as the third
// component's selector asks for: the recorded 8-bit ones and the 16-bit ones
// of the list.
bool oneTableRuleHolds(quint16 length, int wideTables)
{
    const int selector = g_state.thirdComponentTable;
    if (length != 67 || selector > 2)
        return true;
    return g_state.dqtSegmentCount + wideTables == selector + 1;
}

template <typename Node>
int wideTableSegments(const Node* node)
{
    int count = 0;
    for (; node; node = node->next)
        count += node->marker == jpeg::kDQT && node->length == kOneWideTableDqt ? 1 : 0;
    return count;
}

struct Notes {
    bool dqt = false;
    bool sof = false;
    bool dht = false;
    bool arithmetic = false; // an arithmetic-coded frame needs no DHT
    int wideTables = 0;      // one-table DQT segments of 16-bit values

    bool readyForScan() const { return dqt && sof && (dht || arithmetic); }
};

// Handles one node of a table run; false when it makes the list unusable.
template <typename Node>
bool acceptTableNode(const Node* node, Notes& notes)
{
    const quint16 marker = node->marker;
    if (marker == jpeg::kCOM)
        return true;
    if (jpeg::isRepairableFrame(marker)) {
        notes.sof = true;
        notes.arithmetic = jpeg::isArithmeticFrame(marker);
    } else if (marker == jpeg::kDHT) {
        notes.dht = true;
    } else if (marker == jpeg::kDQT) {
        notes.dqt = true;
    }
    if (node->length == 0)
        return false;
    return marker != jpeg::kDQT || oneTableRuleHolds(node->length, notes.wideTables);
}

template <typename Node>
unsigned int checkFrom(const Node* cursor)
{
    if (!cursor)
        return 0;
    Notes notes;
    notes.wideTables = wideTableSegments(cursor);
    bool soiTaken = false;
    for (;;) {
        if (!soiTaken && cursor && cursor->marker == jpeg::kSOI) {
            soiTaken = true;
            cursor = cursor->next;
        }
        while (cursor && jpeg::isApp(cursor->marker))
            cursor = cursor->next;
        while (cursor && isTableRunMarker(cursor->marker)) {
            if (!acceptTableNode(cursor, notes))
                return 0;
            cursor = cursor->next;
        }
        if (notes.readyForScan() && cursor && cursor->marker == jpeg::kSOS)
            return 1;
        if (!cursor)
            return 0;
        cursor = cursor->next;
        if (!cursor)
            return 0;
    }
}

} // namespace

unsigned int IsSegmentOrderValid(const SegmentNode* head, int image)
{
    const bool skipFirst = image == 1 && g_state.skipFirstImageOff == 0;
    return checkFrom(skipFirst ? afterFirstImage(head) : head);
}

unsigned int IsEmbeddedSegmentOrderValid(const EmbeddedSegmentNode* head)
{
    return checkFrom(head);
}
