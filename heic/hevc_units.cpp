#include "hevc_units.h"

#include "file_window.h"
#include "global_state.h"
#include "heic_state.h"
#include "jpg_repair.h"

#include <algorithm>
#include <iterator>

namespace {

// Only a few bytes are read per unit; a small window keeps the jumps cheap.
constexpr std::size_t kChainWindow = 4096;
constexpr quint64 kMaxPos = 0xFFFFFFFFu;
constexpr int kStoredSizes = int(sizeof(jpg_repair::m_nalSizes) / sizeof(qint32));

bool stopRequested()
{
    return g_state.stopRequested.load(std::memory_order_relaxed) != 0;
}

} // namespace

bool isSliceStartWord(quint32 word)
{
    return std::find(std::begin(kSliceStartWords), std::end(kSliceStartWords), word)
        != std::end(kSliceStartWords);
}

quint32 readLength(FileWindow& file, quint64 pos, char bigEndian)
{
    if (pos > kMaxPos)
        return 0;
    return bigEndian == 1 ? file.be32(qint64(pos)) : file.le32(qint64(pos));
}

FirstSlice findFirstSlice(FileWindow& file, quint32 size, bool pollStop)
{
    FirstSlice first;
    const WordScanHit hit = scanForWords(file, 0, size,
        {kSliceStartWords[0], kSliceStartWords[1], kSliceStartWords[2], kSliceStartWords[3],
         kSliceStartWords[4]},
        pollStop);
    first.stopped = hit.status == WordScanHit::Stopped;
    if (hit.found() && hit.pos >= 4) {
        first.found = true;
        first.prefixPos = hit.pos - 4;
    }
    return first;
}

bool walkUnitChain(FileWindow& file, quint32 firstPrefix, quint32 size, char bigEndian,
                   bool pollStop, quint32* lastPos,
                   const std::function<bool(quint32, quint32)>& onSlice)
{
    quint64 q = firstPrefix;
    quint32 length = 0;
    bool completed = true;
    for (;;) {
        if (pollStop && stopRequested()) {
            completed = false;
            break;
        }
        if (q + length + 4 > kMaxPos)
            break;
        const quint64 prefix = q + length;
        length = readLength(file, prefix, bigEndian);
        q = prefix + 4;
        if (lastPos)
            *lastPos = quint32(q);
        if (isSliceStartWord(file.be32(qint64(q))) && !onSlice(quint32(prefix), length))
            break;
        if (q > size)
            break;
    }
    return completed;
}

bool countHevcSlices(jpg_repair& repair, FILE* file)
{
    std::fill(std::begin(repair.m_nalSizes), std::end(repair.m_nalSizes), 0);
    repair.m_nalIndex = 0;
    g_heicSliceCount = 0;
    FileWindow window(file, kChainWindow);
    const quint32 size = quint32(window.size());
    repair.m_heicFileSize = size;
    repair.m_heicPos = 0;
    const FirstSlice first = findFirstSlice(window, size, true);
    if (first.stopped)
        return false;
    if (!first.found)
        return true;
    return walkUnitChain(window, first.prefixPos, size, char(repair.m_bigEndian), true,
        &repair.m_heicPos, [&repair](quint32, quint32 length) {
            if (repair.m_nalIndex < kStoredSizes)
                repair.m_nalSizes[repair.m_nalIndex++] = qint32(length + 4);
            ++g_heicSliceCount;
            return true;
        });
}

bool hevcSlicesAreContiguous(FILE* file, int slices, char bigEndian)
{
    FileWindow window(file, kChainWindow);
    const quint32 size = quint32(window.size());
    const FirstSlice first = findFirstSlice(window, size, true);
    if (!first.found || first.stopped)
        return false;
    quint64 expected = first.prefixPos;
    int seen = 0;
    bool contiguous = true;
    walkUnitChain(window, first.prefixPos, size, bigEndian, false, nullptr,
        [&](quint32 prefixPos, quint32 length) {
            if (seen == slices)
                return false;
            contiguous = prefixPos == expected && expected + 4 + length <= size;
            expected += quint64(length) + 4;
            ++seen;
            return contiguous;
        });
    return contiguous && seen == slices;
}
