// Preview extraction from a 60 MB RAW-shaped file against one plain read of
// the same file, and the peak memory of the extraction.
//
// The file is a little-endian TIFF whose directories point nowhere useful,
// so the extractor runs its fallback marker scan over the whole file and
// finds the 5 MB preview that lies near the end.
#include "file_open.h"
#include "global_state.h"
#include "jpg_repair.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr qint64 kFileSize = 60ll * 1024 * 1024;
constexpr qint64 kPreviewSize = 5ll * 1024 * 1024;
constexpr qint64 kPreviewOffset = kFileSize - kPreviewSize - 64 * 1024;
constexpr std::size_t kChunk = 1024 * 1024;

// Sensor-like filler: random bytes in which no start-of-image marker occurs.
void fillRandom(std::vector<unsigned char>& bytes, std::mt19937& random)
{
    for (unsigned char& b : bytes)
        b = static_cast<unsigned char>(random());
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xD8)
            bytes[i + 1] = 0;
    }
}

// Entropy-coded-like preview body: random bytes with every FF stuffed by 00.
void fillPreviewBody(std::vector<unsigned char>& bytes, std::mt19937& random)
{
    fillRandom(bytes, random);
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF)
            bytes[i + 1] = 0;
    }
}

bool writeRawShapedFile(const QString& path)
{
    FILE* out = platform::openFile(path, "wb");
    if (!out)
        return false;
    std::mt19937 random(7);
    std::vector<unsigned char> chunk(kChunk);
    const unsigned char header[] = {0x49, 0x49, 0x2A, 0x00, 0x08, 0x00, 0x00, 0x00,
                                    0x01, 0x00, 0x01, 0x02, 0x04, 0x00, 0x01, 0x00, 0x00, 0x00,
                                    0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    const unsigned char start[] = {0xFF, 0xD8, 0xFF, 0xDB};
    const unsigned char end[] = {0xFF, 0xD9};
    qint64 written = 0;
    bool ok = std::fwrite(header, 1, sizeof header, out) == sizeof header;
    written += sizeof header;
    const auto fill = [&](qint64 until, bool preview) {
        while (ok && written < until) {
            chunk.resize(std::size_t(std::min<qint64>(qint64(kChunk), until - written)));
            preview ? fillPreviewBody(chunk, random) : fillRandom(chunk, random);
            if (!chunk.empty() && chunk.back() == 0xFF)
                chunk.back() = 0;
            ok = std::fwrite(chunk.data(), 1, chunk.size(), out) == chunk.size();
            written += qint64(chunk.size());
        }
    };
    fill(kPreviewOffset, false);
    ok = ok && std::fwrite(start, 1, sizeof start, out) == sizeof start;
    written += sizeof start;
    fill(kPreviewOffset + kPreviewSize - 2, true);
    ok = ok && std::fwrite(end, 1, sizeof end, out) == sizeof end;
    written += sizeof end;
    fill(kFileSize, false);
    return std::fclose(out) == 0 && ok;
}

double plainReadSeconds(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    FILE* in = platform::openFile(path, "rb");
    std::vector<unsigned char> chunk(kChunk);
    unsigned sum = 0;
    while (in) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), in);
        if (got == 0)
            break;
        sum += chunk[got - 1];
    }
    if (in)
        std::fclose(in);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    return sum == 0xFFFFFFFFu ? seconds + 1 : seconds;
}

double extractionSeconds(const QString& path)
{
    g_state.producedFiles.clear();
    QDir(g_state.workFolder).removeRecursively();
    QElapsedTimer timer;
    timer.start();
    jpg_repair repair;
    repair.ExtractARW(path);
    return double(timer.nsecsElapsed()) / 1e9;
}

// Peak resident memory in kB since the last reset.
long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

void resetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("BENCH.ARW"));
    if (!dir.isValid() || !writeRawShapedFile(path)) {
        std::fprintf(stderr, "cannot write the benchmark file\n");
        return 1;
    }
    g_state.workFolder = dir.filePath(QStringLiteral("RepairedFiles"));

    constexpr int kRounds = 3;
    double read = 1e9;
    double extract = 1e9;
    plainReadSeconds(path);
    resetPeakResident();
    const long before = peakResidentKb();
    for (int i = 0; i < kRounds; ++i) {
        read = std::min(read, plainReadSeconds(path));
        extract = std::min(extract, extractionSeconds(path));
    }
    const long peak = peakResidentKb();
    const qint64 previewBytes = QFile(g_state.workFolder + QStringLiteral("/BENCH_1.jpg")).size();

    std::printf("raw preview extraction, %lld MB file, preview of %lld bytes found by the fallback scan\n",
                kFileSize >> 20, previewBytes);
    std::printf("one read of the file: %.1f ms; extraction: %.1f ms; ratio %.2f (target <= 3)\n",
                read * 1e3, extract * 1e3, extract / read);
    std::printf("peak resident memory: %ld kB (%ld kB before the runs); target < %lld kB (largest preview + 16 MB)\n",
                peak, before, (kPreviewSize + 16ll * 1024 * 1024) / 1024);
    return previewBytes == kPreviewSize ? 0 : 1;
}
