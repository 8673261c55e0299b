// Time of RepairFile on a 24-megapixel JPEG with an EXIF thumbnail, against
// one decode of the same file with QImage and one plain decode with the JPEG
// library, measured in the same run; the same for the photo with a quarter
// of its luminance quantization values garbled, whose repair decodes the
// table's candidates; the CPU time the decode check takes for a crafted
// progressive file of 500 scans, which it ends at its bound; the time and
// memory the decode check takes for a tiny progressive file that declares
// 64250 x 64250 pixels; and the time of RepairFile and of the advanced repair
// on inputs dense in FF bytes, against one read of the same file.
#include "decode_check.h"
#include "peak_memory.h"
#include "repair_once.h"
#include "global_state.h"
#include "jpg_repair.h"
#include "save_file.h"
#include "wipe_folder.h"

// The EXIF thumbnail segment and the oversized frame are built by the same
// code the tests use.
#include "../tests/support/crafted_progressive.cpp"
#include "../tests/support/exif_fixture.cpp"
#include "../tests/support/jpeg_fixture.cpp"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace {

constexpr int kRuns = 3;

// A 6000 x 4000 photo-like picture: gradients with fine texture, so the
// scan data has the size of a camera image.
QImage makePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = ((x * 7919) ^ (y * 104729)) & 0x1F;
            line[x] = qRgb((x * 255 / width + noise) & 0xFF, (y * 255 / height + noise) & 0xFF,
                           ((x + y) / 16 + noise) & 0xFF);
        }
    }
    return image;
}

QString peakMemory()
{
    return QStringLiteral("%1 kB").arg(peakResidentKb());
}

qint64 timeDecode(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    QImage image;
    if (!image.load(path))
        std::fprintf(stderr, "decode failed\n");
    return timer.nsecsElapsed();
}

// Full-size decode to RGB with the library's default settings.
qint64 timePlainDecode(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    std::vector<JSAMPLE> row(std::size_t(cinfo.output_width) * std::size_t(cinfo.output_components));
    JSAMPROW rows[1] = {row.data()};
    while (cinfo.output_scanline < cinfo.output_height)
        jpeg_read_scanlines(&cinfo, rows, 1);
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    return timer.nsecsElapsed();
}

// The file with 16 of the 64 values of its first quantization table
// replaced by other bytes, as a damaged card gives them.
QByteArray withGarbledLuminanceTable(QByteArray jpeg)
{
    const int values = fixture::markerOffset(jpeg, 0xDB) + 5;
    for (int i = 0; i < 16; ++i) {
        const int at = values + (i * 37 + 11) % 64;
        jpeg[at] = char((i * 89 + 200) & 0xFF);
    }
    return jpeg;
}

qint64 timeRepair(const QString& path, const QString& workFolder)
{
    QElapsedTimer timer;
    timer.start();
    repairOnce(path, workFolder);
    const qint64 elapsed = timer.nsecsElapsed();
    if (g_state.producedFiles.size() != 2)
        std::fprintf(stderr, "unexpected outputs: %s\n",
                     qPrintable(g_state.producedFiles.join(", ")));
    FolderWiper().WipeFolder("RepairedFiles");
    freeResultList();
    return elapsed;
}

// Best of kRuns of one plain read of the file into memory allocated before.
qint64 timeRead(const QString& path)
{
    QFile file(path);
    std::vector<char> memory(std::size_t(QFileInfo(path).size()));
    qint64 best = std::numeric_limits<qint64>::max();
    for (int run = 0; run < kRuns; ++run) {
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        QElapsedTimer timer;
        timer.start();
        const qint64 got = file.read(memory.data(), qint64(memory.size()));
        best = std::min(best, timer.nsecsElapsed());
        file.close();
        if (got != qint64(memory.size()))
            return -1;
    }
    return best;
}

qint64 bestOf(const std::function<void()>& run)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed());
        FolderWiper().WipeFolder("RepairedFiles");
        freeResultList();
    }
    return best;
}

void printAgainstRead(const char* what, const QString& path, qint64 elapsed)
{
    const qint64 read = timeRead(path);
    std::printf("%s: %lld bytes, one read %.2f ms, %.1f ms, ratio %.1f\n", what,
                static_cast<long long>(QFileInfo(path).size()), read / 1e6, elapsed / 1e6,
                double(elapsed) / double(read));
}

QString putBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return path;
}

