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
    int pos = 2;
    while (pos + 4 <= jpeg.size() && quint8(jpeg[pos]) == 0xFF) {
        const quint8 marker = quint8(jpeg[pos + 1]);
        const int size = 2 + ((quint8(jpeg[pos + 2]) << 8) | quint8(jpeg[pos + 3]));
        if (marker == 0xC4)
            segments.append(jpeg.mid(pos, size));
        if (marker == 0xDA)
            break;
        pos += size;
    }
    return segments;
}
