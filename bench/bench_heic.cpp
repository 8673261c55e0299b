// Counting the HEVC slices of a HEIC file runs on the user-interface thread:
// it must take at most three times as long as reading the file once.

#include "file_open.h"
#include "jpg_repair.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSlices = 48;
constexpr int kSliceBody = 12 * 1024 * 1024 / kSlices;
constexpr int kRounds = 7;

void putBe32(QByteArray& out, quint32 v)
{
    out.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
}

QByteArray box(const char* type, const QByteArray& payload)
{
    QByteArray out;
    putBe32(out, quint32(8 + payload.size()));
    return out.append(type, 4).append(payload);
}

// A meta-first HEIC of about 12 MB: ftyp, a meta box, then an mdat box with
// 48 length-prefixed IDR slices of noise.
QByteArray heicShapedFile()
{
    QByteArray media;
    quint32 state = 1;
    for (int i = 0; i < kSlices; ++i) {
        putBe32(media, quint32(kSliceBody + 4));
        putBe32(media, 0x2801AF80);
        QByteArray body(kSliceBody, '\0');
        for (char& b : body) {
            state = state * 1103515245u + 12345u;
            b = char(state >> 24);
        }
        media.append(body);
    }
    return box("ftyp", QByteArray("heic\0\0\0\0mif1heic", 16))
        + box("meta", QByteArray(4, '\0') + box("hdlr", QByteArray(25, '\0')))
        + box("mdat", media);
}

// One read of the file into a buffer made (and touched) before the clock
// starts, so the baseline times the read alone.
double readOnceMs(const QString& path, std::vector<char>& buffer)
{
    QElapsedTimer timer;
    timer.start();
    FILE* file = platform::openFile(path, "rb");
    std::size_t total = 0;
    while (file) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        total += got;
        if (got < buffer.size())
            break;
    }
    if (file)
        std::fclose(file);
    const double ms = timer.nsecsElapsed() / 1e6;
    return total > 0 ? ms : -1;
}

double countMs(const QString& path, int* count)
{
    QElapsedTimer timer;
    timer.start();
    jpg_repair repair;
    *count = repair.CountHeicTiles(path);
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.HEIC"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(heicShapedFile()) < 0)
        return 1;
    out.close();

    std::vector<char> buffer(16 * 1024 * 1024);
    std::vector<double> reads;
    std::vector<double> counts;
    int count = 0;
    for (int round = 0; round < kRounds; ++round) {
        reads.push_back(readOnceMs(path, buffer));
        counts.push_back(countMs(path, &count));
    }
    const double read = median(reads);
    const double counted = median(counts);
    const double ratio = counted / std::max(read, 1e-3);
    std::printf("bench_heic: %lld-byte HEIC, %d slices counted\n", QFileInfo(path).size(), count);
    std::printf("  read once: %.3f ms, CountHeicTiles: %.3f ms\n", read, counted);
    std::printf("  ratio count/read: %.3f (target <= 3)\n", ratio);
    return count == kSlices ? 0 : 1;
}
