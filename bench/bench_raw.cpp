// Preview extraction from 60 MB RAW-shaped files against one plain read of
// the same file, and the peak memory of the extraction.
//
// Each file is a little-endian TIFF whose directories point nowhere useful,
// so the extractor runs its marker scans over the whole file and finds the
// 5 MB preview that lies near the end. The filler around the preview is
// sensor-like (random, an FF about every 256 bytes) or dense in FF: all FF
// (an erased card) or FF 3F pairs (14-bit samples clipped at 0x3FFF). ARW
// stands for the formats that scan the file once, RW2 for those that search
// it for an Exif JPEG before the fallback scan.
#include "peak_memory.h"
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

enum class Filler { SensorLike, AllFF, FF3F };

// Sensor-like filler: random bytes in which no start-of-image marker occurs.
void fillRandom(std::vector<unsigned char>& bytes, std::mt19937& random)
{
    for (unsigned char& b : bytes)
        b = static_cast<unsigned char>(random());
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xD8)
            bytes[i + 1] = 0;
    }
    // A chunk that ended in FF could form a marker with the next one.
    if (!bytes.empty() && bytes.back() == 0xFF)
        bytes.back() = 0;
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

// Chunks start at even positions, so FF 3F pairs keep their phase.
void fillFiller(std::vector<unsigned char>& bytes, Filler filler, std::mt19937& random)
{
    switch (filler) {
    case Filler::SensorLike:
        fillRandom(bytes, random);
        break;
    case Filler::AllFF:
        std::fill(bytes.begin(), bytes.end(), 0xFF);
        break;
    case Filler::FF3F:
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = i % 2 == 0 ? 0xFF : 0x3F;
        break;
    }
}

bool writeRawShapedFile(const QString& path, Filler filler)
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
            preview ? fillPreviewBody(chunk, random) : fillFiller(chunk, filler, random);
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

using Extractor = void (jpg_repair::*)(QString);

double extractionSeconds(const QString& path, Extractor extract)
{
    g_state.producedFiles.clear();
    QDir(g_state.workFolder).removeRecursively();
    QElapsedTimer timer;
    timer.start();
    jpg_repair repair;
    (repair.*extract)(path);
    return double(timer.nsecsElapsed()) / 1e9;
}

struct BenchCase {
    const char* label;
    const char* suffix;
    Extractor extract;
    Filler filler;
    double target;
};

// Runs one case; false when the preview was not extracted whole.
bool runCase(const QTemporaryDir& dir, const BenchCase& bench)
{
    const QString path = dir.filePath(QStringLiteral("BENCH.") + QLatin1String(bench.suffix));
    if (!writeRawShapedFile(path, bench.filler)) {
        std::fprintf(stderr, "cannot write the benchmark file\n");
        return false;
    }
    constexpr int kRounds = 3;
    double read = 1e9;
    double extract = 1e9;
    plainReadSeconds(path);
    resetPeakResident();
    const long before = peakResidentKb();
    for (int i = 0; i < kRounds; ++i) {
        read = std::min(read, plainReadSeconds(path));
        extract = std::min(extract, extractionSeconds(path, bench.extract));
    }
    const long peak = peakResidentKb();
    const qint64 previewBytes = QFile(g_state.workFolder + QStringLiteral("/BENCH_1.jpg")).size();
    QFile::remove(path);

    std::printf("%s: %lld MB file, preview of %lld bytes found\n", bench.label, kFileSize >> 20, previewBytes);
    std::printf("  one read of the file: %.1f ms; extraction: %.1f ms; ratio %.2f (target <= %.1f)\n",
                read * 1e3, extract * 1e3, extract / read, bench.target);
    std::printf("  peak resident memory: %ld kB (%ld kB before the runs); target < %lld kB (largest preview + 16 MB)\n",
                peak, before, (kPreviewSize + 16ll * 1024 * 1024) / 1024);
    return previewBytes == kPreviewSize;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    g_state.workFolder = dir.filePath(QStringLiteral("RepairedFiles"));
    const BenchCase cases[] = {
        {"ARW, sensor-like filler", "ARW", &jpg_repair::ExtractARW, Filler::SensorLike, 2.0},
        {"ARW, all FF", "ARW", &jpg_repair::ExtractARW, Filler::AllFF, 3.0},
        {"ARW, FF 3F pairs", "ARW", &jpg_repair::ExtractARW, Filler::FF3F, 3.0},
        {"RW2, all FF", "RW2", &jpg_repair::ExtractRW2, Filler::AllFF, 3.0},
        {"RW2, FF 3F pairs", "RW2", &jpg_repair::ExtractRW2, Filler::FF3F, 3.0},
    };
    bool allFound = true;
    for (const BenchCase& bench : cases)
        allFound = runCase(dir, bench) && allFound;
    return allFound ? 0 : 1;
}
