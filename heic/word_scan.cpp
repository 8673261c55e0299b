#include "word_scan.h"

#include "file_window.h"
#include "global_state.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr quint32 kBlock = 256 * 1024;

quint32 wordAt(const quint8* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// Index of a byte that all words share, so the search can jump between its
// occurrences; -1 when they share none.
int sharedByteIndex(std::initializer_list<quint32> words)
{
    for (int index = 0; index < 4; ++index) {
        const int shift = 24 - 8 * index;
        const quint32 first = (*words.begin() >> shift) & 0xFF;
        const bool shared = std::all_of(words.begin(), words.end(),
            [&](quint32 w) { return ((w >> shift) & 0xFF) == first; });
        if (shared)
            return index;
    }
    return -1;
}

bool isOneOf(quint32 value, std::initializer_list<quint32> words)
{
    return std::find(words.begin(), words.end(), value) != words.end();
}

} // namespace

WordScanHit::Status scanEachWord(FileWindow& file, quint32 from, quint32 limit,
                                 std::initializer_list<quint32> words, bool pollStop,
                                 const std::function<bool(quint32, quint32)>& onMatch)
{
    if (words.size() == 0)
        return WordScanHit::NotFound;
    const int keyIndex = sharedByteIndex(words);
    const quint8 key = keyIndex < 0 ? 0 : quint8(*words.begin() >> (24 - 8 * keyIndex));
    std::vector<quint8> buffer(kBlock + 3);
    for (quint64 start = from; start < limit; start += kBlock) {
        if (pollStop && g_state.stopRequested.load(std::memory_order_relaxed))
            return WordScanHit::Stopped;
        const std::size_t positions = std::size_t(std::min<quint64>(kBlock, limit - start));
        file.read(qint64(start), buffer.data(), positions + 3);
        const quint8* data = buffer.data();
        for (std::size_t i = 0; i < positions; ++i) {
            if (keyIndex >= 0) {
                const void* next = std::memchr(data + i + keyIndex, key, positions - i);
                if (!next)
                    break;
                i = std::size_t(static_cast<const quint8*>(next) - data) - std::size_t(keyIndex);
            }
            const quint32 value = wordAt(data + i);
            if (isOneOf(value, words) && !onMatch(quint32(start + i), value))
                return WordScanHit::Found;
        }
    }
    return WordScanHit::NotFound;
}

WordScanHit scanForWords(FileWindow& file, quint32 from, quint32 limit,
                         std::initializer_list<quint32> words, bool pollStop)
{
    WordScanHit hit;
    hit.status = scanEachWord(file, from, limit, words, pollStop, [&hit](quint32 pos, quint32 word) {
        hit.pos = pos;
        hit.word = word;
        return false;
    });
    return hit;
}
