#include "byte_pair_search.h"
#include "file_window.h"
#include "frame_chain.h"
#include "global_state.h"
#include "image_start.h"
#include "jpeg_markers.h"
#include "jpg_repair.h"
#include "scan_data_pairs.h"
#include "segment_lists.h"
#include "segment_recording.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

namespace {

enum class ScanKind { Main, Thumbnail, Embedded };

// Bytes read at every recorded marker; the recording uses the first four.
constexpr std::size_t kHeaderBytes = 71;
// The file is read a chunk at a time; each chunk carries a few bytes of the
// next one so that a pair or a follower starting at its last byte can be read
// from it.
constexpr qint64 kChunk = 1024 * 1024;
constexpr std::size_t kLookahead = 8;
constexpr qint64 kEndWalk = -1;

bool stopRequested()
{
    return g_state.stopRequested.load(std::memory_order_relaxed) == 1;
}

quint16 wordAt(const quint8* at)
{
    return quint16(at[0] | at[1] << 8);
}

quint16 lengthAt(const quint8* at)
{
    return quint16(at[2] << 8 | at[3]);
}

// Every pass steps over FF 00 (byte stuffing in scan data) exactly as over
// any other byte, so only the other FF bytes need a visit.
constexpr BytePair kMarkerByte{0xFF, 0x00, BytePair::SecondIsNot};
// A pass that only counts or records images and steps over APP segments acts
// on FF D8, FF D9 and FF E0 to FF EF alone; runs of FF need no visit.
constexpr BytePair kImageMarker{0xFF, 0xD8, BytePair::SecondInRange, 0xEF};

// One pass over the file: its position, what it does at a pair it stops at
// (it answers the position to go on from, or kEndWalk) and the pair that
// makes it stop.
struct Cursor {
    qint64 pos;
    std::function<qint64(qint64, const quint8*)> visit;
    BytePair stopsAt = kMarkerByte;
};

// A marker the main walk gives a node, kept until the image count has
// decided that the walk's results stand, with the scanner flags that the
// recording reads as they were when it was found.
struct Finding {
    qint64 pos;
    qint32 dhtUsable;
    qint32 secondSoi;
};

// Where the stray-marker list ended, so that what is appended later can be
// taken off again.
class StrayListMark {
public:
    StrayListMark()
        : m_tail(g_state.strayMarkerHead ? g_state.strayMarkerTail : nullptr),
          m_appendable(!m_tail || !m_tail->next)
    {
    }

    void dropLater() const
    {
        if (!m_appendable)
            return;
        OffsetNode*& first = m_tail ? m_tail->next : g_state.strayMarkerHead;
        while (first) {
            OffsetNode* next = first->next;
            delete first;
            first = next;
        }
        if (m_tail)
            g_state.strayMarkerTail = m_tail;
    }

private:
    OffsetNode* m_tail;
    bool m_appendable; // a tail with a successor takes no appends
};

// Walks one file's markers and records its segments, its stray scan-data
// pairs and, for the input file itself, the images it is made of. Every
// answer is the one a byte-by-byte walk gives: only an FF byte not followed
// by 00 can start a marker or a pair, so each pass jumps from one such byte
// to the next, and the passes the input file needs share one sequential read.
class MarkerWalk {
public:
    MarkerWalk(jpg_repair& repair, FILE* file, ScanKind kind)
        : m_repair(repair), m_in(file), m_kind(kind), m_size(g_state.inputFileSize),
          m_chunkSize(std::max<qint64>(1, std::min(kChunk, m_size)))
    {
        m_chunk.resize(std::size_t(m_chunkSize) + kLookahead);
    }

