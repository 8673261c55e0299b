#include "byte_pair_search.h"
#include "file_window.h"
#include "global_state.h"
#include "image_state.h"
#include "image_start.h"
#include "jpeg_markers.h"
#include "jpg_repair.h"
#include "segment_lists.h"
#include "segment_recording.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Stretches [first, last) that a search jumped over.
using Skipped = std::vector<std::pair<qint64, qint64>>;

// The path of the last recovery-form search: from its start (which opened
// the image) to the FF D9 that closed it, or to the bound when none did.
struct SearchPath {
    bool valid = false;
    FILE* file = nullptr;
    qint64 bound = 0;
    qint64 start = 0;
    qint64 end = -1;
    Skipped skipped;

    bool fits(qint64 searchBound) const
    {
        return valid && file == g_state.inputFile && bound == searchBound;
    }
    // Whether the search stood at c with its image open.
    bool covers(qint64 c) const;
};

// Window for the one image-start test of a remembered path.
constexpr std::size_t kImageStartWindow = 256;

// Paths with more jumps than this are not remembered.
constexpr std::size_t kMaxRememberedJumps = 1 << 20;

thread_local SearchPath* t_lastPath = nullptr;

// What one segment list has taken so far: its records and the images they
// keep. Counting restarts whenever the list is empty again.
struct ListBudget {
    int records = 0;
    int images = 0;

    // Takes one more record; false when the list is full.
    bool takeRecord(bool listEmpty)
    {
        if (listEmpty)
            *this = ListBudget{};
        if (records >= kMaxRecordedSegments)
            return false;
        ++records;
        return true;
    }
};

thread_local ListBudget t_segmentBudget;
thread_local ListBudget t_embeddedBudget;
// The budget of the list the record being filled belongs to.
thread_local ListBudget* t_budget = nullptr;

// Whether one more image start may be kept in the record, whose kth image
// it would be.
bool imageFits(int k)
{
    return k < kMaxImagesPerRecord && (!t_budget || t_budget->images < kMaxRecordedImages);
}

void countImage()
{
    if (t_budget)
        ++t_budget->images;
}

// How an SOI, APP1, APP2 or APP13 record searches for complete images.
struct ImageSearch {
    qint64 bound = 0;             // last position examined
    quint16 SegmentRecord::*counter = nullptr;
    bool soiForm = false;          // an image start sets soiImageFlag
    bool recovery = false;         // ends after the first image
    bool skipAppSegments = false;  // an FF D9 inside an APP segment does not end the image
};

enum class RecordForm { ZeroLength, Recovery, SecondSoi, AppWindow, Plain };

RecordForm formOf(quint16 marker, qint32 secondSoi)
{
    if (marker == jpeg::kSOI) {
        if (g_state.multiImageRecovery == 1)
            return RecordForm::Recovery;
        if (secondSoi == 1)
            return RecordForm::SecondSoi;
        return RecordForm::ZeroLength;
    }
    if (marker == jpeg::kEOI)
        return RecordForm::ZeroLength;
    if (marker == jpeg::kAPP1 || marker == jpeg::kAPP2 || marker == jpeg::kAPP13)
        return RecordForm::AppWindow;
    return RecordForm::Plain;
}

// What one image search produced.
struct SearchOutcome {
    qint64 closedAt = -1; // the FF D9 that closed the last image, or -1
    bool merged = false;  // the search joined the path it was given
};

