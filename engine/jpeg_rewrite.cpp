// The rewrite of one image from its segment list: a fresh SOI, the colour
// describing APP segments, the table, frame, restart-interval and scan
// segments in their recorded order (with known-good tables in place of
// damaged ones), a fresh EOI, and the stray markers of the scan data
// neutralised.
#include "save_file.h"

#include "block_copy.h"
#include "file_window.h"
#include "file_open.h"
#include "global_state.h"
#include "huffman_table_check.h"
#include "quant_table_check.h"
#include "quant_table_choice.h"
#include "jpeg_markers.h"
#include "kept_app_segments.h"
#include "segment_lists.h"
#include "tables/huffman/hoffmann.h"
#include "tables/quantization/closest_tables.h"
#include "tables/quantization/quantization.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kDhtBlock = 1024;
constexpr int kOneTableDqtSize = 69;
constexpr int kSignatureRows = 3;
constexpr int kTableValues = 64;
// Catalogue tables that agree with a table on fewer than half its
// positions are other tables, not its undamaged self; of the others, the
// closest few are candidates.
constexpr int kMinAgreeingValues = kTableValues / 2;
constexpr int kCandidates = 4;

bool isWrittenKind(quint16 marker)
{
    using namespace jpeg;
    return marker == kDQT || isRepairableFrame(marker) || marker == kDHT || marker == kDAC
        || marker == kDRI || marker == kSOS;
}

quint64 sumOfCounts(const quint8* block, int from)
{
    quint64 sum = 0;
    for (int i = 0; i < 16; ++i)
        sum += block[from + i];
    return sum;
}

// For a single DHT segment carrying all four tables, the positions and
// headers of tables 2 to 4 for the Huffman library. A table whose header
// would lie outside the segment's bytes gets position 0 and an empty header.
void locateCombinedTables(const quint8* block, int segmentSize)
{
    quint64 position = 21 + sumOfCounts(block, 5);
    for (int k = 0; k < 3; ++k) {
        const bool inside = position + 17 <= quint64(segmentSize);
        g_state.dhtTableOffset[k] = inside ? qint32(position) : 0;
        std::memset(g_state.dhtTableHeader[k], 0, sizeof g_state.dhtTableHeader[k]);
        if (!inside) {
            position = quint64(segmentSize);
            continue;
        }
        std::memcpy(g_state.dhtTableHeader[k], block + position, 17);
        position += 17 + sumOfCounts(block, int(position) + 1);
    }
}

int comparePrefixSize(int length)
{
    if (length >= 27)
        return 29;
    if (length == 26)
        return 28;
    if (length == 25)
        return 27;
    return 21;
}

class ImageWriter {
public:
    ImageWriter(FileWindow& in, FILE* out, QVector<SuspectQuantTable>& suspects)
        : m_in(in), m_out(out), m_suspects(suspects)
    {
    }

    // Returns how the scan data written ends.
    template <typename Node>
    DataEnd writeImage(const Node* start)
    {
        put("\xFF\xD8", 2);
        for (const Node* node = start; node; node = node->next)
            writeNode(*node, node->next);
        put("\xFF\xD9", 2);
        applyZeroPatches();
        return m_scanRunsToInputEnd ? DataEnd::MayEndEarly : DataEnd::Complete;
    }

private:
    template <typename Node>
    void writeNode(const Node& node, const Node* next)
    {
        const qint64 markerPos = node.offset - 2;
        qint64 n;
        if (node.marker == jpeg::kSOS) {
            const bool ended = next && next->marker == jpeg::kEOI;
            n = ended ? next->offset - node.offset : g_state.inputFileSize - node.offset;
            m_scanRunsToInputEnd = m_scanRunsToInputEnd || !ended;
            // Never more than the input holds from the marker on.
            n = std::min(n, m_in.size() - markerPos);
        } else {
            n = qint64(node.length) + 2;
            if (node.marker == jpeg::kDQT
                && (node.length == 67 || node.length == 132 || node.length == 197))
                g_state.dqtLength = node.length;
        }
        if (n <= 0)
            return;
        if (!isWrittenKind(node.marker) && !isKeptAppSegment(m_in, markerPos, node.marker, node.length))
            return;
        switch (node.marker) {
        case jpeg::kDQT:
            writeDqt(markerPos, node.length, n);
            break;
        case jpeg::kDHT:
            writeDht(markerPos, node.length, n);
            break;
        case jpeg::kSOS:
            writeScan(markerPos, n);
            break;
        default:
            copy(markerPos, n);
        }
    }

