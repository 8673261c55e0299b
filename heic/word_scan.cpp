#include "word_scan.h"

#include "byte_pair_search.h"
#include "file_window.h"
#include "global_state.h"

#include <algorithm>
#include <vector>

namespace {

constexpr quint32 kBlock = 256 * 1024;

quint32 wordAt(const quint8* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// The distinct first two bytes of the words, so the search can jump between
// the places where a word can begin.
BytePairs leadingPairs(std::initializer_list<quint32> words)
{
    BytePairs pairs;
    for (const quint32 word : words)
        addDistinctPair(pairs, {quint8(word >> 24), quint8(word >> 16), BytePair::SecondIs});
    return pairs;
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
    const BytePairs pairs = leadingPairs(words);
    if (pairs.isEmpty())
        return WordScanHit::NotFound;
    std::vector<quint8> buffer(kBlock + 3);
    for (quint64 start = from; start < limit; start += kBlock) {
        if (pollStop && g_state.stopRequested.load(std::memory_order_relaxed))
            return WordScanHit::Stopped;
        const std::size_t positions = std::size_t(std::min<quint64>(kBlock, limit - start));
        file.read(qint64(start), buffer.data(), positions + 3);
        const quint8* const data = buffer.data();
        const quint8* const end = data + positions;
        for (const quint8* at = findBytePair(data, end, pairs.constData(), pairs.size()); at < end;
             at = findBytePair(at + 1, end, pairs.constData(), pairs.size())) {
            const quint32 value = wordAt(at);
            if (isOneOf(value, words) && !onMatch(quint32(start + quint64(at - data)), value))
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