// Inputs dense in FF bytes, as an erased card area or a damaged scan leaves
// them: 16 MiB of FF after a photo; three photos in one file, the first with
// 16 MiB of FF in the middle of its scan data, then 16 MiB of FF; and for the
// advanced repair a photo behind 16 MiB of FF (its file's start erased).
void benchDenseInputs(const QString& folder, const QString& workFolder)
{
    const QByteArray photo = fixture::encodeJpeg(makePicture(1600, 1200), 90);
    const QByteArray erased(16 * 1024 * 1024, char(0xFF));
    const QByteArray split = photo.left(photo.size() / 2) + erased + photo.mid(photo.size() / 2);
    const QString appended = putBytes(folder + "/appended.jpg", photo + erased);
    const QString several = putBytes(folder + "/several.jpg", split + photo + photo + erased);
    const QString sample = putBytes(folder + "/sample.jpg", photo);
    const QString erasedStart = putBytes(folder + "/erased_start.jpg", erased + photo);

    printAgainstRead("RepairFile, photo + 16 MiB of FF", appended,
                     bestOf([&] { repairOnce(appended, workFolder); }));
    printAgainstRead("RepairFile, three photos with 32 MiB of FF", several,
                     bestOf([&] { repairOnce(several, workFolder); }));
    printAgainstRead("AdvancedRepair, 16 MiB of FF + photo", erasedStart, bestOf([&] {
                         g_state.workFolder = workFolder;
                         g_state.producedFiles.clear();
                         jpg_repair().AdvancedRepair(sample, erasedStart);
                     }));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("TMPDIR", dir.path().toUtf8());
    const QString input = dir.path() + "/IMG_24MP.jpg";
    const QByteArray thumbnail = fixture::encodeJpeg(makePicture(160, 120), 85);
    const QByteArray photo = fixture::encodeJpeg(makePicture(6000, 4000), 90);
    {
        QFile file(input);
        file.open(QIODevice::WriteOnly);
        file.write(fixture::withExifThumbnail(photo, thumbnail));
    }
    const QString damaged = dir.path() + "/IMG_24MP_DQT.jpg";
    {
        QFile file(damaged);
        file.open(QIODevice::WriteOnly);
        file.write(fixture::withExifThumbnail(withGarbledLuminanceTable(photo), thumbnail));
    }
    const QString workFolder = dir.path() + "/RepairedFiles";
    QDir().mkpath(workFolder);

    // The oversized frame first, so the peak memory below includes it.
    const QString oversized = dir.path() + "/oversized.jpg";
    {
        QFile file(oversized);
        file.open(QIODevice::WriteOnly);
        file.write(fixture::progressiveJpegDeclaring(64250, 64250));
    }
    const QString crafted = dir.path() + "/crafted.jpg";
    {
        QFile file(crafted);
        file.open(QIODevice::WriteOnly);
        file.write(fixture::craftedProgressiveJpeg(9000, 9000, 500));
    }
    const std::clock_t craftedStart = std::clock();
    const bool craftedDecodes = imageDecodes(crafted, DataEnd::Complete);
    const double craftedCpu = double(std::clock() - craftedStart) / CLOCKS_PER_SEC;
    const QString peakBefore = peakMemory();
    QElapsedTimer oversizedTimer;
    oversizedTimer.start();
    const bool oversizedDecodes = imageDecodes(oversized, DataEnd::Complete);
    const qint64 oversizedCheck = oversizedTimer.nsecsElapsed();
    const QString peakAfter = peakMemory();

    qint64 decode = std::numeric_limits<qint64>::max();
    qint64 plain = std::numeric_limits<qint64>::max();
    qint64 repair = std::numeric_limits<qint64>::max();
    qint64 damagedRepair = std::numeric_limits<qint64>::max();
    for (int run = 0; run < kRuns; ++run) {
        decode = std::min(decode, timeDecode(input));
        plain = std::min(plain, timePlainDecode(input));
        repair = std::min(repair, timeRepair(input, workFolder));
        damagedRepair = std::min(damagedRepair, timeRepair(damaged, workFolder));
    }
    std::printf("input: %lld bytes, 6000 x 4000 with EXIF thumbnail\n",
                static_cast<long long>(QFileInfo(input).size()));
    std::printf("one QImage decode: %.1f ms\n", decode / 1e6);
    std::printf("one plain library decode: %.1f ms\n", plain / 1e6);
    std::printf("RepairFile:        %.1f ms\n", repair / 1e6);
    std::printf("ratio RepairFile / decode: %.2f (target at most 1.50)\n",
                double(repair) / double(decode));
    std::printf("ratio RepairFile / plain library decode: %.2f (target at most 1.50)\n",
                double(repair) / double(plain));
    std::printf("RepairFile, damaged DQT: %.1f ms\n", damagedRepair / 1e6);
    std::printf("ratio RepairFile damaged DQT / plain library decode: %.2f (target at most 3.00)\n",
                double(damagedRepair) / double(plain));
    std::printf("decode check of a %lld-byte file declaring 64250 x 64250: %s in %.3f ms, "
                "peak memory %s before, %s after\n",
                static_cast<long long>(QFileInfo(oversized).size()),
                oversizedDecodes ? "decodes" : "refused", oversizedCheck / 1e6,
                qPrintable(peakBefore), qPrintable(peakAfter));
    std::printf("decode check of a crafted %lld-byte progressive file declaring 9000 x 9000 in "
                "500 scans: %s after %.2f s of CPU (bound 2 s)\n",
                static_cast<long long>(QFileInfo(crafted).size()),
                craftedDecodes ? "decodes" : "refused", craftedCpu);
    std::printf("peak memory (VmHWM): %s\n", qPrintable(peakMemory()));
    benchDenseInputs(dir.path(), workFolder);
    return 0;
}
