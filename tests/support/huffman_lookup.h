#pragma once

#include <QByteArray>
#include <QVector>

#include <iterator>

// Test helpers around the Huffman table matcher: they hand a DHT segment to
// Hoffmann the way the JPEG rewrite does and read the answer back.

// The bytes of a std::array or C array as a QByteArray.
template <typename Bytes>
QByteArray toBytes(const Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(std::data(bytes)), int(std::size(bytes)));
}

// Fills g_state's table positions and header rows from a segment that holds
// all the file's tables; a row whose 17 bytes do not lie inside the segment
// stays zero.
void fillDhtTableHeaders(const QByteArray& segment);

// Looks the segment up as the rewrite does for a file with segmentCount DHT
// segments: a 32-byte prefix buffer, the table headers in the one-segment
// case, then one call of MatchKnownTable with the segment's length field.
void lookUpDhtSegment(const QByteArray& segment, int segmentCount);

// The replacement of the latest lookup; empty when there is none.
QByteArray dhtReplacement();

// The DHT segments of a JPEG file's header, in file order.
QVector<QByteArray> dhtSegmentsOf(const QByteArray& jpeg);

// Looks the segment up as the rewrite does: the whole-segment lookup of
// lookUpDhtSegment and, when that finds nothing, the table-by-table one.
void lookUpDhtSegmentAsRewrite(const QByteArray& segment, int segmentCount);

// Where the tables of a JPEG's DHT segments (those before its first scan)
// start in the file, their class/identifier bytes in file order, walked by
// each segment's counts.
QVector<int> dhtTablePositions(const QByteArray& jpeg);

// The JPEG with the tables of all its DHT segments (those before its first
// scan) joined into one DHT segment, which stands where the first of them
// stood. `order` lists the tables to write by their index in file order;
// empty means all of them in file order.
QByteArray withJoinedDht(const QByteArray& jpeg, const QVector<int>& order = {});