    void writeDqt(qint64 markerPos, int length, qint64 n)
    {
        if (length == 67)
            writeOneTableDqt(markerPos, n);
        else if (length == 132)
            writeWholeDqt(markerPos, n, g_state.dqtReplacement2, sizeof g_state.dqtReplacement2);
        else if (length == 197)
            writeWholeDqt(markerPos, n, g_state.dqtReplacement3, sizeof g_state.dqtReplacement3);
        else
            copy(markerPos, n);
    }

    void writeOneTableDqt(qint64 markerPos, qint64 n)
    {
        quint8 segment[kOneTableDqtSize];
        m_in.read(markerPos, segment, sizeof segment);
        const bool plausible = isPlausibleTable(segment + 4);
        // The library has a signature row for the first three one-table
        // segments only.
        const bool hasRow = g_state.dqtIndex >= 0 && g_state.dqtIndex < kSignatureRows;
        g_state.dqtSearchPending = 1;
        if (!plausible && hasRow) {
            Quantization lookup;
            lookup.MatchKnownTable();
        }
        ++g_state.dqtIndex;
        if (plausible) {
            copy(markerPos, n);
            return;
        }
        const quint8* answer = g_state.dqtSearchPending == 0 ? g_state.dqtReplacement1 + 5 : nullptr;
        g_state.dqtSearchPending = 1;
        suspect(segment + 4, answer);
        put(segment, sizeof segment);
    }

    void writeWholeDqt(qint64 markerPos, qint64 n, const quint8* replacement, std::size_t size)
    {
        quint8 segment[sizeof g_state.dqtReplacement3];
        if (qint64(size) != n) {
            copy(markerPos, n);
            return;
        }
        m_in.read(markerPos, segment, size);
        const int tables = int(size / (kTableValues + 1));
        bool plausible = true;
        for (int t = 0; t < tables; ++t)
            plausible = plausible && isPlausibleTable(segment + 4 + t * (kTableValues + 1));
        if (plausible) {
            copy(markerPos, n);
            return;
        }
        g_state.dqtSearchPending = 1;
        {
            Quantization lookup;
            lookup.MatchKnownTable();
        }
        const bool found = g_state.dqtSearchPending == 0;
        g_state.dqtSearchPending = 1;
        for (int t = 0; t < tables; ++t) {
            const int id = 4 + t * (kTableValues + 1);
            if (!isPlausibleTable(segment + id))
                suspect(segment + id, found ? replacement + id + 1 : nullptr, id);
        }
        put(segment, size);
    }

    // A table (its precision/id byte and values) is copied without a look
    // at the picture when its shape gives no reason to look; 16-bit tables
    // are always copied.
    static bool isPlausibleTable(const quint8* table)
    {
        return (table[0] >> 4) != 0 || isPlausibleQuantTable(table + 1);
    }

    // Records a table that is written as read for now, with the library's
    // answer and the catalogue tables closest to it as candidates; its
    // picture mends it once the image is written (see mendQuantTables).
    void suspect(const quint8* table, const quint8* answer, int at = 4)
    {
        SuspectQuantTable entry;
        entry.offset = m_written + at + 1;
        entry.id = table[0] & 0x0F;
        std::memcpy(entry.own.v, table + 1, kTableValues);
        entry.candidates = quant::closestCatalogueTables(table + 1, kCandidates, kMinAgreeingValues);
        // The library's own answer competes like any other catalogue table.
        const bool answered = answer
            && std::none_of(entry.candidates.begin(), entry.candidates.end(),
                            [answer](const quant::AgreeingTable& t) {
                                return std::memcmp(t.table.v, answer, kTableValues) == 0;
                            });
        if (answered) {
            quant::AgreeingTable library;
            std::memcpy(library.table.v, answer, kTableValues);
            library.agreeing = quant::agreeingValues(table + 1, answer);
            if (library.agreeing >= kMinAgreeingValues)
                entry.candidates.append(library);
            std::stable_sort(entry.candidates.begin(), entry.candidates.end(),
                             [](const quant::AgreeingTable& a, const quant::AgreeingTable& b) {
                                 return a.agreeing > b.agreeing;
                             });
        }
        m_suspects.append(entry);
    }

