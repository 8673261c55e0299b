#include "huffman_lookup.h"

#include "global_state.h"
#include "tables/huffman/hoffmann.h"

#include <cstring>

namespace {

int lengthFieldOf(const QByteArray& segment)
{
    if (segment.size() < 4)
        return 0;
    return (quint8(segment[2]) << 8) | quint8(segment[3]);
}

// How many leading bytes the rewrite copies for a length field.
int prefixLength(int lengthField)
{
    if (lengthField >= 27)
        return 29;
    if (lengthField >= 25)
        return lengthField + 2;
    return 21;
}

int countSum(const QByteArray& segment, qint64 countsAt)
{
    int sum = 0;
    for (qint64 i = countsAt; i < countsAt + 16 && i < segment.size(); ++i)
        sum += quint8(segment[int(i)]);
    return sum;
}

// Where the tables of a DHT segment start, walked by its counts.
QVector<int> tableOffsets(const QByteArray& segment)
{
    QVector<int> offsets;
    for (int pos = 4; pos + 17 <= segment.size(); pos += 17 + countSum(segment, pos + 1))
        offsets.append(pos);
    return offsets;
}

// Positions of the DHT segments ahead of the first scan, in file order.
QVector<int> dhtSegmentPositions(const QByteArray& jpeg)
{
    QVector<int> positions;
    int pos = 2;
    while (pos + 4 <= jpeg.size() && quint8(jpeg[pos]) == 0xFF) {
        const quint8 marker = quint8(jpeg[pos + 1]);
        if (marker == 0xC4)
            positions.append(pos);
        if (marker == 0xDA)
            break;
        pos += 2 + lengthFieldOf(jpeg.mid(pos, 4));
    }
    return positions;
}

} // namespace

void fillDhtTableHeaders(const QByteArray& segment)
{
    qint64 position = 21 + countSum(segment, 5);
    for (int i = 0; i < 3; ++i) {
        g_state.dhtTableOffset[i] = qint32(position);
        std::memset(g_state.dhtTableHeader[i], 0, 17);
        if (position >= 0 && position + 17 <= segment.size())
            std::memcpy(g_state.dhtTableHeader[i], segment.constData() + position, 17);
        position += 17 + countSum(segment, position + 1);
    }
}

void lookUpDhtSegment(const QByteArray& segment, int segmentCount)
{
    quint8 prefix[32] = {};
    const int lengthField = lengthFieldOf(segment);
    std::memcpy(prefix, segment.constData(), std::size_t(qMin(prefixLength(lengthField), segment.size())));
    g_state.dhtSegmentCount = segmentCount;
    if (segmentCount == 1)
        fillDhtTableHeaders(segment);
    Hoffmann hoffmann;
    hoffmann.MatchKnownTable(prefix, unsigned(lengthField));
}

QByteArray dhtReplacement()
{
    return QByteArray(reinterpret_cast<const char*>(g_state.dhtReplacement), g_state.dhtReplacementSize);
}

QVector<QByteArray> dhtSegmentsOf(const QByteArray& jpeg)
{
    QVector<QByteArray> segments;
    for (int pos : dhtSegmentPositions(jpeg))
        segments.append(jpeg.mid(pos, 2 + lengthFieldOf(jpeg.mid(pos, 4))));
    return segments;
}

void lookUpDhtSegmentAsRewrite(const QByteArray& segment, int segmentCount)
{
    lookUpDhtSegment(segment, segmentCount);
    if (g_state.dhtReplacementSize == 0)
        Hoffmann().MatchTableByTable(reinterpret_cast<const quint8*>(segment.constData()), segment.size());
}

QVector<int> dhtTablePositions(const QByteArray& jpeg)
{
    QVector<int> positions;
    for (int pos : dhtSegmentPositions(jpeg)) {
        for (int offset : tableOffsets(jpeg.mid(pos, 2 + lengthFieldOf(jpeg.mid(pos, 4)))))
            positions.append(pos + offset);
    }
    return positions;
}

QByteArray withJoinedDht(const QByteArray& jpeg, const QVector<int>& order)
{
    const QVector<int> positions = dhtSegmentPositions(jpeg);
    QVector<QByteArray> tables;
    for (const QByteArray& segment : dhtSegmentsOf(jpeg)) {
        const QVector<int> offsets = tableOffsets(segment);
        for (int i = 0; i < offsets.size(); ++i) {
            const int end = i + 1 < offsets.size() ? offsets[i + 1] : segment.size();
            tables.append(segment.mid(offsets[i], end - offsets[i]));
        }
    }
    QByteArray body;
    if (order.isEmpty()) {
        for (const QByteArray& table : tables)
            body += table;
    }
    for (int index : order)
        body += tables.value(index);
    const int length = body.size() + 2;
    const QByteArray joined = QByteArray("\xFF\xC4", 2) + char(length >> 8) + char(length & 0xFF) + body;
    QByteArray out;
    int from = 0;
    for (int pos : positions) {
        out += jpeg.mid(from, pos - from);
        if (pos == positions.first())
            out += joined;
        from = pos + 2 + lengthFieldOf(jpeg.mid(pos, 4));
    }
    return out + jpeg.mid(from);
}
