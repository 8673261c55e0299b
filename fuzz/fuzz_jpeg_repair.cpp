// The paths a user's files take through the JPEG engine, over arbitrary
// bytes, chosen by the first byte of the input (see fuzz_input.h):
//   repair  RepairFile, then the salvage the run calls for an invalid image;
//   names   two inputs of the same awkward name from two folders, repaired
//           one after the other into the same work folder, then repaired
//           from each other as sample and damaged file;
//   sample  AdvancedRepair with a sample different from the damaged file
//           (the body cut in two at the parameter);
//   suffix  RepairFile of the body under a RAW, TIFF or other suffix;
//   stop    the stop flag set before one of the steps;
//   writes  the repair and the salvage with writes stopped at a size limit,
//           or with a work folder that cannot be written into.
// Every mode runs in this one process after the others, so state left
// behind by one input shows in the next.
#include "file_size_limit.h"
#include "fuzz_input.h"
#include "global_state.h"
#include "jpg_repair.h"
#include "save_file.h"
#include "scratch_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <cstdlib>
#include <iterator>

namespace {

enum Mode { Repair, Names, Sample, Suffix, Stop, Writes, kModes };

const char* const kNames[] = {
    "input.jpg",
    "temp.jpg",
    "IMG_0001_[T1].JPEG",
    "Ferien \xc3\xbc\xc3\xa9 (2).jpeg",
    "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"
    "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"
    "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.jpg", // 255 bytes
};

const char* const kSuffixes[] = {"CR2", "cr3", "NRW", "arw", "NEF", "SR2", "SRF", "TIFF",
                                 "tif", "CRW", "PEF", "ORF", "RAF", "RW2", "DNG", "ERF",
                                 "MRW", "SRW", "RAW", "BAY", "JPEG", "jpg", "HEIC", "txt"};

QString fuzzFolder()
{
    static const QString folder =
        QDir::tempPath() + QStringLiteral("/fuzz_jpeg_repair_%1").arg(QCoreApplication::applicationPid());
    return folder;
}

QString inputFolder(const char* name)
{
    return fuzzFolder() + QLatin1String("/inputs/") + QLatin1String(name);
}

void setWorkFolder(const QString& folder)
{
    g_state.workFolder = folder;
    g_state.workFolderName = QStringLiteral("RepairedFiles");
    QDir().mkpath(folder);
}

// What the normal run does for one file.
void repairAsTheRunDoes(const QString& path)
{
    const QFileInfo info(path);
    g_state.inputPath = path;
    g_state.fileName = QLatin1Char('/') + info.fileName();
    g_state.fileSuffix = info.suffix();
    g_state.producedFiles.clear();
    g_state.invalidFileCount = 0;
    g_state.fileFailed = 0;
    jpg_repair repair;
    repair.RepairFile(path);
    if (g_state.stopRequested == 0 && g_state.invalidFileCount == 1)
        repair.SalvageJpeg(path);
    g_state.invalidFileCount = 0;
}

// After one file: every file in the work folder is one that the engine
// listed, and the scratch folder holds none of its files.
void checkNothingUnlisted()
{
    QDirIterator it(g_state.workFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (!g_state.producedFiles.contains(QLatin1Char('/') + it.fileName()))
            std::abort();
    }
    const QString scratch = scratchFolder();
    if (!scratch.isEmpty() && !QDir(scratch).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        std::abort();
}

void runNames(const FuzzInput& input)
{
    const QString name = QString::fromUtf8(kNames[input.first % std::size(kNames)]);
    const QString a = putFuzzFile(inputFolder("a"), name, input.body);
    const QString b = putFuzzFile(inputFolder("b"), name, input.body);
    repairAsTheRunDoes(a);
    repairAsTheRunDoes(b);
    jpg_repair().AdvancedRepair(a, b);
}

void runSample(const FuzzInput& input)
{
    const QString sample = putFuzzFile(inputFolder("sample"), QStringLiteral("sample.jpg"), input.head());
    const QString damaged = putFuzzFile(inputFolder("damaged"), QStringLiteral("damaged.jpg"), input.tail());
    jpg_repair().AdvancedRepair(sample, damaged);
}

void runSuffix(const FuzzInput& input)
{
    const QString suffix = QLatin1String(kSuffixes[input.first % std::size(kSuffixes)]);
    repairAsTheRunDoes(putFuzzFile(inputFolder("raw"), QStringLiteral("input.") + suffix, input.body));
}

void runStop(const FuzzInput& input)
{
    const QString path = putFuzzFile(inputFolder("stop"), QStringLiteral("input.jpg"), input.body);
    switch (input.first % 3) {
    case 0:
        g_state.stopRequested = 1;
        repairAsTheRunDoes(path);
        break;
    case 1:
        jpg_repair().RepairFile(path);
        g_state.stopRequested = 1;
        jpg_repair().SalvageJpeg(path);
        break;
    default:
        g_state.stopRequested = 1;
        jpg_repair().AdvancedRepair(path, path);
    }
}

void runWrites(const FuzzInput& input)
{
    const QString path = putFuzzFile(inputFolder("writes"), QStringLiteral("input.jpg"), input.body);
    if (input.parameter() == 0xFFFF) {
        // A work folder that is a file: every output fails to open.
        const QString notAFolder = putFuzzFile(fuzzFolder(), QStringLiteral("not-a-folder"), "x");
        g_state.workFolder = notAFolder + QStringLiteral("/RepairedFiles");
        repairAsTheRunDoes(path);
        jpg_repair().AdvancedRepair(path, path);
        return;
    }
    FileSizeLimit limit(rlim_t(input.parameter()) * 16);
    repairAsTheRunDoes(path);
    jpg_repair().AdvancedRepair(path, path);
}

void resetRun()
{
    freeResultList();
    g_state.producedFiles.clear();
    g_state.stopRequested = 0;
    g_state.invalidFileCount = 0;
    g_state.fileFailed = 0;
    g_state.resultIndex = 0;
    g_state.multiImageRecovery = 0;
    QDir(fuzzFolder()).removeRecursively();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput input(data, size, kModes);
    setWorkFolder(fuzzFolder() + QStringLiteral("/RepairedFiles"));
    g_state.runActive = 1;
    g_state.thumbnailsEnabled = 2;
    switch (input.mode) {
    case Repair:
        repairAsTheRunDoes(putFuzzFile(inputFolder("repair"), QStringLiteral("input.jpg"), input.body));
        checkNothingUnlisted();
        break;
    case Names:
        runNames(input);
        break;
    case Sample:
        runSample(input);
        break;
    case Suffix:
        runSuffix(input);
        break;
    case Stop:
        runStop(input);
        break;
    case Writes:
        runWrites(input);
        break;
    }
    resetRun();
    return 0;
}
