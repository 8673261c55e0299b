// Counting the HEVC slices of a HEIC file runs on the user-interface thread:
// it must take at most three times as long as reading the file once.
// Repairing a damaged grid photo (check, rebuild, data copy with its decode
// check) must take at most one and a half times as long as one libheif decode
// of the same photo.

#include "file_open.h"
#include "global_state.h"
#include "heic/heic_decode_check.h"
#include "heic/heic_state.h"
#include "heic_photo.h"
#include "jpg_repair.h"
#include "temp_file.h"

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
// Tiles of 256 x 256 pixels: a grid photo of 2048 x 1536.
constexpr int kPhotoTile = 256;

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

// One libheif decode of the photo held in memory.
double decodeMs(const QByteArray& photo, bool* decoded)
{
    QElapsedTimer timer;
    timer.start();
    *decoded = heicDecodes(photo);
    return timer.nsecsElapsed() / 1e6;
}

// The repair without a sample as the repair run drives it; the output is
// removed afterwards so every round creates it anew.
double repairMs(const QString& path, bool* listed)
{
    g_state.producedFiles.clear();
    QElapsedTimer timer;
    timer.start();
    jpg_repair repair;
    *listed = repair.CheckHeic(path) && repair.CopyHevcData(repair.RebuildHeic(path));
    const double ms = timer.nsecsElapsed() / 1e6;
    QDir(g_state.workFolder).removeRecursively();
    return ms;
}

// A grid photo made by the real encoder and one copy with its iloc box
// zeroed, which no decoder opens; false when the encoder is missing.
bool writePhotos(const QString& original, const QString& damaged)
{
    const HeicPhoto photo = makeHeicPhoto(HeicBoxLayout::MetaFirst, 1, kPhotoTile);
    if (photo.bytes.isEmpty()) {
        std::printf("bench_heic: %s\n", qPrintable(photo.error));
        return false;
    }
    QByteArray broken = photo.bytes;
    const FoundBox iloc = findBox(broken, "iloc");
    broken.replace(iloc.start + 12, iloc.size - 12, QByteArray(iloc.size - 12, '\0'));
    QFile a(original);
    QFile b(damaged);
    return a.open(QIODevice::WriteOnly) && a.write(photo.bytes) == photo.bytes.size()
        && b.open(QIODevice::WriteOnly) && b.write(broken) == broken.size();
}

// One libheif decode of the photo against the repair of its damaged copy.
bool benchRepair(const QTemporaryDir& dir)
{
    const QString original = dir.filePath(QStringLiteral("original.heic"));
    const QString damaged = dir.filePath(QStringLiteral("IMG_1.HEIC"));
    if (!writePhotos(original, damaged))
        return false;
    g_state.workFolder = dir.filePath(QStringLiteral("RepairedFiles"));
    std::vector<double> decodes;
    std::vector<double> repairs;
    bool decoded = false;
    bool listed = false;
    const QByteArray photo = readFileBytes(original);
    for (int round = 0; round < kRounds; ++round) {
        decodes.push_back(decodeMs(photo, &decoded));
        repairs.push_back(repairMs(damaged, &listed));
    }
    const double decode = median(decodes);
    const double repaired = median(repairs);
    std::printf("bench_heic: %lld-byte grid photo of 48 tiles, decoded %d, repair listed %d\n",
                QFileInfo(damaged).size(), int(decoded), int(listed));
    std::printf("  one libheif decode: %.3f ms, repair with decode check: %.3f ms\n", decode, repaired);
    std::printf("  ratio repair/decode: %.3f (target <= 1.5)\n", repaired / std::max(decode, 1e-3));
    return decoded && listed;
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
    const bool repaired = benchRepair(dir);
    return count == kSlices && repaired ? 0 : 1;
}
