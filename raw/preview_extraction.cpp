#include "preview_extraction.h"

#include <algorithm>

void dropImagesWithoutStart(RawInput& input, PreviewImages& images)
{
    for (PreviewImage& image : images) {
        if (!input.startsImage(image.offset))
            image = PreviewImage();
    }
}

bool anyLocated(const PreviewImages& images)
{
    return std::any_of(images.begin(), images.end(), [](const PreviewImage& i) { return i.located(); });
}

void writeImages(RawInput& input, PreviewWriter& writer, const PreviewImages& images)
{
    for (std::size_t i = 0; i < images.size(); ++i)
        writer.writeAndList(input, images[i], int(i) + 1);
}

void writeLocatedOrFallback(RawInput& input, PreviewWriter& writer, PreviewImages located,
                            const std::function<PreviewImages()>& fallback)
{
    dropImagesWithoutStart(input, located);
    writeImages(input, writer, anyLocated(located) ? located : fallback());
}

void writeLocatedOrScanTwo(RawInput& input, PreviewWriter& writer, PreviewImages located,
                           const MarkerScan& fallback)
{
    writeLocatedOrFallback(input, writer, std::move(located),
                           [&] { return scanTwoImages(input, fallback); });
}

void writeLocatedOrScanFirst(RawInput& input, PreviewWriter& writer, PreviewImages located,
                             const MarkerScan& fallback)
{
    writeLocatedOrFallback(input, writer, std::move(located),
                           [&] { return scanFirstImage(input, fallback); });
}
