// The HEIC repair over arbitrary bytes, chosen by the first byte of the
// input (see fuzz_input.h):
//   same    the check, the rebuild and the data copy (with the decode check
//           of what it wrote), then the rebuild with the input as its own
//           sample;
//   sample  the steps of the repair with a sample different from the damaged
//           file (the body cut in two at the parameter): the tile count, the
//           box check of the sample, the slice collection and the rebuild;
//   stop    the repair with a sample with the stop flag set;
//   writes  the first mode with writes stopped at a size limit;
//   judge   the check of a rebuilt photo run on the body itself (its grid
//           read from its item boxes, its tiles decoded one by one), as
//           after a rebuild without and (odd first parameter) with a sample.
#include "file_size_limit.h"
#include "fuzz_input.h"
#include "global_state.h"
#include "heic/heic_state.h"
#include "heic/rebuilt_photo_check.h"
#include "jpg_repair.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>

namespace {

enum Mode { Same, Sample, Stop, Writes, Judge, kModes };

QString fuzzFolder()
{
    static const QString folder =
        QDir::tempPath() + QStringLiteral("/fuzz_heic_%1").arg(QCoreApplication::applicationPid());
    return folder;
}

void clearOutputs()
{
    QDir(g_state.workFolder + QStringLiteral("/HEIC_Repaired")).removeRecursively();
    g_state.producedFiles.clear();
}

void repairWithoutSample(const QString& input)
{
    {
        jpg_repair repair;
        if (repair.CheckHeic(input)) {
            const QString name = repair.RebuildHeic(input);
            repair.CopyHevcData(name);
        }
        discardHeicRun();
    }
    clearOutputs();
    {
        jpg_repair().CountHeicTiles(input);
        jpg_repair repair;
        const QString name = repair.RebuildHeicFromSample(input, input);
        repair.CopyHevcData(name);
    }
    clearOutputs();
}

void repairWithSample(const QString& damaged, const QString& sample)
{
    jpg_repair().CountHeicTiles(damaged);
    {
        jpg_repair repair;
        repair.CheckHeicBoxes(sample);
        repair.CollectHevcSlices(damaged);
        discardHeicRun();
    }
    {
        jpg_repair repair;
        const QString name = repair.RebuildHeicFromSample(damaged, sample);
        repair.CopyHevcData(name);
    }
    clearOutputs();
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
    const QString folder = fuzzFolder();
    g_state.workFolder = folder + QStringLiteral("/RepairedFiles");
    g_state.stopRequested = 0;
    switch (input.mode) {
    case Same:
        repairWithoutSample(putFuzzFile(folder, QStringLiteral("input.HEIC"), input.body));
        break;
    case Sample:
    case Stop:
        g_state.stopRequested = input.mode == Stop ? 1 : 0;
        repairWithSample(putFuzzFile(folder, QStringLiteral("damaged.HEIC"), input.tail()),
                         putFuzzFile(folder, QStringLiteral("sample.HEIF"), input.head()));
        break;
    case Writes: {
        const QString path = putFuzzFile(folder, QStringLiteral("input.HEIC"), input.body);
        FileSizeLimit limit(rlim_t(input.parameter()) * 16);
        repairWithoutSample(path);
        break;
    }
    case Judge:
        judgeRebuiltPhoto(input.body, (input.first & 1) != 0);
        break;
    }
    g_state.stopRequested = 0;
    discardHeicRun();
    QDir(folder).removeRecursively();
    return 0;
}
