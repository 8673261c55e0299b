// The lookup of a DHT segment laid out as the four typical tables in one
// segment: its length and its code values tell the layout, and the layout
// tells the class bytes and code counts, whatever the damage left of them.
#include "hoffmann.h"

#include "global_state.h"
#include "typical_huffman_tables.h"

#include <array>
#include <cstring>

namespace {

constexpr int kFirstTable = 4;
constexpr int kHeaderSize = 17;
using Layout = std::array<quint8, 420>;

const Layout* const kLayouts[] = {&typical_huffman::kLuminancePairFirstSegment,
                                  &typical_huffman::kChrominancePairFirstSegment,
                                  &typical_huffman::kDcTablesFirstSegment};

// How many of the layout's code values the segment holds in their places,
// and how many values the layout has.
int agreeingValues(const Layout& layout, const quint8* segment, int& values)
{
    int same = 0;
    values = 0;
    for (std::size_t p = kFirstTable; p + kHeaderSize <= layout.size();) {
        int count = 0;
        for (int i = 1; i < kHeaderSize; ++i)
            count += layout[p + std::size_t(i)];
        for (std::size_t v = p + kHeaderSize; v < p + kHeaderSize + std::size_t(count); ++v)
            same += layout[v] == segment[v] ? 1 : 0;
        values += count;
        p += kHeaderSize + std::size_t(count);
    }
    return same;
}

} // namespace

void Hoffmann::MatchStandardLayout(const quint8* dhtSegment, int size)
{
    g_state.dhtReplacementSize = 0;
    if (size != int(Layout().size()))
        return;
    for (const Layout* layout : kLayouts) {
        int values = 0;
        const int same = agreeingValues(*layout, dhtSegment, values);
        // Three in four values in their places: the layout is this one.
        if (4 * same >= 3 * values) {
            std::memcpy(g_state.dhtReplacement, layout->data(), layout->size());
            g_state.dhtReplacementSize = int(layout->size());
            return;
        }
    }
}
