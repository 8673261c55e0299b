// Drives the three marker scanners and the segment order check over
// arbitrary bytes, set up the way the per-file entry sets up a JPEG.
#include "file_open.h"
#include "global_state.h"
#include "jpg_repair.h"
#include "marker_order.h"
#include "segment_lists.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

QString inputPath()
{
    static const QString path =
        QDir::tempPath() + QString("/fuzz_jpeg_scan_%1.jpg").arg(QCoreApplication::applicationPid());
    return path;
}

bool openInput()
{
    g_state.inputFile = platform::openFile(inputPath(), "rb");
    g_state.inputFileSize = jpg_repair::FileSize(g_state.inputFile);
    return g_state.inputFile != nullptr;
}

// Flood mode: an input that starts with this byte is a start of image, then
// its next bytes (up to kFloodUnit of them) repeated kFloodRepeats times,
// then the rest: more segments or images than the recording keeps, as no
// input of the fuzzer's own size limit could hold, so that its bounds are
// reached, in a file that still takes a moment under the sanitizers.
constexpr uint8_t kFloodMode = 0xF1;
constexpr size_t kFloodUnit = 16;
constexpr size_t kBlockRepeats = 1024;
constexpr size_t kFloodRepeats =
    (size_t(std::max(kMaxRecordedSegments, kMaxRecordedImages)) / kBlockRepeats + 1) * kBlockRepeats;

bool writeInput(const uint8_t* data, size_t size)
{
    FILE* out = platform::openFile(inputPath(), "wb");
    if (!out)
        return false;
    if (size > 1 && data[0] == kFloodMode) {
        const size_t unit = std::min(size - 1, kFloodUnit);
        const uint8_t soi[2] = {0xFF, 0xD8};
        std::fwrite(soi, 1, sizeof soi, out);
        std::vector<uint8_t> block;
        for (size_t i = 0; i < kBlockRepeats; ++i)
            block.insert(block.end(), data + 1, data + 1 + unit);
        for (size_t repeats = 0; repeats < kFloodRepeats; repeats += kBlockRepeats)
            std::fwrite(block.data(), 1, block.size(), out);
        std::fwrite(data + 1 + unit, 1, size - 1 - unit, out);
    } else {
        std::fwrite(data, 1, size, out);
    }
    return std::fclose(out) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!writeInput(data, size))
        return 0;

    jpg_repair repair;
    g_state.runActive = 1;
    g_state.skipFirstImageOff = 0;

    if (openInput()) {
        repair.ScanJpegMarkers(inputPath(), g_state.inputFile, 0);
        IsSegmentOrderValid(g_state.segmentHead, 0);
        IsSegmentOrderValid(g_state.segmentHead, 1);
    }
    repair.ResetState();
    g_state.multiImageRecovery = 0;

    if (openInput()) {
        repair.ScanThumbnailMarkers(inputPath(), g_state.inputFile, 0);
        IsSegmentOrderValid(g_state.segmentHead, 1);
    }
    repair.ResetState();

    g_state.multiImageRecovery = 1;
    if (openInput()) {
        repair.ScanEmbeddedImageMarkers(inputPath(), g_state.inputFile, 0);
        IsEmbeddedSegmentOrderValid(g_state.embeddedSegmentHead);
    }
    repair.FreeEmbeddedSegments();
    repair.ResetState();
    g_state.multiImageRecovery = 0;
    g_state.thumbnailFound = 0;
    return 0;
}
