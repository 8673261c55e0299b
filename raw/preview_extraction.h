#pragma once

#include "marker_scan.h"
#include "preview_image.h"
#include "preview_writer.h"
#include "raw_input.h"

#include <functional>

// The steps every extractor ends with once it has located its images.

// The start check: an image whose offset does not hold FF D8 is dropped.
void dropImagesWithoutStart(RawInput& input, PreviewImages& images);

bool anyLocated(const PreviewImages& images);

// Writes images[i] as output i + 1 and lists each complete write.
void writeImages(RawInput& input, PreviewWriter& writer, const PreviewImages& images);

// Runs the start check on the located images. When any value survives, the
// located images are written (even if none of them can be); otherwise the
// fallback's images are.
void writeLocatedOrFallback(RawInput& input, PreviewWriter& writer, PreviewImages located,
                            const std::function<PreviewImages()>& fallback);

// The same with one of the two marker scans as the fallback.
void writeLocatedOrScanTwo(RawInput& input, PreviewWriter& writer, PreviewImages located,
                           const MarkerScan& fallback);
void writeLocatedOrScanFirst(RawInput& input, PreviewWriter& writer, PreviewImages located,
                             const MarkerScan& fallback);
