#include "marker_scan.h"

#include <array>

namespace {

constexpr int kStoredSlots = 3;

// Starts and ends as the two-image scan records them: only the first three
// of each are kept, the counters go on counting.
struct ScanRecord {
    std::array<quint64, kStoredSlots> starts{};
    std::array<quint64, kStoredSlots> ends{};
    int startCount = 0;
    int endCount = 0;

    void addStart(quint64 pos, bool storable)
    {
        if (storable && startCount < kStoredSlots)
            starts[std::size_t(startCount)] = pos;
        ++startCount;
    }
    void addEnd(quint64 pos, bool storable)
    {
        if (storable && endCount < kStoredSlots)
            ends[std::size_t(endCount)] = pos;
        ++endCount;
    }
};

PreviewImage span(quint64 start, quint64 end)
{
    return PreviewImage{quint32(start), quint32(end - start)};
}

} // namespace

BytePatterns quantizationOrHuffmanStarts()
{
    return {bytesOf({0xFF, 0xD8, 0xFF, 0xDB}), bytesOf({0xFF, 0xD8, 0xFF, 0xC4})};
}

qint64 findScanStart(RawInput& input, quint64 from, const MarkerScan& scan)
{
    quint64 pos = from;
    for (;;) {
        const qint64 found = input.find(pos, scan.starts, StopPolling::Poll);
        if (found < 0 || !scan.startTest || scan.startTest(input, quint64(found)))
            return found;
        pos = quint64(found) + 1;
    }
}

PreviewImages scanTwoImages(RawInput& input, const MarkerScan& scan)
{
    ScanRecord record;
    quint64 pos = 0;
    for (;;) {
        const qint64 start = findScanStart(input, pos, scan);
        if (start < 0)
            break;
        const bool startRoom = scan.startNeedsRoom == 0 || input.holds(quint64(start) + scan.startNeedsRoom);
        record.addStart(quint64(start), startRoom);
        const qint64 marker = input.findEndMarker(quint64(start) + 4, scan.endSearch);
        if (marker < 0)
            break;
        const quint64 end = quint64(marker) + 2;
        record.addEnd(end, !scan.endNeedsRoom || input.holds(end + 4));
        pos = quint64(marker) + 1;
    }
    if (record.startCount == 0 || record.endCount == 0)
        return {};
    const quint64 secondStart = record.starts[2] != 0 ? record.starts[2] : record.starts[1];
    const quint64 secondEnd = record.ends[2] != 0 ? record.ends[2] : record.ends[1];
    return {span(record.starts[0], record.ends[0]), span(secondStart, secondEnd)};
}

PreviewImages scanFirstImage(RawInput& input, const MarkerScan& scan)
{
    const qint64 start = findScanStart(input, 0, scan);
    if (start < 0 || !input.holds(quint64(start) + 4))
        return {};
    const qint64 marker = input.findEndMarker(quint64(start) + 4, scan.endSearch);
    if (marker < 0)
        return {};
    const quint64 end = quint64(marker) + 2;
    if (scan.endNeedsRoom && !input.holds(end + 4))
        return {};
    return {span(quint64(start), end)};
}

PreviewImage jpegAt(RawInput& input, quint64 start, StopPolling endSearch)
{
    if (!input.holds(start + 4))
        return PreviewImage{quint32(start), 0};
    const qint64 marker = input.findEndMarker(start + 4, endSearch);
    return marker < 0 ? PreviewImage{quint32(start), 0} : imageUpTo(start, quint64(marker));
}

PreviewImage firstJpegFrom(RawInput& input, quint64 from, const BytePatterns& starts, StopPolling endSearch)
{
    const qint64 start = input.find(from, starts, StopPolling::Poll);
    return start < 0 ? PreviewImage{} : jpegAt(input, quint64(start), endSearch);
}