// Records the complete images (FF D8 ... FF D9) found from pos up to the
// search bound. Only FF D8 to FF EF can change anything (and any FF byte
// while the open image may join `joinPath`), so the cursor jumps from one to
// the next. The stretches jumped over go to `skipped` when given; once the
// open image stands on `joinPath`, it ends as that path ended.
SearchOutcome searchImages(FileWindow& in, SegmentRecord& record, qint64 pos,
                           const ImageSearch& search, Skipped* skipped,
                           const SearchPath* joinPath)
{
    SearchOutcome outcome;
    quint16& count = record.*search.counter;
    bool open = false;
    int k = 0;
    auto closeAt = [&](qint64 c) {
        const qint32 length = qint32(quint32(c) - quint32(record.embeddedStart[k]) + 2u);
        record.embeddedLength.set(k, length);
        if (length > 0)
            g_state.thumbnailFound = 1;
        ++k;
        ++count;
        open = false;
        outcome.closedAt = c;
    };
    static const BytePair imageMarkers{0xFF, 0xD8, BytePair::SecondInRange, 0xEF};
    qint64 c = pos;
    while (c <= search.bound && (open || imageFits(k))) {
        const qint64 next = open && joinPath ? in.find(0xFF, c, search.bound + 1)
                                             : in.findPair(&imageMarkers, 1, c, search.bound + 1);
        if (next != c) {
            c = next;
            continue;
        }
        if (open && joinPath && joinPath->covers(c)) {
            outcome.merged = true;
            if (joinPath->end >= 0)
                closeAt(joinPath->end);
            break;
        }
        const quint16 word = in.le16(c);
        if (word == jpeg::kSOI && !open) {
            if (isImageStart(in, c)) {
                record.embeddedStart.set(k, qint32(c));
                countImage();
                open = true;
                ++count;
                if (search.soiForm)
                    record.soiImageFlag = 1;
            }
            c += 2;
        } else if (search.skipAppSegments && jpeg::isApp(word)) {
            const qint64 next = c + in.be16(c + 2) + 2;
            if (skipped && skipped->size() < kMaxRememberedJumps)
                skipped->emplace_back(c + 1, next);
            c = next;
        } else if (word == jpeg::kEOI && open) {
            closeAt(c);
            if (search.recovery)
                break;
            c += 1;
        } else {
            c += 1;
        }
    }
    return outcome;
}

bool passedOver(const Skipped& skipped, qint64 pos)
{
    const auto after = std::upper_bound(
        skipped.begin(), skipped.end(), pos,
        [](qint64 value, const std::pair<qint64, qint64>& stretch) { return value < stretch.first; });
    return after != skipped.begin() && pos < std::prev(after)->second;
}

bool SearchPath::covers(qint64 c) const
{
    return c >= start + 2 && (end < 0 || c <= end) && !passedOver(skipped, c);
}

// An image start whose next step lies on the last search's path ends where
// that search ended: from there on, both searches take the same steps.
bool reuseLastPath(SegmentRecord& record, qint64 pos, qint64 bound)
{
    const SearchPath* path = t_lastPath;
    if (!path->fits(bound) || !path->covers(pos + 2))
        return false;
    FileWindow in(g_state.inputFile, kImageStartWindow);
    if (!isImageStart(in, pos))
        return false;
    if (!imageFits(0))
        return true;
    record.embeddedStart.set(0, qint32(pos));
    countImage();
    record.soiImageFlag = 1;
    record.soiImages = 1;
    if (path->end >= 0) {
        record.embeddedLength.set(0, qint32(quint32(path->end) - quint32(pos) + 2u));
        if (record.embeddedLength[0] > 0)
            g_state.thumbnailFound = 1;
        record.soiImages = 2;
    }
    return true;
}

ImageSearch searchFor(RecordForm form, quint16 marker, qint64 pos, qint64 length,
                      bool embeddedList)
{
    ImageSearch search;
    if (form == RecordForm::AppWindow) {
        if (marker == jpeg::kAPP1) {
            search.bound = pos + length;
            search.counter = &SegmentRecord::app1Images;
        } else if (marker == jpeg::kAPP2) {
            search.bound = pos + length;
            search.counter = &SegmentRecord::app2Images;
        } else {
            search.bound = pos + length + 2;
            search.counter = &SegmentRecord::app13Images;
        }
        return search;
    }
    search.bound = g_state.inputFileSize;
    search.counter = &SegmentRecord::soiImages;
    search.soiForm = true;
    search.recovery = form == RecordForm::Recovery;
    // A thumbnail's FF D9 inside the main image's APP segments must not end
    // it; the embedded list keeps the first FF D9 whatever surrounds it.
    search.skipAppSegments = search.recovery && !embeddedList;
    return search;
}