    void writeDht(qint64 markerPos, int length, qint64 n)
    {
        // A segment longer than the block cannot be a catalogue entry (none
        // exceeds 420 bytes): it is copied as it stands.
        if (n > kDhtBlock) {
            copy(markerPos, n);
            return;
        }
        quint8 block[kDhtBlock] = {};
        m_in.read(markerPos, block, std::size_t(n));
        // A segment whose tables an encoder can have written is the file's
        // own, whatever the catalogue holds.
        if (isUsableDhtSegment(block, n)) {
            put(block, std::size_t(n));
            return;
        }
        Hoffmann lookup;
        quint8 outBlock[kDhtBlock] = {};
        if (g_state.dhtSegmentCount == 1)
            locateCombinedTables(block, int(n));
        quint8 prefix[29] = {};
        std::memcpy(prefix, block, std::size_t(comparePrefixSize(length)));
        lookup.MatchKnownTable(prefix, unsigned(length));
        if (g_state.dhtReplacementSize == 0)
            lookup.MatchTableByTable(block, int(n));
        if (g_state.dhtReplacementSize == 0)
            lookup.MatchStandardLayout(block, int(n));
        const int replacementSize = std::clamp<int>(g_state.dhtReplacementSize, 0,
                                                    int(sizeof g_state.dhtReplacement));
        if (replacementSize != 0)
            std::memcpy(outBlock, g_state.dhtReplacement, std::size_t(replacementSize));
        else
            std::memcpy(outBlock, block, std::size_t(n));
        put(outBlock, std::size_t(n));
    }

    void writeScan(qint64 markerPos, qint64 n)
    {
        const bool first = !m_scanWritten;
        if (first) {
            m_scanWritten = true;
            g_state.outputScanOffset = m_written;
        }
        const qint64 copied = copyBlocks(m_in, markerPos, m_out, n);
        m_written += copied;
        if (first)
            m_scanLength = copied;
    }

    // Turns the FF of every stray pair into 00. Only positions inside the
    // first scan's bytes are patched, never the markers around them. The
    // pairs of a run of FF bytes follow one another and are patched with
    // one write.
    void applyZeroPatches()
    {
        if (!m_scanWritten)
            return;
        static const char zeros[4096] = {};
        const OffsetNode* node = g_state.strayMarkerHead;
        while (node) {
            const quint64 first = node->value;
            std::size_t count = 0;
            for (; node && node->value == first + count && node->value < quint64(m_scanLength)
                 && count < sizeof zeros;
                 node = node->next)
                ++count;
            if (count == 0) {
                node = node->next; // past the scan
                continue;
            }
            if (fseeko(m_out, g_state.outputScanOffset + qint64(first), SEEK_SET) == 0)
                std::fwrite(zeros, 1, count, m_out);
        }
        fseeko(m_out, 0, SEEK_END);
    }

    void copy(qint64 from, qint64 n)
    {
        m_written += copyBlocks(m_in, from, m_out, n);
    }

    void put(const void* bytes, std::size_t size)
    {
        writeBytes(m_out, bytes, size);
        m_written += qint64(size);
    }

    FileWindow& m_in;
    FILE* m_out;
    QVector<SuspectQuantTable>& m_suspects;
    qint64 m_written = 0;
    bool m_scanWritten = false;
    qint64 m_scanLength = 0;
    bool m_scanRunsToInputEnd = false;
};

template <typename Node>
DataEnd rewrite(FILE* out, const Node* start, QVector<SuspectQuantTable>& suspects)
{
    suspects.clear();
    g_state.outputScanOffset = 0;
    const QString& path = g_state.useTempInput == 1 ? g_state.tempJpegPath : g_state.inputPath;
    FILE* input = platform::openFile(path, "rb");
    if (!input) {
        // Nothing to read from: the output is an empty image.
        writeBytes(out, "\xFF\xD8\xFF\xD9", 4);
        return DataEnd::Complete;
    }
    DataEnd end;
    {
        FileWindow window(input);
        end = ImageWriter(window, out, suspects).writeImage(start);
    }
    std::fclose(input);
    return end;
}

} // namespace

void SaveFile::WriteRepairedJpeg(FILE* out, int image)
{
    m_rewrittenDataEnd = rewrite(out, image == 1 ? m_thumbnailStart : g_state.segmentHead, m_suspectTables);
}

void SaveFile::WriteEmbeddedJpeg(FILE* out)
{
    m_rewrittenDataEnd = rewrite(out, g_state.embeddedSegmentHead, m_suspectTables);
}
