#include "pair_sightings.h"

#include <algorithm>
#include <cstring>

const PairSightings::Sighting* PairSightings::firstAtOrAfter(quint64 from) const
{
    return std::lower_bound(m_sightings.data(), sightingsEnd(), from,
                            [](const Sighting& sighting, quint64 pos) { return sighting.pos < pos; });
}

void PairSightings::add(quint64 pos, const quint8* at)
{
    if (m_overflowed)
        return;
    if (m_sightings.size() == kMaxSightings) {
        m_overflowed = true;
        std::vector<Sighting>().swap(m_sightings);
        return;
    }
    Sighting sighting;
    sighting.pos = pos;
    std::memcpy(sighting.bytes.data(), at, sighting.bytes.size());
    m_sightings.push_back(sighting);
}

void PairSightings::extendTo(quint64 from, quint64 end)
{
    if (m_overflowed)
        return;
    if (isEmpty())
        m_start = from;
    m_end = end;
}
