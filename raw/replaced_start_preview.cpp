#include "replaced_start_preview.h"

namespace {

constexpr quint8 kStartSecondByte = 0xD8;

PreviewImage scanForStoredStart(RawInput& input, const BytePatterns& starts, int d8Index)
{
    const qint64 match = input.find(0, starts, StopPolling::Poll);
    if (match < 0)
        return {};
    const quint64 afterPattern = quint64(match) + quint64(starts.first().size());
    if (!input.holds(afterPattern))
        return {};
    const qint64 marker = input.findEndMarker(afterPattern, StopPolling::Ignore);
    if (marker < 0)
        return {};
    return imageUpTo(quint64(match) + quint64(d8Index), quint64(marker));
}

} // namespace

void writeReplacedStartPreview(RawInput& input, PreviewWriter& writer, const std::optional<PreviewImage>& located,
                               const BytePatterns& fallbackStarts, int d8Index)
{
    const bool usable = located && input.byteAt(located->offset) == kStartSecondByte;
    const PreviewImage image = usable ? *located : scanForStoredStart(input, fallbackStarts, d8Index);
    writer.writeAndList(input, image, 1, bytesOf({0xFF}));
}
