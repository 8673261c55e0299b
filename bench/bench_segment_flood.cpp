// Peak memory of RepairFile on inputs that flood the marker recording (4
// million empty comment segments; 450,000 tiny images after a photo) against
// its peak on the plain photo, each measured in a child process of its own
// in the same run. Target: at most 64 MB above the plain photo's peak.
#include "peak_memory.h"
#include "repair_once.h"
#include "global_state.h"
#include "jpg_repair.h"
#include "save_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kCommentSegments = 4000000;
constexpr int kTinyImages = 450000;
constexpr double kTargetMb = 64.0;

QByteArray photo()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, (x + y) * 2));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

// The photo's start of image, then `count` repetitions of `unit`, then the
// rest of the photo.
bool writeFlood(const QString& path, const QByteArray& photoBytes, const QByteArray& unit, int count,
                bool unitsFirst)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block = unit.repeated(4096);
    auto writeUnits = [&] {
        int left = count;
        while (left >= 4096) {
            file.write(block);
            left -= 4096;
        }
        file.write(unit.repeated(left));
    };
    if (unitsFirst) {
        file.write(photoBytes.left(2));
        writeUnits();
        file.write(photoBytes.mid(2));
    } else {
        file.write(photoBytes);
        writeUnits();
    }
    return file.error() == QFileDevice::NoError;
}

// Child: repairs one file into a work folder beside it and prints its peak.
int repairOne(const QString& path)
{
    const QString workFolder = QFileInfo(path).path() + "/RepairedFiles";
    QDir().mkpath(workFolder);
    g_state.workFolderName = "RepairedFiles";
    repairOnce(path, workFolder);
    std::printf("%ld %d\n", peakResidentKb(), int(g_state.producedFiles.size()));
    QDir(workFolder).removeRecursively();
    return 0;
}

struct ChildPeak {
    long kb = -1;
    int outputs = 0;
};

ChildPeak measure(const QString& program, const QString& path)
{
    QProcess child;
    child.start(program, {QStringLiteral("--repair"), path});
    ChildPeak peak;
    if (!child.waitForFinished(600000)) {
        std::fprintf(stderr, "repair of %s did not finish within 10 minutes\n", qPrintable(path));
        return peak;
    }
    std::sscanf(child.readAllStandardOutput().constData(), "%ld %d", &peak.kb, &peak.outputs);
    return peak;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--repair")
        return repairOne(QString::fromLocal8Bit(argv[2]));

    QTemporaryDir dir;
    const QByteArray photoBytes = photo();
    const QString plain = dir.filePath("plain.jpg");
    const QString comments = dir.filePath("comments.jpg");
    const QString images = dir.filePath("images.jpg");
    const QByteArray emptyComment = QByteArray::fromHex("fffe0002");
    const QByteArray tinyImage = QByteArray::fromHex("ffd8ffe10002ffd9");
    if (!writeFlood(plain, photoBytes, QByteArray(), 0, false)
        || !writeFlood(comments, photoBytes, emptyComment, kCommentSegments, true)
        || !writeFlood(images, photoBytes, tinyImage, kTinyImages, false)) {
        std::fprintf(stderr, "could not write the inputs in %s\n", qPrintable(dir.path()));
        return 1;
    }

    const QString self = QCoreApplication::applicationFilePath();
    const ChildPeak base = measure(self, plain);
    std::printf("plain photo (%lld bytes): peak %.1f MB, %d outputs\n",
                static_cast<long long>(QFileInfo(plain).size()), base.kb / 1024.0, base.outputs);
    const struct {
        const char* label;
        QString path;
    } rows[] = {{"4,000,000 empty comment segments", comments}, {"450,000 tiny images", images}};
    for (const auto& row : rows) {
        const ChildPeak peak = measure(self, row.path);
        const double aboveMb = (peak.kb - base.kb) / 1024.0;
        std::printf("%s (%lld bytes): peak %.1f MB, %.1f MB above the plain photo "
                    "(target at most %.0f), ratio %.2f of the target, %d outputs\n",
                    row.label, static_cast<long long>(QFileInfo(row.path).size()), peak.kb / 1024.0,
                    aboveMb, kTargetMb, aboveMb / kTargetMb, peak.outputs);
    }
    return 0;
}
