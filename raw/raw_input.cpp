#include "raw_input.h"

#include "file_open.h"
#include "global_state.h"

#include <algorithm>
#include <cstring>

namespace {

// Positions in the formats are 32-bit: a file this large cannot be addressed.
constexpr qint64 kLargestFile = qint64(0xFFFFFFFFu);

// The distinct two-byte beginnings of the patterns (a one-byte pattern
// matches whatever follows it).
BytePairs leadingPairs(const BytePatterns& patterns)
{
    BytePairs pairs;
    for (const QByteArray& pattern : patterns) {
        Q_ASSERT(!pattern.isEmpty() && pattern.size() <= RawInput::kMaxPatternLength);
        const bool two = pattern.size() > 1;
        addDistinctPair(pairs, {quint8(pattern.at(0)), two ? quint8(pattern.at(1)) : quint8(0),
                                two ? BytePair::SecondIs : BytePair::AnySecond});
    }
    return pairs;
}

bool startsOne(const quint8* at, const BytePatterns& patterns)
{
    return std::any_of(patterns.begin(), patterns.end(), [at](const QByteArray& pattern) {
        return std::memcmp(at, pattern.constData(), std::size_t(pattern.size())) == 0;
    });
}

static_assert(PairSightings::kBytesKept >= RawInput::kMaxPatternLength,
              "a sighting keeps the bytes of the longest pattern");

// First sighting in [from, to) where one of the patterns begins, or -1.
qint64 findAmongSightings(const PairSightings& sightings, quint64 from, quint64 to, const BytePatterns& patterns)
{
    for (const PairSightings::Sighting* it = sightings.firstAtOrAfter(from);
         it != sightings.sightingsEnd() && it->pos < to; ++it) {
        if (startsOne(it->bytes.data(), patterns))
            return qint64(it->pos);
    }
    return -1;
}

} // namespace

QByteArray bytesOf(std::initializer_list<quint8> values)
{
    QByteArray bytes;
    bytes.reserve(int(values.size()));
    for (const quint8 value : values)
        bytes.append(char(value));
    return bytes;
}

bool extractionStopped()
{
    return g_state.stopRequested.load(std::memory_order_relaxed) != 0;
}

RawInput::RawInput() : m_window(std::make_unique<FileWindow>(nullptr)) {}

RawInput::~RawInput()
{
    m_window.reset();
    if (m_file)
        std::fclose(m_file);
}

bool RawInput::open(const QString& path)
{
    m_file = platform::openFile(path, "rb");
    if (!m_file)
        return false;
    m_window = std::make_unique<FileWindow>(m_file);
    if (m_window->size() > kLargestFile) {
        m_window = std::make_unique<FileWindow>(nullptr);
        return false;
    }
    m_size = quint64(m_window->size());
    return true;
}

void RawInput::read(quint64 pos, void* dst, std::size_t length)
{
    m_window->read(qint64(pos), dst, length);
}

quint16 RawInput::be16(quint64 pos)
{
    return m_window->be16(qint64(pos));
}

quint32 RawInput::be32(quint64 pos)
{
    return m_window->be32(qint64(pos));
}

quint16 RawInput::le16(quint64 pos)
{
    return m_window->le16(qint64(pos));
}

quint32 RawInput::le32(quint64 pos)
{
    return m_window->le32(qint64(pos));
}

quint16 RawInput::u16(quint64 pos)
{
    return m_bigEndian ? be16(pos) : le16(pos);
}

quint32 RawInput::u32(quint64 pos)
{
    return m_bigEndian ? be32(pos) : le32(pos);
}

bool RawInput::bytesAre(quint64 pos, const QByteArray& bytes)
{
    QByteArray found(bytes.size(), '\0');
    read(pos, found.data(), std::size_t(found.size()));
    return found == bytes;
}

const quint8* RawInput::scanBytesAt(quint64 pos)
{
    const bool inside = m_scanFilled && pos >= m_scanStart && pos < m_scanStart + kScanChunk;
    if (!inside) {
        m_scan.resize(kScanChunk + kMaxPatternLength);
        read(pos, m_scan.data(), m_scan.size());
        m_scanStart = pos;
        m_scanFilled = true;
    }
    return m_scan.data() + (pos - m_scanStart);
}

qint64 RawInput::find(quint64 from, const BytePatterns& patterns, StopPolling polling)
{
    return find(from, m_size, patterns, polling);
}

PairSightings& RawInput::sightingsOf(const BytePair& pair)
{
    for (PairSightings& sightings : m_sightings) {
        if (sightings.isFor(pair))
            return sightings;
    }
    m_sightings.emplace_back(pair);
    return m_sightings.back();
}

qint64 RawInput::find(quint64 from, quint64 to, const BytePatterns& patterns, StopPolling polling)
{
    const BytePairs pairs = leadingPairs(patterns);
    if (pairs.isEmpty())
        return -1;
    // A search for one pair learns where it occurs, or uses what an earlier
    // one learnt.
    PairSightings* sightings = pairs.size() == 1 ? &sightingsOf(pairs[0]) : nullptr;
    to = std::min(to, m_size);
    quint64 pos = from;
    while (pos < to) {
        if (polling == StopPolling::Poll && extractionStopped())
            return -1;
        if (sightings && sightings->covers(pos)) {
            const quint64 stretchEnd = std::min(to, sightings->end());
            const qint64 found = findAmongSightings(*sightings, pos, stretchEnd, patterns);
            if (found >= 0)
                return found;
            pos = stretchEnd;
            continue;
        }
        const quint8* bytes = scanBytesAt(pos);
        quint64 stop = std::min(to, m_scanStart + kScanChunk);
        if (sightings && sightings->beginsAfter(pos))
            stop = std::min(stop, sightings->start());
        PairSightings* learning = sightings && sightings->extendsAt(pos) ? sightings : nullptr;
        const ChunkSearch search{pos, stop, &pairs};
        const qint64 found = findInChunk(search, bytes, patterns, learning);
        if (found >= 0)
            return found;
        pos = stop;
    }
    return -1;
}

qint64 RawInput::findInChunk(const ChunkSearch& search, const quint8* bytes, const BytePatterns& patterns,
                             PairSightings* learning)
{
    const quint8* const end = bytes + (search.to - search.from);
    const BytePair* pairs = search.pairs->constData();
    const int pairCount = search.pairs->size();
    for (const quint8* cursor = findBytePair(bytes, end, pairs, pairCount); cursor < end;
         cursor = findBytePair(cursor + 1, end, pairs, pairCount)) {
        const quint64 at = search.from + quint64(cursor - bytes);
        if (learning)
            learning->add(at, cursor);
        if (startsOne(cursor, patterns)) {
            if (learning)
                learning->extendTo(search.from, at + 1);
            return qint64(at);
        }
    }
    if (learning)
        learning->extendTo(search.from, search.to);
    return -1;
}

qint64 RawInput::findEndMarker(quint64 from, StopPolling polling)
{
    static const BytePatterns endMarker = {bytesOf({0xFF, 0xD9})};
    return find(from, endMarker, polling);
}
