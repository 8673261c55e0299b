#pragma once

#include "preview_image.h"
#include "raw_input.h"

#include <functional>

// The fallback scans that look for embedded JPEGs by their markers when a
// format's structure yields nothing.
struct MarkerScan {
    // Start patterns, e.g. FF D8 FF DB and FF D8 FF C4.
    BytePatterns starts;
    // A further test a position matching a pattern must pass to be a start.
    std::function<bool(RawInput&, quint64)> startTest;
    // A start is stored only when start + this lies inside the file (0: always).
    quint64 startNeedsRoom = 0;
    // An end e is kept only when e + 4 lies inside the file.
    bool endNeedsRoom = true;
    // Whether the search for FF D9 after a start tests the stop flag.
    StopPolling endSearch = StopPolling::Ignore;
};

// The start patterns most formats scan for.
BytePatterns quantizationOrHuffmanStarts();

// Collects up to three starts and ends; yields image 1 = the first JPEG and
// image 2 = the third (or, without a third, the second). Ends that were not
// stored give wrapped lengths, which the write step refuses.
PreviewImages scanTwoImages(RawInput& input, const MarkerScan& scan);

// Tries only the first start; yields at most one image.
PreviewImages scanFirstImage(RawInput& input, const MarkerScan& scan);

// First position at or after from that matches a start pattern and passes
// the scan's further test, or -1. The outer loop polls the stop flag.
qint64 findScanStart(RawInput& input, quint64 from, const MarkerScan& scan);

// The JPEG that starts at start, up to just after the first FF D9 from
// start + 4; its length is 0 when start + 4 lies outside the file or no FF D9
// follows.
PreviewImage jpegAt(RawInput& input, quint64 start, StopPolling endSearch);

// The first JPEG whose start pattern lies at or after from (the search polls
// the stop flag), measured as jpegAt does; empty when there is none.
PreviewImage firstJpegFrom(RawInput& input, quint64 from, const BytePatterns& starts, StopPolling endSearch);
