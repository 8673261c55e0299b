#include "file_window.h"
#include "global_state.h"
#include "jpeg_markers.h"
#include "jpg_repair.h"
#include "segment_lists.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

enum class ScanKind { Main, Thumbnail, Embedded };

// Bytes read at every recorded marker; the recording uses the first four.
constexpr std::size_t kHeaderBytes = 71;
// The file is examined a chunk at a time; each chunk carries a few bytes of
// the next one so that a pair or a follower starting at its last byte can be
// read from it.
constexpr qint64 kChunk = 1024 * 1024;
constexpr std::size_t kLookahead = 8;
constexpr qint64 kEndWalk = -1;

bool stopRequested()
{
    return g_state.stopRequested.load(std::memory_order_relaxed) == 1;
}

// First FF byte in [from, end), or end. Scan data holds an FF every few
// dozen bytes, too often for a library search call per hit to pay off, so
// eight bytes are tested at a time.
const quint8* findFF(const quint8* from, const quint8* end)
{
    constexpr quint64 kOnes = 0x0101010101010101ull;
    constexpr quint64 kHighs = 0x8080808080808080ull;
    while (end - from >= 8) {
        quint64 word;
        std::memcpy(&word, from, 8);
        const quint64 inverted = ~word; // FF bytes become zero bytes
        if (((inverted - kOnes) & ~inverted & kHighs) != 0)
            break;
        from += 8;
    }
    while (from < end && *from != 0xFF)
        ++from;
    return from;
}

quint16 wordAt(const quint8* at)
{
    return quint16(at[0] | at[1] << 8);
}

// Walks one file's markers and records its segments, its stray scan-data
// pairs and, for the input file itself, the images it is made of. Every
// answer is the one a byte-by-byte walk gives: only an FF byte can start a
// marker or a pair, so each pass jumps from one FF byte to the next.
class MarkerWalk {
public:
    MarkerWalk(jpg_repair& repair, FILE* file, ScanKind kind)
        : m_repair(repair), m_in(file), m_chunk(std::size_t(kChunk) + kLookahead), m_kind(kind),
          m_size(g_state.inputFileSize)
    {
    }

    // Pre-check, image count and recovery pass of the input file; true when
    // the segment walk is to follow.
    bool prepareMain(qint64 start);
    void walkSegments(qint64 start);

private:
    // Calls visit(q, bytes at q) for the FF bytes from `from` on; visit
    // answers the position to go on from, or kEndWalk.
    template <typename Visit>
    void forEachFF(qint64 from, Visit visit);
    int countImages(qint64 start);
    void recordImageStarts(qint64 start);
    qint64 stepAt(qint64 p, quint16 marker);
    qint64 startOfImage(qint64 p);
    qint64 tableSegment(qint64 p, qint64 length);
    qint64 startOfScan(qint64 p, qint64 length);
    void scanData(qint64 from);
    void record(qint64 pos);

    jpg_repair& m_repair;
    FileWindow m_in;
    std::vector<quint8> m_chunk;
    ScanKind m_kind;
    qint64 m_size;
    bool m_badStart = false;
    bool m_jumpedToEnd = false;
    int m_soiCount = 0;
    bool m_dqtSeen = false;
    bool m_sofSeen = false;
    bool m_smallDhtSeen = false;
};

template <typename Visit>
void MarkerWalk::forEachFF(qint64 from, Visit visit)
{
    if (m_badStart)
        return;
    qint64 base = 0;
    bool loaded = false;
    qint64 pos = from;
    while (pos < m_size && !stopRequested()) {
        if (!loaded || pos < base || pos >= base + kChunk) {
            base = pos;
            m_in.read(base, m_chunk.data(), m_chunk.size());
            loaded = true;
        }
        const qint64 limit = std::min(m_size, base + kChunk);
        const quint8* first = m_chunk.data() + (pos - base);
        const quint8* hit = findFF(first, first + (limit - pos));
        if (hit == first + (limit - pos)) {
            pos = limit;
            continue;
        }
        pos = visit(pos + (hit - first), hit);
        if (pos == kEndWalk)
            return;
    }
}

void MarkerWalk::record(qint64 pos)
{
    quint8 header[kHeaderBytes];
    m_in.read(pos, header, sizeof header);
    if (m_kind == ScanKind::Embedded)
        m_repair.AddEmbeddedSegment(&g_state.embeddedSegmentHead, &g_state.embeddedSegmentTail,
                                    header, pos);
    else
        m_repair.AddSegment(&g_state.segmentHead, &g_state.segmentTail, header, pos);
}

int MarkerWalk::countImages(qint64 start)
{
    int count = 0;
    bool open = false;
    forEachFF(start, [&](qint64 q, const quint8* at) {
        const quint16 word = wordAt(at);
        if (!open && word == jpeg::kSOI && jpeg::isImageStartFollower(wordAt(at + 2))) {
            ++count;
            open = true;
            return q + 3;
        }
        if (open && word == jpeg::kEOI) {
            // The next image may start right after the two bytes of FF D9.
            ++count;
            open = false;
            return q + 2;
        }
        return q + 1;
    });
    return count;
}

// Several images in one file: only their start-of-image markers are recorded,
// nested ones included.
void MarkerWalk::recordImageStarts(qint64 start)
{
    g_state.multiImageRecovery = 1;
    forEachFF(start, [&](qint64 q, const quint8* at) {
        if (wordAt(at) == jpeg::kSOI && jpeg::isImageStartFollower(wordAt(at + 2))) {
            record(q);
            return q + 3;
        }
        return q + 1;
    });
}