// Keeps the frame's quantization-table selector of its third component; a
// frame with fewer components has none.
void recordFrame(qint64 pos)
{
    quint8 frame[17];
    jpg_repair::ReadAt(g_state.inputFile, quint64(pos + 2), frame, sizeof frame);
    const quint8 componentCount = frame[7];
    g_state.thirdComponentTable = componentCount >= 3 ? frame[16] : kNoThirdComponentTable;
}

void copySignatureRow(int row, const quint8* segment, int from)
{
    std::memcpy(g_state.dqtSignature[row], segment + from, sizeof g_state.dqtSignature[row]);
}

// Keeps the first 25 values of each table of the segment, by the table's
// place in the segment or the segment's place among the one-table segments.
void recordQuantization(qint64 pos, quint16 length)
{
    constexpr int kTableStride = 65;
    constexpr int kFirstValue = 5;
    quint8 segment[kFirstValue + 2 * kTableStride + 25];
    jpg_repair::ReadAt(g_state.inputFile, quint64(pos), segment, sizeof segment);
    if (length == 132 || length == 197) {
        const int tables = length == 132 ? 2 : 3;
        for (int row = 0; row < tables; ++row)
            copySignatureRow(row, segment, kFirstValue + row * kTableStride);
    } else if (length == 67) {
        ++g_state.dqtSegmentCount;
        if (g_state.dqtSegmentCount <= 3)
            copySignatureRow(g_state.dqtSegmentCount - 1, segment, kFirstValue);
    }
}

void recordPlain(quint16 marker, qint64 pos, quint16 length, qint32 dhtUsable)
{
    if (jpeg::isRepairableFrame(marker))
        recordFrame(pos);
    else if (marker == jpeg::kDQT)
        recordQuantization(pos, length);
    else if (marker == jpeg::kDHT && dhtUsable != 0)
        ++g_state.dhtSegmentCount;
}

// Fills a new record for the marker at pos, reading what it needs from
// g_state.inputFile.
void fillRecord(SegmentRecord& record, const quint8* header, qint64 pos, qint32 secondSoi,
                qint32 dhtUsable, bool embeddedList)
{
    record.marker = quint16(header[0] | header[1] << 8);
    record.offset = pos + 2;
    const RecordForm form = formOf(record.marker, secondSoi);
    if (form == RecordForm::ZeroLength)
        return;
    const qint64 declared = quint16(header[2] << 8 | header[3]);
    record.length = declared < g_state.inputFileSize - pos ? quint16(declared) : 0;
    if (form == RecordForm::Plain) {
        recordPlain(record.marker, pos, record.length, dhtUsable);
        return;
    }
    const ImageSearch search = searchFor(form, record.marker, pos, declared, embeddedList);
    SearchPath* path = search.skipAppSegments ? t_lastPath : nullptr;
    if (path && reuseLastPath(record, pos, search.bound))
        return;
    // An APP window is small: read just it. An SOI search runs to the end of
    // the file through the default window.
    const std::size_t window = form == RecordForm::AppWindow ? std::size_t(declared) + 16
                                                             : FileWindow::kDefaultWindow;
    FileWindow in(g_state.inputFile, window);
    if (!path) {
        searchImages(in, record, pos, search, nullptr, nullptr);
        return;
    }
    // A search that joins the remembered path leaves it as it is: it still
    // describes everything from its own start on.
    SearchPath fresh;
    const SearchPath* joinPath = path->fits(search.bound) ? path : nullptr;
    const SearchOutcome outcome = searchImages(in, record, pos, search, &fresh.skipped, joinPath);
    if (outcome.merged)
        return;
    fresh.valid = record.soiImageFlag == 1 && record.embeddedStart[0] == qint32(pos)
        && fresh.skipped.size() < kMaxRememberedJumps;
    fresh.file = g_state.inputFile;
    fresh.bound = search.bound;
    fresh.start = pos;
    fresh.end = outcome.closedAt;
    *path = std::move(fresh);
}

