#include "file_window.h"
#include "global_state.h"
#include "jpeg_markers.h"
#include "jpg_repair.h"
#include "segment_lists.h"

namespace {

enum class ScanKind { Main, Thumbnail, Embedded };

// Bytes read at every recorded marker; the recording uses the first four.
constexpr std::size_t kHeaderBytes = 71;
// A scan reads the file front to back, so a large window means few reads.
constexpr std::size_t kScanWindow = 1024 * 1024;
constexpr qint64 kEndWalk = -1;

bool stopRequested()
{
    return g_state.stopRequested.load(std::memory_order_relaxed) == 1;
}

// Walks one file's markers and records its segments, its stray scan-data
// pairs and, for the input file itself, the images it is made of. Every
// answer is the one a byte-by-byte walk gives; stretches that cannot hold a
// marker are jumped over by searching for the next FF byte.
class MarkerWalk {
public:
    MarkerWalk(jpg_repair& repair, FILE* file, ScanKind kind)
        : m_repair(repair), m_in(file, kScanWindow), m_kind(kind), m_size(g_state.inputFileSize)
    {
    }

    // Pre-check, image count and recovery pass of the input file; true when
    // the segment walk is to follow.
    bool prepareMain(qint64 start);
    void walkSegments(qint64 start);

private:
    qint64 nextFF(qint64 from) { return m_in.find(0xFF, from, m_size); }
    bool isImageStart(qint64 pos)
    {
        return m_in.le16(pos) == jpeg::kSOI && jpeg::isImageStartFollower(m_in.le16(pos + 2));
    }
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
    ScanKind m_kind;
    qint64 m_size;
    bool m_badStart = false;
    bool m_jumpedToEnd = false;
    int m_soiCount = 0;
    bool m_dqtSeen = false;
    bool m_sofSeen = false;
    bool m_smallDhtSeen = false;
};

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
    qint64 p = start;
    while (p < m_size && !m_badStart && !stopRequested()) {
        if (m_in.byteAt(p) != 0xFF) {
            p = nextFF(p + 1);
        } else if (!open && isImageStart(p)) {
            ++count;
            open = true;
            p += 3;
        } else if (open && m_in.le16(p) == jpeg::kEOI) {
            // The next image may start right after the two bytes of FF D9.
            ++count;
            open = false;
            p += 2;
        } else {
            ++p;
        }
    }
    return count;
}

// Several images in one file: only their start-of-image markers are recorded,
// nested ones included.
void MarkerWalk::recordImageStarts(qint64 start)
{
    g_state.multiImageRecovery = 1;
    qint64 p = start;
    while (p < m_size && !m_badStart && !stopRequested()) {
        if (m_in.byteAt(p) != 0xFF) {
            p = nextFF(p + 1);
        } else if (isImageStart(p)) {
            record(p);
            p += 3;
        } else {
            ++p;
        }
    }
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
    qint64 p = start;
    while (p < m_size && !m_badStart && !stopRequested()) {
        if (m_in.byteAt(p) != 0xFF) {
            p = nextFF(p + 1);
            continue;
        }
        const quint16 marker = m_in.le16(p);
        p = jpeg::isKnownMarker(marker) ? stepAt(p, marker) : p + 1;
        if (p == kEndWalk)
            return;
    }
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
    qint64 q = from;
    while (q < m_size && !stopRequested()) {
        if (m_in.byteAt(q) != 0xFF) {
            q = nextFF(q + 1);
            continue;
        }
        const quint16 pair = m_in.le16(q);
        if (pair == jpeg::kEOI && q == m_size - 2) {
            record(q);
            return;
        }
        if (jpeg::isStrayPair(pair))
            m_repair.AppendOffset(&g_state.strayMarkerHead, &g_state.strayMarkerTail,
                                  quint64(q - g_state.scanStartOffset));
        ++q;
    }
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
