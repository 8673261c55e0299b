// Single-bit flips and byte overwrites swept over the scan data of camera-like
// photos, each run through the repair as the app runs it: counts of the
// damaged photos listed at 30 dB or more, listed below it, and failed, and
// of the undamaged photos not listed identical. Arguments: photos (default
// 4), damages per photo (default 25), width and height (default 800 x 600),
// and a folder to keep the inputs listed below 30 dB in (none by default).

#include "global_state.h"
#include "jpeg_fixture.h"
#include "photo_fixture.h"
#include "repair_run.h"
#include "scan_damage.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kListedQuality = 30.0;

struct Counts {
    int good = 0;
    int poor = 0;
    int failed = 0;
};

// The photo listed for the input, or a null picture.
QImage repaired(const QString& inputs, const QString& work, const QByteArray& bytes)
{
    repairrun::resetRun();
    QDir(work).removeRecursively();
    repairrun::prepareWorkFolder();
    repairrun::repairFile(repairrun::putFile(inputs, "photo.jpg", bytes));
    return g_state.producedFiles.contains("/photo.jpg") ? repairrun::decodeFile(work + "/photo.jpg")
                                                        : QImage();
}

int argument(int argc, char** argv, int index, int otherwise)
{
    return argc > index ? std::atoi(argv[index]) : otherwise;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("TMPDIR", dir.path().toUtf8());
    const int photos = argument(argc, argv, 1, 4);
    const int perPhoto = argument(argc, argv, 2, 25);
    const int width = argument(argc, argv, 3, 800);
    const int height = argument(argc, argv, 4, 600);
    const QString keepFolder = argc > 5 ? QString::fromLocal8Bit(argv[5]) : QString();
    const QString inputs = dir.path() + "/inputs";
    QDir().mkpath(inputs);
    const QString work = repairrun::prepareWorkFolder();
    // Settings of camera encoders: plain, optimised tables, 4:2:2 sampling.
    const QStringList encoders[] = {{"-quality", "92"}, {"-quality", "85", "-optimize"},
                                    {"-quality", "95", "-sample", "2x1"}};
    Counts counts;
    int healthyDropped = 0;
    for (int p = 0; p < photos; ++p) {
        const QImage picture = fixture::photoPicture(width, height, quint32(p + 1));
        const QByteArray photo = fixture::cjpegJpeg(picture, encoders[p % 3]);
        const QImage intact = repairrun::decode(photo);
        if (repaired(inputs, work, photo) != intact)
            ++healthyDropped;
        for (int d = 0; d < perPhoto; ++d) {
            const auto damage = d % 2 == 0 ? fixture::ScanDamage::BitFlip : fixture::ScanDamage::ByteOverwrite;
            const QByteArray input = fixture::withScanDamage(photo, damage, quint32(p * 1000 + d));
            const QImage out = repaired(inputs, work, input);
            if (out.isNull()) {
                ++counts.failed;
                continue;
            }
            const double quality = fixture::psnr(out, intact);
            if (quality >= kListedQuality) {
                ++counts.good;
            } else {
                ++counts.poor;
                std::printf("  photo %d, damage %d: listed at %.1f dB\n", p, d, quality);
                if (!keepFolder.isEmpty())
                    repairrun::putFile(keepFolder, QString("photo%1_damage%2.jpg").arg(p).arg(d), input);
            }
        }
    }
    std::printf("damage sweep over %d photos of %d x %d, %d damages each: listed >= %.0f dB %d, "
                "listed below %d, failed %d; undamaged photos not listed identical %d\n",
                photos, width, height, perPhoto, kListedQuality, counts.good, counts.poor, counts.failed,
                healthyDropped);
    return healthyDropped == 0 ? 0 : 1;
}