bool MarkerWalk::prepareMain(qint64 start)
{
    bool badEnd = false;
    if (start < m_size && !stopRequested()) {
        m_badStart = m_in.le16(start) != jpeg::kSOI;
        badEnd = m_in.le16(m_size - 2) != jpeg::kEOI;
        if (m_badStart || badEnd)
            g_state.multiImageRecovery = 1;
    }
    const int count = countImages(start);
    if (count >= 6 || ((count == 4 || count == 5) && badEnd)) {
        recordImageStarts(start);
        return false;
    }
    g_state.multiImageRecovery = 0;
    return true;
}

void MarkerWalk::walkSegments(qint64 start)
{
    forEachFF(start, [&](qint64 q, const quint8* at) {
        const quint16 marker = wordAt(at);
        return jpeg::isKnownMarker(marker) ? stepAt(q, marker) : q + 1;
    });
}

qint64 MarkerWalk::stepAt(qint64 p, quint16 marker)
{
    const qint64 length = m_in.be16(p + 2);
    switch (marker) {
    case jpeg::kSOI:
        return startOfImage(p);
    case jpeg::kDQT:
        m_repair.m_dqtSeen = 1;
        m_dqtSeen = true;
        return tableSegment(p, length);
    case jpeg::kDHT:
        m_repair.m_dhtUsable = length <= 418 ? 1 : 0;
        m_smallDhtSeen = m_smallDhtSeen || length <= 418;
        return tableSegment(p, length);
    case jpeg::kSOF0:
    case jpeg::kSOF1:
    case jpeg::kSOF2:
        m_sofSeen = true;
        return tableSegment(p, length);
    case jpeg::kSOS:
        return startOfScan(p, length);
    case jpeg::kEOI:
        if (m_kind != ScanKind::Main || p == m_size - 2) {
            record(p);
            return kEndWalk;
        }
        return p + 2;
    default:
        if (m_soiCount == 0)
            return kEndWalk;
        record(p);
        return p + 2 + length;
    }
}

// The first SOI at offset 0 opens the image. Any later one (or a first one
// elsewhere) starts the images that follow: it is recorded with the search
// for them, and the walk only looks at the file's last two bytes after it.
qint64 MarkerWalk::startOfImage(qint64 p)
{
    if (m_jumpedToEnd)
        return kEndWalk;
    ++m_soiCount;
    if (p == 0 && m_soiCount == 1) {
        record(p);
        return 2;
    }
    m_repair.m_secondSoi = 1;
    record(p);
    m_jumpedToEnd = true;
    return m_size - 2;
}

qint64 MarkerWalk::tableSegment(qint64 p, qint64 length)
{
    const bool frameCounts = m_kind == ScanKind::Main && m_sofSeen;
    if (frameCounts || m_repair.m_dhtUsable == 1 || m_repair.m_dqtSeen == 1) {
        record(p);
        return p + 2 + length;
    }
    return p + 2;
}

qint64 MarkerWalk::startOfScan(qint64 p, qint64 length)
{
    if (!(m_dqtSeen && m_smallDhtSeen && m_sofSeen))
        return p + 2;
    record(p);
    g_state.scanStartOffset = p;
    scanData(p + 2 + length);
    return kEndWalk;
}

// Entropy-coded data up to the end of the file: FF pairs a decoder would
// misread are kept by their distance from the SOS marker.
void MarkerWalk::scanData(qint64 from)
{
    forEachFF(from, [&](qint64 q, const quint8* at) {
        const quint16 pair = wordAt(at);
        if (pair == jpeg::kEOI && q == m_size - 2) {
            record(q);
            return kEndWalk;
        }
        if (jpeg::isStrayPair(pair))
            m_repair.AppendOffset(&g_state.strayMarkerHead, &g_state.strayMarkerTail,
                                  quint64(q - g_state.scanStartOffset));
        return q + 1;
    });
}

bool sizeAccepted()
{
    return g_state.inputFileSize >= 0 && g_state.inputFileSize <= kMaxJpegInputSize;
}

} // namespace

void jpg_repair::ScanJpegMarkers(QString, FILE* file, qint64 start)
{
    g_state.sourceFileSize = g_state.inputFileSize;
    m_dhtUsable = 0;
    m_dqtSeen = 0;
    m_secondSoi = 0;
    g_state.multiImageRecovery = 0;
    if (!sizeAccepted())
        return;
    MarkerWalk walk(*this, file, ScanKind::Main);
    if (walk.prepareMain(start))
        walk.walkSegments(start);
}

void jpg_repair::ScanThumbnailMarkers(QString, FILE* file, qint64 start)
{
    m_dhtUsable = 0;
    m_dqtSeen = 0;
    m_secondSoi = 0;
    if (!sizeAccepted())
        return;
    MarkerWalk(*this, file, ScanKind::Thumbnail).walkSegments(start);
}

void jpg_repair::ScanEmbeddedImageMarkers(QString, FILE* file, qint64 start)
{
    m_dhtUsable = 0;
    m_dqtSeen = 0;
    m_secondSoi = 0;
    g_state.dqtSegmentCount = 0;
    g_state.dhtSegmentCount = 0;
    if (!sizeAccepted())
        return;
    MarkerWalk(*this, file, ScanKind::Embedded).walkSegments(start);
}
