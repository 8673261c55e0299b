// Times the marker scan of a 24-megapixel JPEG against one plain read of the
// same file into memory, and prints the ratio of the two; then the same for
// that JPEG with its scan data replaced by FF 00 pairs (stuffed FF bytes, the
// densest data the scan steps over) and by FF bytes only (erased memory,
// where the scan lists stray pairs up to its bound).
#include "file_open.h"
#include "global_state.h"
#include "jpg_repair.h"
#include "segment_lists.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QImage>
#include <QPair>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;
constexpr int kRounds = 15;

// Smooth gradients with a little noise, so the encoder produces scan data
// of a photo's density.
QImage photoLikeImage()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = int(seed >> 28) - 8;
            line[x] = qRgb(qBound(0, x * 255 / kWidth + noise, 255),
                           qBound(0, y * 255 / kHeight + noise, 255),
                           qBound(0, ((x / 40 + y / 30) % 2) * 120 + 60 + noise, 255));
        }
    }
    return image;
}

double readOnceMs(const QString& path)
{
    FILE* file = platform::openFile(path, "rb");
    const qint64 size = jpg_repair::FileSize(file);
    std::vector<char> memory(static_cast<std::size_t>(size));
    QElapsedTimer timer;
    timer.start();
    const std::size_t got = std::fread(memory.data(), 1, memory.size(), file);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::fclose(file);
    return got == memory.size() ? ms : -1;
}

double scanMs(const QString& path, int* nodes)
{
    g_state.inputFile = platform::openFile(path, "rb");
    g_state.inputFileSize = jpg_repair::FileSize(g_state.inputFile);
    g_state.runActive = 1;
    jpg_repair repair;
    QElapsedTimer timer;
    timer.start();
    repair.ScanJpegMarkers(path, g_state.inputFile, 0);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    *nodes = 0;
    for (const SegmentNode* node = g_state.segmentHead; node; node = node->next)
        ++*nodes;
    repair.ResetState();
    return ms;
}

// Position of the first byte after the SOS segment, found by walking the
// segments from the start of the image; 0 when there is none.
int scanDataStart(const QByteArray& jpeg)
{
    int pos = 2;
    while (pos + 4 <= jpeg.size() && quint8(jpeg[pos]) == 0xFF) {
        const int length = quint8(jpeg[pos + 2]) << 8 | quint8(jpeg[pos + 3]);
        if (quint8(jpeg[pos + 1]) == 0xDA)
            return pos + 2 + length;
        pos += 2 + length;
    }
    return 0;
}

// The JPEG at path again at stuffedPath, its scan data all FF `second` up to
// the closing FF D9.
bool writeStuffedCopy(const QString& path, const QString& stuffedPath, quint8 second)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray jpeg = in.readAll();
    const int start = scanDataStart(jpeg);
    if (start == 0)
        return false;
    for (int i = start; i + 1 < jpeg.size() - 2; i += 2) {
        jpeg[i] = char(0xFF);
        jpeg[i + 1] = char(second);
    }
    QFile out(stuffedPath);
    return out.open(QIODevice::WriteOnly) && out.write(jpeg) == jpeg.size();
}

// Best of kRounds scans and reads of the file, printed with their ratio and
// what that ratio is held to.
void benchScan(const QString& label, const QString& path, const char* target)
{
    double bestRead = 1e30;
    double bestScan = 1e30;
    int nodes = 0;
    readOnceMs(path); // page cache warm-up
    for (int round = 0; round < kRounds; ++round) {
        bestRead = std::min(bestRead, readOnceMs(path));
        bestScan = std::min(bestScan, scanMs(path, &nodes));
    }
    const qint64 size = QFileInfo(path).size();
    std::printf("%s: %lld bytes, %d segment nodes\n", qPrintable(label), size, nodes);
    std::printf("  one read into memory: %.2f ms\n", bestRead);
    std::printf("  ScanJpegMarkers:      %.2f ms\n", bestScan);
    std::printf("  ratio scan/read: %.2f (%s)\n", bestScan / bestRead, target);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("bench_24mp.jpg");
    if (!photoLikeImage().save(path, "JPG", 90)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return 1;
    }

    const QString stuffedPath = dir.filePath("bench_24mp_stuffed.jpg");
    const QString erasedPath = dir.filePath("bench_24mp_erased.jpg");
    for (const auto& copy : {qMakePair(stuffedPath, quint8(0x00)), qMakePair(erasedPath, quint8(0xFF))}) {
        if (!writeStuffedCopy(path, copy.first, copy.second)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(copy.first));
            return 1;
        }
    }
    benchScan(QStringLiteral("24-megapixel JPEG"), path, "target <= 2");
    benchScan(QStringLiteral("the same JPEG, scan data all FF 00"), stuffedPath, "target <= 2");
    // Every FF FF pair of this scan is a stray byte the scan records (up to
    // its bound), so this row shows the recording's cost, not the search's.
    benchScan(QStringLiteral("the same JPEG, scan data all FF"), erasedPath, "worst case, every pair recorded; no target");
    return 0;
}
