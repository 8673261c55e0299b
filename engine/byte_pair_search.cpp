#include "byte_pair_search.h"

#include <QtAlgorithms>

#include <algorithm>

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
    case BytePair::SecondInRange:
        return at[1] >= pair.second && at[1] <= pair.secondLast;
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
constexpr int kLaneBytes = 16;

__m128i loadLane(const quint8* at)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// Byte i of the result is FF when the pair starts at at[i]. For a range,
// second holds its lowest byte and span its width: a byte lies in the range
// when its distance above the lowest (modulo 256) is at most the width.
template <BytePair::Rule rule>
__m128i laneHits(const quint8* at, __m128i first, __m128i second, __m128i span)
{
    const __m128i isFirst = _mm_cmpeq_epi8(loadLane(at), first);
    if (rule == BytePair::AnySecond)
        return isFirst;
    if (rule == BytePair::SecondInRange) {
        const __m128i above = _mm_sub_epi8(loadLane(at + 1), second);
        return _mm_and_si128(isFirst, _mm_cmpeq_epi8(_mm_min_epu8(above, span), above));
    }
    const __m128i same = _mm_cmpeq_epi8(loadLane(at + 1), second);
    return rule == BytePair::SecondIs ? _mm_and_si128(isFirst, same) : _mm_andnot_si128(same, isFirst);
}

// Bit 16 * k + i is set when byte i of lane k is FF. Written out lane by
// lane so the four stay in registers.
quint64 blockMask(__m128i lane0, __m128i lane1, __m128i lane2, __m128i lane3)
{
    const __m128i any = _mm_or_si128(_mm_or_si128(lane0, lane1), _mm_or_si128(lane2, lane3));
    if (_mm_movemask_epi8(any) == 0)
        return 0;
    return quint64(quint32(_mm_movemask_epi8(lane0))) | quint64(quint32(_mm_movemask_epi8(lane1))) << 16
        | quint64(quint32(_mm_movemask_epi8(lane2))) << 32 | quint64(quint32(_mm_movemask_epi8(lane3))) << 48;
}

// Pairs whose second byte must equal theirs, repeated over lanes once per
// search: N of them are tested on one load of the block.
template <int N>
struct SecondIsLanes {
    __m128i first[N];
    __m128i second[N];
};

template <int N>
__m128i pairsLaneHits(const quint8* at, const SecondIsLanes<N>& pairs)
{
    const __m128i here = loadLane(at);
    const __m128i after = loadLane(at + 1);
    __m128i hits = _mm_setzero_si128();
    for (int i = 0; i < N; ++i)
        hits = _mm_or_si128(hits, _mm_and_si128(_mm_cmpeq_epi8(here, pairs.first[i]),
                                                _mm_cmpeq_epi8(after, pairs.second[i])));
    return hits;
}

// Bit i is set when one of the pairs starts at block[i]; reads block[0..64].
template <int N>
quint64 pairsBlockHits(const quint8* block, const SecondIsLanes<N>& pairs)
{
    return blockMask(pairsLaneHits(block, pairs), pairsLaneHits(block + kLaneBytes, pairs),
                     pairsLaneHits(block + 2 * kLaneBytes, pairs), pairsLaneHits(block + 3 * kLaneBytes, pairs));
}

// The same for one pair whose rule is fixed at compile time, so the common
// searches (a start or end marker, a marker byte) run without branches.
template <BytePair::Rule rule>
quint64 onePairBlockHits(const quint8* block, __m128i first, __m128i second, __m128i span)
{
    return blockMask(laneHits<rule>(block, first, second, span),
                     laneHits<rule>(block + kLaneBytes, first, second, span),
                     laneHits<rule>(block + 2 * kLaneBytes, first, second, span),
                     laneHits<rule>(block + 3 * kLaneBytes, first, second, span));
}

// Steps through whole blocks while blockHits finds nothing in them, then
// finishes byte by byte.
template <typename BlockHits>
const quint8* searchBlocks(const quint8* from, const quint8* end, const BytePair* pairs, int count,
                           BlockHits blockHits)
{
    while (end - from >= kBlock) {
        const quint64 hits = blockHits(from);
        if (hits != 0)
            return from + qCountTrailingZeroBits(hits);
        from += kBlock;
    }
    return searchBytewise(from, end, pairs, count);
}

template <BytePair::Rule rule>
const quint8* findOnePair(const quint8* from, const quint8* end, const BytePair& pair)
{
    const __m128i first = _mm_set1_epi8(char(pair.first));
    const __m128i second = _mm_set1_epi8(char(pair.second));
    const __m128i span = _mm_set1_epi8(char(quint8(pair.secondLast - pair.second)));
    return searchBlocks(from, end, &pair, 1, [first, second, span](const quint8* block) {
        return onePairBlockHits<rule>(block, first, second, span);
    });
}

template <int N>
const quint8* findPairs(const quint8* from, const quint8* end, const BytePair* pairs)
{
    SecondIsLanes<N> lanes;
    for (int i = 0; i < N; ++i) {
        lanes.first[i] = _mm_set1_epi8(char(pairs[i].first));
        lanes.second[i] = _mm_set1_epi8(char(pairs[i].second));
    }
    return searchBlocks(from, end, pairs, N, [&lanes](const quint8* block) { return pairsBlockHits(block, lanes); });
}

// The searches the program makes: one pair of any rule, or a few pairs that
// each name their second byte. Anything else goes byte by byte.
const quint8* findInBlocks(const quint8* from, const quint8* end, const BytePair* pairs, int count)
{
    if (count == 1) {
        switch (pairs[0].rule) {
        case BytePair::SecondIs:
            return findOnePair<BytePair::SecondIs>(from, end, pairs[0]);
        case BytePair::SecondIsNot:
            return findOnePair<BytePair::SecondIsNot>(from, end, pairs[0]);
        case BytePair::AnySecond:
            return findOnePair<BytePair::AnySecond>(from, end, pairs[0]);
        case BytePair::SecondInRange:
            if (pairs[0].secondLast < pairs[0].second)
                return std::max(from, end); // an empty range matches nothing
            return findOnePair<BytePair::SecondInRange>(from, end, pairs[0]);
        }
    }
    const bool secondsNamed = std::all_of(pairs, pairs + count, [](const BytePair& p) { return p.rule == BytePair::SecondIs; });
    if (secondsNamed) {
        switch (count) {
        case 2:
            return findPairs<2>(from, end, pairs);
        case 3:
            return findPairs<3>(from, end, pairs);
        case 4:
            return findPairs<4>(from, end, pairs);
        default:
            break;
        }
    }
    return searchBytewise(from, end, pairs, count);
}

#endif

} // namespace

void addDistinctPair(BytePairs& pairs, const BytePair& pair)
{
    if (std::find(pairs.cbegin(), pairs.cend(), pair) == pairs.cend())
        pairs.append(pair);
}

const quint8* findBytePair(const quint8* from, const quint8* end, const BytePair* pairs, int count)
{
#ifdef PICTAVO_PAIR_SSE2
    return findInBlocks(from, end, pairs, count);
#else
    return searchBytewise(from, end, pairs, count);
#endif
}