    void scanInputFile(qint64 start);
    void scanImage(qint64 start);

private:
    void drive(std::vector<Cursor>& cursors);
    void advance(Cursor& cursor, qint64 base, qint64 limit);
    qint64 countStep(qint64 q, const quint8* at);
    bool isSeveralImages(int count, bool badEnd);
    bool secondImageIsPreview();
    Cursor segmentWalker(qint64 start);
    void recordImageStarts(qint64 start);
    qint64 walkStep(qint64 p, const quint8* at);
    qint64 markerStep(qint64 p, quint16 marker, qint64 length);
    qint64 startOfImage(qint64 p);
    qint64 tableSegment(qint64 p, qint64 length);
    qint64 startOfScan(qint64 p, qint64 length);
    qint64 scanDataStep(qint64 q, quint16 pair);
    void nodeAt(qint64 pos);
    void strayAt(qint64 q);
    void keepFindings();
    void record(qint64 pos);

    jpg_repair& m_repair;
    FileWindow m_in;
    ScanKind m_kind;
    qint64 m_size;
    qint64 m_chunkSize; // no larger than the file
    std::vector<quint8> m_chunk;
    bool m_deferFindings = false;
    std::vector<Finding> m_findings;
    bool m_badStart = false;
    int m_imageCount = 0;
    std::vector<qint64> m_firstImageStarts; // the first two the count met
    bool m_imageOpen = false;
    bool m_inScanData = false;
    qint64 m_scanStart = 0;
    qint64 m_strayCount = 0;
    bool m_jumpedToEnd = false;
    int m_soiCount = 0;
    bool m_dqtSeen = false;
    bool m_sofSeen = false;
    bool m_arithmeticFrame = false; // needs no Huffman tables
    bool m_smallDhtSeen = false;
};

// Runs the cursors side by side, a chunk at a time, so each chunk is read
// once for all of them.
void MarkerWalk::drive(std::vector<Cursor>& cursors)
{
    if (m_badStart)
        return;
    qint64 base = 0;
    bool loaded = false;
    for (;;) {
        qint64 next = m_size;
        for (const Cursor& cursor : cursors)
            if (cursor.pos != kEndWalk)
                next = std::min(next, cursor.pos);
        if (next >= m_size || stopRequested())
            return;
        if (!loaded || next < base || next >= base + m_chunkSize) {
            base = next;
            m_in.read(base, m_chunk.data(), m_chunk.size());
            loaded = true;
        }
        const qint64 limit = std::min(m_size, base + m_chunkSize);
        for (Cursor& cursor : cursors)
            advance(cursor, base, limit);
    }
}

void MarkerWalk::advance(Cursor& cursor, qint64 base, qint64 limit)
{
    const quint8* chunk = m_chunk.data();
    const quint8* end = chunk + (limit - base);
    while (cursor.pos != kEndWalk && cursor.pos >= base && cursor.pos < limit) {
        if (stopRequested())
            return;
        const quint8* hit = findBytePair(chunk + (cursor.pos - base), end, &cursor.stopsAt, 1);
        if (hit == end) {
            cursor.pos = limit;
            return;
        }
        cursor.pos = cursor.visit(base + (hit - chunk), hit);
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

void MarkerWalk::nodeAt(qint64 pos)
{
    // A list takes at most kMaxRecordedSegments records: findings beyond
    // them would be refused when they are recorded.
    if (m_deferFindings) {
        if (m_findings.size() < std::size_t(kMaxRecordedSegments))
            m_findings.push_back({pos, m_repair.m_dhtUsable, m_repair.m_secondSoi});
    } else {
        record(pos);
    }
}

// Stray entries can be many; they go to their list at once, and the main
// walk takes them off again when its results do not stand.
void MarkerWalk::strayAt(qint64 q)
{
    // A long run of FF bytes (erased flash) would otherwise cost a list node
    // per byte; past the bound the pairs are left as they are.
    if (m_strayCount >= kMaxStrayMarkers)
        return;
    ++m_strayCount;
    m_repair.AppendOffset(&g_state.strayMarkerHead, &g_state.strayMarkerTail,
                          quint64(q - m_scanStart));
}

// Records what the walk found, in order, with the scanner flags as they were
// when each was found; the flags end as the walk left them.
void MarkerWalk::keepFindings()
{
    const qint32 dhtUsable = m_repair.m_dhtUsable;
    const qint32 secondSoi = m_repair.m_secondSoi;
    m_deferFindings = false;
    for (const Finding& finding : m_findings) {
        m_repair.m_dhtUsable = finding.dhtUsable;
        m_repair.m_secondSoi = finding.secondSoi;
        record(finding.pos);
    }
    m_findings.clear();
    m_repair.m_dhtUsable = dhtUsable;
    m_repair.m_secondSoi = secondSoi;
    if (m_inScanData)
        g_state.scanStartOffset = m_scanStart;
}

// Whether the image count makes the file one of several images. Two complete
// images in a file that ends with FF D9 are one photo and its preview when
// the second has the smaller frame; two photos otherwise.
bool MarkerWalk::isSeveralImages(int count, bool badEnd)
{
    if (count >= 6 || ((count == 4 || count == 5) && badEnd))
        return true;
    return count == 4 && !secondImageIsPreview();
}

// A preview is a reduced copy of the photo before it. When a frame cannot be
// read, the second image is taken for a preview, so the photo is repaired on
// its own as any single photo.
bool MarkerWalk::secondImageIsPreview()
{
    if (m_firstImageStarts.size() < 2)
        return true;
    const Frame photo = frameFrom(m_in, m_firstImageStarts[0] + 2);
    const Frame second = frameFrom(m_in, m_firstImageStarts[1] + 2);
    return photo.point < 0 || second.point < 0 || second.pixels < photo.pixels;
}

// Counts image starts and ends: a complete image counts 2. APP segments are
// stepped over by their length, so thumbnails and previews inside them are
// no images of the file.
qint64 MarkerWalk::countStep(qint64 q, const quint8* at)
{
    const quint16 word = wordAt(at);
    if (jpeg::isApp(word))
        return q + 2 + lengthAt(at);
    if (!m_imageOpen && word == jpeg::kSOI && isImageStart(m_in, q)) {
        ++m_imageCount;
        if (m_firstImageStarts.size() < 2)
            m_firstImageStarts.push_back(q);
        m_imageOpen = true;
        return q + 2;
    }
    if (m_imageOpen && word == jpeg::kEOI) {
        // The next image may start right after the two bytes of FF D9.
        ++m_imageCount;
        m_imageOpen = false;
        return q + 2;
    }
    return q + 1;
}

Cursor MarkerWalk::segmentWalker(qint64 start)
{
    return {start, [this](qint64 q, const quint8* at) { return walkStep(q, at); }};
}

// Several images in one file: only their start-of-image markers are
// recorded. Images inside APP segments (thumbnails, previews) are stepped
// over with the segment.
void MarkerWalk::recordImageStarts(qint64 start)
{
    g_state.multiImageRecovery = 1;
    const RecoverySearchReuse reuse;
    std::vector<Cursor> cursors{{start, [this](qint64 q, const quint8* at) {
                                     const quint16 word = wordAt(at);
                                     if (jpeg::isApp(word))
                                         return q + 2 + lengthAt(at);
                                     if (word == jpeg::kSOI && isImageStart(m_in, q)) {
                                         record(q);
                                         return q + 2;
                                     }
                                     return q + 1;
                                 },
                                 kImageMarker}};
    drive(cursors);
}

// The input file: a file that does not start with FF D8 gets nothing; one
// made of several images gets only their starts; any other is walked. The
// image count and the walk read the file together, and the walk's findings
// are kept only once the count says the file is walked.
void MarkerWalk::scanInputFile(qint64 start)
{
    bool badEnd = false;
    if (start < m_size && !stopRequested()) {
        m_badStart = m_in.le16(start) != jpeg::kSOI;
        badEnd = m_in.le16(m_size - 2) != jpeg::kEOI;
        if (m_badStart || badEnd)
            g_state.multiImageRecovery = 1;
    }
    m_deferFindings = true;
    const StrayListMark strays;
    std::vector<Cursor> cursors{
        {start, [this](qint64 q, const quint8* at) { return countStep(q, at); }, kImageMarker},
        segmentWalker(start)};
    drive(cursors);
    const bool several = isSeveralImages(m_imageCount, badEnd);
    if (stopRequested() || several) {
        strays.dropLater();
        g_state.multiImageRecovery = 0;
        if (several && !stopRequested())
            recordImageStarts(start);
        return;
    }
    g_state.multiImageRecovery = 0;
    keepFindings();
}

// A thumbnail or an image extracted in recovery mode: walked as it is.
void MarkerWalk::scanImage(qint64 start)
{
    std::vector<Cursor> cursors{segmentWalker(start)};
    drive(cursors);
}

qint64 MarkerWalk::walkStep(qint64 p, const quint8* at)
{
    const quint16 word = wordAt(at);
    if (m_inScanData)
        return scanDataStep(p, word);
    return jpeg::isKnownMarker(word) ? markerStep(p, word, lengthAt(at)) : p + 1;
}

qint64 MarkerWalk::markerStep(qint64 p, quint16 marker, qint64 length)
{
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
    case jpeg::kSOF9:
    case jpeg::kSOF10:
        m_sofSeen = true;
        m_arithmeticFrame = jpeg::isArithmeticFrame(marker);
        return tableSegment(p, length);
    case jpeg::kSOS:
        return startOfScan(p, length);
    case jpeg::kEOI:
        if (m_kind != ScanKind::Main || p == m_size - 2) {
            nodeAt(p);
            return kEndWalk;
        }
        return p + 2;
    default:
        if (m_soiCount == 0)
            return kEndWalk;
        nodeAt(p);
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
        nodeAt(p);
        return 2;
    }
    m_repair.m_secondSoi = 1;
    nodeAt(p);
    m_jumpedToEnd = true;
    return m_size - 2;
}

// A table or frame segment is recorded once a frame, a DQT or a usable DHT
// has been seen: the standard lets them come in any order before the scan,
// in every image of a file.
qint64 MarkerWalk::tableSegment(qint64 p, qint64 length)
{
    if (m_sofSeen || m_repair.m_dhtUsable == 1 || m_repair.m_dqtSeen == 1) {
        nodeAt(p);
        return p + 2 + length;
    }
    return p + 2;
}

// The first SOS after the tables and a frame: the rest of the file is scan
// data.
qint64 MarkerWalk::startOfScan(qint64 p, qint64 length)
{
    if (!(m_dqtSeen && (m_smallDhtSeen || m_arithmeticFrame) && m_sofSeen))
        return p + 2;
    nodeAt(p);
    m_scanStart = p;
    if (!m_deferFindings)
        g_state.scanStartOffset = p;
    m_inScanData = true;
    return p + 2 + length;
}

// FF pairs that cannot stand in scan data are kept by their distance from
// the SOS marker, so the rewrite neutralises them and the decoder reads on
// instead of stopping there; an FF D9 that ends the file ends the walk.
qint64 MarkerWalk::scanDataStep(qint64 q, quint16 pair)
{
    if (pair == jpeg::kEOI && q == m_size - 2) {
        nodeAt(q);
        return kEndWalk;
    }
    // Once the stray list is full, only an FF D9 ending the file is left to
    // find.
    if (m_strayCount >= kMaxStrayMarkers)
        return std::max(q + 1, m_size - 2);
    if (!isPossibleInScanData(m_in, q))
        strayAt(q);
    return q + 1;
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
    if (sizeAccepted())
        MarkerWalk(*this, file, ScanKind::Main).scanInputFile(start);
}

void jpg_repair::ScanThumbnailMarkers(QString, FILE* file, qint64 start)
{
    m_dhtUsable = 0;
    m_dqtSeen = 0;
    m_secondSoi = 0;
    if (sizeAccepted())
        MarkerWalk(*this, file, ScanKind::Thumbnail).scanImage(start);
}

void jpg_repair::ScanEmbeddedImageMarkers(QString, FILE* file, qint64 start)
{
    m_dhtUsable = 0;
    m_dqtSeen = 0;
    m_secondSoi = 0;
    g_state.dqtSegmentCount = 0;
    g_state.dhtSegmentCount = 0;
    if (sizeAccepted())
        MarkerWalk(*this, file, ScanKind::Embedded).scanImage(start);
}
