#pragma once

#include <QVarLengthArray>
#include <QtGlobal>

// Two adjacent bytes a search looks for: `first`, then a byte that relates
// to `second` as `rule` says.
struct BytePair {
    enum Rule : quint8 {
        SecondIs, // the next byte equals second
        SecondIsNot, // the next byte differs from second (FF not followed by 00)
        AnySecond, // only the first byte counts
        SecondInRange, // second <= the next byte <= secondLast (a range of marker codes)
    };
    quint8 first = 0;
    quint8 second = 0;
    Rule rule = SecondIs;
    quint8 secondLast = 0; // only for SecondInRange
};

inline bool operator==(const BytePair& a, const BytePair& b)
{
    return a.first == b.first && a.second == b.second && a.rule == b.rule && a.secondLast == b.secondLast;
}

// The pairs of one search; a search for one to four pairs whose second
// bytes are named (or for one pair of any rule) tests 64 positions a step.
using BytePairs = QVarLengthArray<BytePair, 4>;

// Appends pair unless one of pairs is the same.
void addDistinctPair(BytePairs& pairs, const BytePair& pair);

// First position p in [from, end) where p[0] and p[1] form one of the
// `count` pairs, or end when there is none. Testing both bytes at once keeps
// the search at memory speed however often the first byte alone occurs
// (runs of FF in erased or clipped data). The byte at end must be readable,
// since a pair may start at end - 1.
const quint8* findBytePair(const quint8* from, const quint8* end, const BytePair* pairs, int count);
