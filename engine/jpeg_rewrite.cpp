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
#include "jpeg_markers.h"
#include "segment_lists.h"
#include "tables/huffman/hoffmann.h"
#include "tables/quantization/quantization.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kDhtBlock = 1024;
constexpr int kOneTableDqtSize = 69;
constexpr int kSignatureRows = 3;
constexpr int kTableValues = 64;
// A catalogue table stands in for the file's own only when they agree on at
// least three quarters of the positions: a table that differs more is a
// different (intact) table, not a damaged copy of the catalogue's.
constexpr int kMinAgreeingValues = kTableValues * 3 / 4;

bool isWrittenKind(quint16 marker)
{
    using namespace jpeg;
    return marker == kDQT || isRepairableFrame(marker) || marker == kDHT || marker == kDAC
        || marker == kDRI || marker == kSOS;
}

constexpr int kExifIdentifierSize = 6;

// A TIFF header ("II" 2A 00 or "MM" 00 2A) whose first IFD, with its entry
// count, its entries and the link to the next IFD, lies inside the size bytes
// of the block at tiff.
bool hasValidTiffHeader(FileWindow& in, qint64 tiff, qint64 size)
{
    quint8 header[4];
    in.read(tiff, header, sizeof header);
    const bool little = header[0] == 'I' && header[1] == 'I' && header[2] == 0x2A && header[3] == 0;
    const bool big = header[0] == 'M' && header[1] == 'M' && header[2] == 0 && header[3] == 0x2A;
    if (!little && !big)
        return false;
    const qint64 ifd = little ? in.le32(tiff + 4) : in.be32(tiff + 4);
    if (ifd < 8 || ifd + 2 > size)
        return false;
    const qint64 entries = little ? in.le16(tiff + ifd) : in.be16(tiff + ifd);
    return ifd + 2 + 12 * entries + 4 <= size;
}

// The APP segments the output keeps: those that tell a decoder how to read
// the colours (the JFIF header in APP0, an ICC profile chunk in APP2, the
// Adobe segment with its colour transform in APP14) and those that describe
// the photo (its EXIF block with date, camera, orientation and thumbnail, and
// its XMP packet, both in APP1). Each is kept only when its identifier and a
// length that holds its fixed fields are there, an EXIF block only with a
// valid TIFF header; every other APP segment is left out.
bool isKeptAppSegment(FileWindow& in, qint64 markerPos, quint16 marker, int length)
{
    struct Kind {
        quint16 marker;
        const char* identifier;
        int identifierSize;
        int minLength;
        bool tiffFollows; // an EXIF block: the identifier is followed by a TIFF header
    };
    // Identifiers with their terminating zero bytes ("Exif" has two).
    static const Kind kKinds[] = {
        {jpeg::kAPP0, "JFIF", 5, 16, false},
        {jpeg::kAPP1, "Exif\0", kExifIdentifierSize, 2 + kExifIdentifierSize + 8, true},
        {jpeg::kAPP1, "http://ns.adobe.com/xap/1.0/", 29, 2 + 29, false},
        {jpeg::kAPP2, "ICC_PROFILE", 12, 16, false},
        {jpeg::kAPP14, "Adobe", 5, 14, false},
    };
    for (const Kind& kind : kKinds) {
        if (kind.marker != marker || length < kind.minLength)
            continue;
        char identifier[29];
        in.read(markerPos + 4, identifier, std::size_t(kind.identifierSize));
        if (std::memcmp(identifier, kind.identifier, std::size_t(kind.identifierSize)) != 0)
            continue;
        if (!kind.tiffFollows)
            return true;
        const qint64 tiff = markerPos + 4 + kExifIdentifierSize;
        return hasValidTiffHeader(in, tiff, length - 2 - kExifIdentifierSize);
    }
    return false;
}

int agreeingValues(const quint8* table, const quint8* candidate)
{
    int same = 0;
    for (int i = 0; i < kTableValues; ++i)
        same += table[i] == candidate[i] ? 1 : 0;
    return same;
}

// Puts each table of a catalogue segment (its id byte and values) over the
// file's own where the two agree closely enough; the file's other tables
// stay as read.
void takeAgreeingTables(quint8* segment, const quint8* candidate, int tables)
{
    for (int t = 0; t < tables; ++t) {
        const int id = 4 + t * (kTableValues + 1);
        if (agreeingValues(segment + id + 1, candidate + id + 1) >= kMinAgreeingValues)
            std::memcpy(segment + id, candidate + id, kTableValues + 1);
    }
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
    ImageWriter(FileWindow& in, FILE* out) : m_in(in), m_out(out) {}

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
        // The library has a signature row for the first three one-table
        // segments only; later ones are copied as they are.
        const bool hasRow = g_state.dqtIndex >= 0 && g_state.dqtIndex < kSignatureRows;
        g_state.dqtSearchPending = 1;
        if (hasRow) {
            Quantization lookup;
            lookup.MatchKnownTable();
        }
        ++g_state.dqtIndex;
        if (!hasRow || g_state.dqtSearchPending == 1) {
            copy(markerPos, n);
            return;
        }
        g_state.dqtSearchPending = 1;
        quint8 segment[kOneTableDqtSize];
        m_in.read(markerPos, segment, sizeof segment);
        if (agreeingValues(segment + 5, g_state.dqtReplacement1 + 5) >= kMinAgreeingValues)
            std::memcpy(segment + 5, g_state.dqtReplacement1 + 5, kOneTableDqtSize - 5);
        put(segment, sizeof segment);
    }

    void writeWholeDqt(qint64 markerPos, qint64 n, const quint8* replacement, std::size_t size)
    {
        g_state.dqtSearchPending = 1;
        {
            Quantization lookup;
            lookup.MatchKnownTable();
        }
        if (g_state.dqtSearchPending == 1 || qint64(size) != n) {
            g_state.dqtSearchPending = 1;
            copy(markerPos, n);
            return;
        }
        g_state.dqtSearchPending = 1;
        quint8 segment[sizeof g_state.dqtReplacement3];
        m_in.read(markerPos, segment, size);
        takeAgreeingTables(segment, replacement, int(size / (kTableValues + 1)));
        put(segment, size);
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
    qint64 m_written = 0;
    bool m_scanWritten = false;
    qint64 m_scanLength = 0;
    bool m_scanRunsToInputEnd = false;
};

template <typename Node>
DataEnd rewrite(FILE* out, const Node* start)
{
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
        end = ImageWriter(window, out).writeImage(start);
    }
    std::fclose(input);
    return end;
}

} // namespace

void SaveFile::WriteRepairedJpeg(FILE* out, int image)
{
    m_rewrittenDataEnd = rewrite(out, image == 1 ? m_thumbnailStart : g_state.segmentHead);
}

void SaveFile::WriteEmbeddedJpeg(FILE* out)
{
    m_rewrittenDataEnd = rewrite(out, g_state.embeddedSegmentHead);
}