template <typename Node>
void appendNode(Node** head, Node** tail, Node* node)
{
    node->next = nullptr;
    if (!*head) {
        *head = node;
        *tail = node;
        return;
    }
    (*tail)->next = node;
    *tail = node;
}

template <typename Node>
void freeList(Node*& head, Node*& cursor)
{
    cursor = head;
    while (cursor) {
        Node* next = cursor->next;
        delete cursor;
        cursor = next;
    }
    head = nullptr;
}

} // namespace

RecoverySearchReuse::RecoverySearchReuse()
{
    t_lastPath = new SearchPath;
}

RecoverySearchReuse::~RecoverySearchReuse()
{
    delete t_lastPath;
    t_lastPath = nullptr;
}

void jpg_repair::AddSegment(SegmentNode** head, SegmentNode** tail, const quint8* header, qint64 pos)
{
    m_segmentNewHead = nullptr;
    m_segmentNewNode = nullptr;
    m_segmentLastNode = nullptr;
    if (*head) {
        if (g_state.runActive != 1)
            return;
        m_segmentLastNode = *tail;
        if (m_segmentLastNode->next)
            return;
    }
    if (!t_segmentBudget.takeRecord(*head == nullptr))
        return;
    SegmentNode* node = new SegmentNode{};
    (*head ? m_segmentNewNode : m_segmentNewHead) = node;
    t_budget = &t_segmentBudget;
    fillRecord(*node, header, pos, m_secondSoi, m_dhtUsable, false);
    t_budget = nullptr;
    appendNode(head, tail, node);
}

void jpg_repair::AddEmbeddedSegment(EmbeddedSegmentNode** head, EmbeddedSegmentNode** tail,
                                    const quint8* header, qint64 pos)
{
    if (g_state.embeddedScanActive == 1)
        g_state.inputFileSize = g_state.sourceFileSize;
    m_embeddedNewHead = nullptr;
    m_embeddedNewNode = nullptr;
    m_embeddedLastNode = nullptr;
    if (*head) {
        m_embeddedLastNode = *tail;
        if (m_embeddedLastNode->next)
            return;
    }
    if (!t_embeddedBudget.takeRecord(*head == nullptr))
        return;
    EmbeddedSegmentNode* node = new EmbeddedSegmentNode{};
    (*head ? m_embeddedNewNode : m_embeddedNewHead) = node;
    t_budget = &t_embeddedBudget;
    fillRecord(*node, header, pos, m_secondSoi, m_dhtUsable, true);
    t_budget = nullptr;
    appendNode(head, tail, node);
}

void jpg_repair::AppendOffset(OffsetNode** head, OffsetNode** tail, quint64 value)
{
    m_offsetNewHead = nullptr;
    m_offsetNewNode = nullptr;
    m_offsetLastNode = nullptr;
    if (*head) {
        m_offsetLastNode = *tail;
        if (m_offsetLastNode->next)
            return;
    }
    OffsetNode* node = new OffsetNode{value, nullptr};
    (*head ? m_offsetNewNode : m_offsetNewHead) = node;
    appendNode(head, tail, node);
}

void jpg_repair::ResetState()
{
    freeList(g_state.segmentHead, g_state.segmentCursor);
    resetForNextImage();
    if (g_state.inputFile) {
        std::fclose(g_state.inputFile);
        g_state.inputFile = nullptr;
    }
    g_state.thirdComponentTable = 0;
}

void jpg_repair::FreeEmbeddedSegments()
{
    freeList(g_state.embeddedSegmentHead, g_state.embeddedSegmentCursor);
}
