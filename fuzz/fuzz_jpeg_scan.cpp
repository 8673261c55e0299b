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

#include <cstdint>
#include <cstdio>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* out = platform::openFile(inputPath(), "wb");
    if (!out)
        return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);

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
