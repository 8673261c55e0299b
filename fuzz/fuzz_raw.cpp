// Feeds arbitrary bytes to the RAW and TIFF preview extractors. The input's
// first line names the suffix that picks the extractor (e.g. "CR2"); the rest
// is written to a file of that suffix and extracted into a scratch work folder.
#include "global_state.h"
#include "jpg_repair.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

struct Target {
    const char* suffix;
    void (jpg_repair::*extract)(QString);
};

const Target kTargets[] = {
    {"ARW", &jpg_repair::ExtractARW},
    {"BAY", &jpg_repair::ExtractBAY},
    {"CR2", &jpg_repair::ExtractCR2},
    {"CR3", &jpg_repair::ExtractCR3},
    {"CRW", &jpg_repair::ExtractCRW},
    {"DNG", &jpg_repair::ExtractDNG},
    {"ERF", &jpg_repair::ExtractERF},
    {"MRW", &jpg_repair::ExtractMRW},
    {"NEF", &jpg_repair::ExtractNEF},
    {"NRW", &jpg_repair::ExtractNRW},
    {"ORF", &jpg_repair::ExtractORF},
    {"PEF", &jpg_repair::ExtractPEF},
    {"RAF", &jpg_repair::ExtractRAF},
    {"RAW", &jpg_repair::ExtractRAW},
    {"RW2", &jpg_repair::ExtractRW2},
    {"SR2", &jpg_repair::ExtractSR2},
    {"SRF", &jpg_repair::ExtractSRF},
    {"SRW", &jpg_repair::ExtractSRW},
    {"TIF", &jpg_repair::ExtractTIFF},
    {"TIFF", &jpg_repair::ExtractTIFF},
};

const Target* targetFor(const QByteArray& suffix)
{
    for (const Target& target : kTargets) {
        if (suffix == target.suffix)
            return &target;
    }
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    const int lineEnd = input.indexOf('\n');
    if (lineEnd < 0)
        return 0;
    const Target* target = targetFor(input.left(lineEnd));
    if (!target)
        return 0;

    static const QString scratch = QDir::tempPath() + QStringLiteral("/fuzz_raw_%1").arg(QCoreApplication::applicationPid());
    QDir().mkpath(scratch);
    const QString path = scratch + QStringLiteral("/input.") + QLatin1String(target->suffix);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(input.mid(lineEnd + 1));
    file.close();

    g_state.workFolder = scratch + QStringLiteral("/RepairedFiles");
    g_state.producedFiles.clear();
    g_state.stopRequested = 0;
    {
        jpg_repair repair;
        (repair.*target->extract)(path);
    }
    QDir(g_state.workFolder).removeRecursively();
    return 0;
}
