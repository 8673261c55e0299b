#pragma once

#include "byte_pair_search.h"

#include <QtGlobal>

#include <array>
#include <vector>

// Where one two-byte pair occurs in a stretch of the file that a search has
// gone over, with the bytes that follow each place. A later search for the
// same pair (a format that looks for one JPEG start and then, in its
// fallback, for another) takes them from here instead of reading the
// stretch again. A pair seen too often is no longer recorded.
class PairSightings {
public:
    static constexpr int kBytesKept = 16;
    static constexpr std::size_t kMaxSightings = 32 * 1024;

    struct Sighting {
        quint64 pos;
        std::array<quint8, kBytesKept> bytes; // from pos on, as the file holds them
    };

    explicit PairSightings(const BytePair& pair) : m_pair(pair) {}

    bool isFor(const BytePair& pair) const { return pair == m_pair; }
    // pos lies in the stretch gone over.
    bool covers(quint64 pos) const { return usable() && pos >= m_start && pos < m_end; }
    // The stretch begins after pos: a search from pos reaches it at start().
    bool beginsAfter(quint64 pos) const { return usable() && pos < m_start; }
    quint64 start() const { return m_start; }
    quint64 end() const { return m_end; }
    // A search that goes over the file from pos on can extend the stretch.
    bool extendsAt(quint64 pos) const { return !m_overflowed && (isEmpty() || pos == m_end); }

    // The first sighting at or after from, then the next ones in file order
    // up to sightingsEnd().
    const Sighting* firstAtOrAfter(quint64 from) const;
    const Sighting* sightingsEnd() const { return m_sightings.data() + m_sightings.size(); }

    // Records a place of the pair that the search going on has met; at
    // holds the bytes from there on (kBytesKept of them readable).
    void add(quint64 pos, const quint8* at);
    // Every place of the pair in [from, end) is recorded: the stretch grows
    // to end (and starts at from when it was empty).
    void extendTo(quint64 from, quint64 end);

private:
    bool isEmpty() const { return m_start == m_end; }
    bool usable() const { return !m_overflowed && !isEmpty(); }

    BytePair m_pair;
    quint64 m_start = 0;
    quint64 m_end = 0;
    std::vector<Sighting> m_sightings;
    bool m_overflowed = false;
};
