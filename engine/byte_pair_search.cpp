#include "byte_pair_search.h"

#include <QtAlgorithms>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define PICTAVO_PAIR_SSE2 1
#endif

namespace {

bool matches(const quint8* at, const BytePair& pair)
{
    if (at[0] != pair.first)
        return false;
    switch (pair.rule) {
    case BytePair::SecondIs:
        return at[1] == pair.second;
    case BytePair::SecondIsNot:
        return at[1] != pair.second;
    case BytePair::AnySecond:
        return true;
    }
    return false;
}

bool matchesOne(const quint8* at, const BytePair* pairs, int count)
{
    for (int i = 0; i < count; ++i) {
        if (matches(at, pairs[i]))
            return true;
    }
    return false;
}

const quint8* searchBytewise(const quint8* from, const quint8* end, const BytePair* pairs, int count)
{
    while (from < end && !matchesOne(from, pairs, count))
        ++from;
    return from;
}

#ifdef PICTAVO_PAIR_SSE2

// 64 positions are tested per step, as four 16-byte lanes, so a block
// without a pair costs one mask test.
constexpr std::ptrdiff_t kBlock = 64;
constexpr int kLanes = 4;
constexpr int kLaneBytes = 16;

// A pair's bytes repeated over a lane, made once per search.
struct PairLanes {
    __m128i first;
    __m128i second;
    BytePair::Rule rule;
};

// Byte i of the result is FF when a pair starts at lane position i; `after`
// holds the bytes one position further on.
__m128i laneHits(__m128i here, __m128i after, const PairLanes* pairs, int count)
{
    __m128i hits = _mm_setzero_si128();
    for (int i = 0; i < count; ++i) {
        __m128i hit = _mm_cmpeq_epi8(here, pairs[i].first);
        const __m128i same = _mm_cmpeq_epi8(after, pairs[i].second);
        if (pairs[i].rule == BytePair::SecondIs)
            hit = _mm_and_si128(hit, same);
        else if (pairs[i].rule == BytePair::SecondIsNot)
            hit = _mm_andnot_si128(same, hit);
        hits = _mm_or_si128(hits, hit);
    }
    return hits;
}

// Bit i is set when a pair starts at block[i]; reads block[0..64].
quint64 blockHits(const quint8* block, const PairLanes* pairs, int count)
{
    __m128i lanes[kLanes];
    __m128i any = _mm_setzero_si128();
    for (int k = 0; k < kLanes; ++k) {
        const quint8* at = block + k * kLaneBytes;
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1));
        lanes[k] = laneHits(here, after, pairs, count);
        any = _mm_or_si128(any, lanes[k]);
    }
    if (_mm_movemask_epi8(any) == 0)
        return 0;
    quint64 mask = 0;
    for (int k = 0; k < kLanes; ++k)
        mask |= quint64(quint32(_mm_movemask_epi8(lanes[k]))) << (k * kLaneBytes);
    return mask;
}

#endif

} // namespace

int addDistinctPair(BytePair* pairs, int count, const BytePair& pair)
{
    for (int i = 0; i < count; ++i) {
        if (pairs[i].first == pair.first && pairs[i].second == pair.second && pairs[i].rule == pair.rule)
            return count;
    }
    Q_ASSERT(count < kMaxBytePairs);
    pairs[count] = pair;
    return count + 1;
}

const quint8* findBytePair(const quint8* from, const quint8* end, const BytePair* pairs, int count)
{
    Q_ASSERT(count >= 0 && count <= kMaxBytePairs);
#ifdef PICTAVO_PAIR_SSE2
    PairLanes lanes[kMaxBytePairs];
    for (int i = 0; i < count; ++i)
        lanes[i] = {_mm_set1_epi8(char(pairs[i].first)), _mm_set1_epi8(char(pairs[i].second)), pairs[i].rule};
    while (end - from >= kBlock) {
        const quint64 hits = blockHits(from, lanes, count);
        if (hits != 0)
            return from + qCountTrailingZeroBits(hits);
        from += kBlock;
    }
#endif
    return searchBytewise(from, end, pairs, count);
}
