// Drives the HEIC check, both rebuilds and the data copy over arbitrary bytes.
// The input is used as the damaged file and as the sample.

#include "global_state.h"
#include "heic/heic_state.h"
#include "jpg_repair.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

QString scratchFolder()
{
    static const QString folder = [] {
        const QString path = QDir::tempPath() + QStringLiteral("/fuzz_heic");
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

void clearOutputs()
{
    QDir(g_state.workFolder + QStringLiteral("/HEIC_Repaired")).removeRecursively();
    g_state.producedFiles.clear();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = scratchFolder() + QStringLiteral("/input.HEIC");
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    g_state.workFolder = scratchFolder() + QStringLiteral("/RepairedFiles");
    g_state.stopRequested = 0;

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
    return 0;
}
