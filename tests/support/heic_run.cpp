#include "heic_run.h"

#include "global_state.h"
#include "heic/heic_state.h"
#include "heic/heic_steps.h"
#include "temp_file.h"
#include "temp_folder.h"

#include <QDir>

void resetHeicTestState()
{
    discardHeicRun();
    g_state.workFolder = platform::tempFolder() + QStringLiteral("/RepairedFiles");
    QDir(heicOutputFolder()).removeRecursively();
    g_state.producedFiles.clear();
    g_state.stopRequested = 0;
    g_state.heicValid = 0;
    g_state.heicUnknownCount = 0;
    for (qint32& flag : g_state.heicLayoutFlags)
        flag = 0;
    g_heicIinfDistance = 0;
    g_sampleIinfDistance = 0;
}

QString heicOutputFolder()
{
    return g_state.workFolder + QStringLiteral("/HEIC_Repaired");
}

QString writeHeicFixture(const QString& name, const QByteArray& bytes)
{
    const QString path = QDir::tempPath() + QStringLiteral("/inputs/") + name;
    return writeFileBytes(path, bytes) ? path : QString();
}

bool copyWithoutDecodeCheck(jpg_repair& repair, const QString& name)
{
    const bool copied = appendHevcData(repair) && !name.isEmpty();
    if (!copied) {
        dropHeicOutput();
        return false;
    }
    closeHeicStream(g_state.heicOutFile);
    g_heicOutputPath.clear();
    return true;
}
