#include "huffman_table_check.h"

namespace {

constexpr int kCodeLengths = 16;
constexpr int kTableHeader = 1 + kCodeLengths;
constexpr int kMaxDcSize = 11;
constexpr int kMaxAcSize = 10;

bool countsFitCodeSpace(const quint8* counts, int& symbolCount)
{
    qint64 nextCode = 0;
    symbolCount = 0;
    for (int length = 1; length <= kCodeLengths; ++length) {
        nextCode = nextCode * 2 + counts[length - 1];
        symbolCount += counts[length - 1];
        if (nextCode >= (qint64(1) << length))
            return false;
    }
    return symbolCount > 0;
}

} // namespace

bool isUsableHuffmanTable(const quint8* counts, const quint8* symbols, int symbolCount,
                          bool dcClass)
{
    int counted = 0;
    if (!countsFitCodeSpace(counts, counted) || counted != symbolCount)
        return false;
    bool seen[256] = {};
    for (int i = 0; i < symbolCount; ++i) {
        const quint8 symbol = symbols[i];
        const bool legal = dcClass ? symbol <= kMaxDcSize : (symbol & 0x0F) <= kMaxAcSize;
        if (!legal || seen[symbol])
            return false;
        seen[symbol] = true;
    }
    return true;
}

bool isUsableDhtSegment(const quint8* segment, qint64 size)
{
    qint64 p = 4;
    if (size < p + kTableHeader)
        return false;
    bool defined[2][4] = {};
    while (p < size) {
        if (p + kTableHeader > size)
            return false;
        const quint8 classAndDestination = segment[p];
        const int tableClass = classAndDestination >> 4;
        const int destination = classAndDestination & 0x0F;
        // No encoder defines one destination twice in a segment: the second
        // is a garbled class byte.
        if (tableClass > 1 || destination > 3 || defined[tableClass][destination])
            return false;
        defined[tableClass][destination] = true;
        const quint8* counts = segment + p + 1;
        int symbolCount = 0;
        if (!countsFitCodeSpace(counts, symbolCount) || p + kTableHeader + symbolCount > size)
            return false;
        if (!isUsableHuffmanTable(counts, segment + p + kTableHeader, symbolCount, tableClass == 0))
            return false;
        p += kTableHeader + symbolCount;
    }
    return p == size;
}
