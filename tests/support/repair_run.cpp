#include "repair_run.h"

#include "global_state.h"
#include "jpg_repair.h"
#include "save_file.h"
#include "scratch_folder.h"
#include "temp_file.h"
#include "temp_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace repairrun {

QString prepareWorkFolder()
{
    const QString folder = platform::tempFolder() + "/RepairedFiles";
    QDir().mkpath(folder);
    g_state.workFolder = folder;
    g_state.workFolderName = "RepairedFiles";
    return folder;
}

QStringList scratchFilesLeft()
{
    const QString folder = ::scratchFolder();
    return folder.isEmpty() ? QStringList() : filesBelow(folder);
}

QString putFile(const QString& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder + "/" + name;
    writeFileBytes(path, bytes);
    return path;
}

void repairFile(const QString& path)
{
    const QFileInfo info(path);
    g_state.inputPath = path;
    g_state.fileName = "/" + info.fileName();
    g_state.fileSuffix = info.suffix();
    g_state.producedFiles.clear();
    g_state.runActive = 1;
    g_state.thumbnailsEnabled = 2;
    jpg_repair repair;
    repair.RepairFile(path);
}

void resetRun()
{
    freeResultList();
    g_state.resultIndex = 0;
    g_state.invalidFileCount = 0;
    g_state.producedFiles.clear();
    g_state.multiImageRecovery = 0;
    g_state.stopRequested = 0;
    g_state.skipThis = 0;
    g_state.skipAll = 0;
    g_state.folderCancel = 0;
    g_state.runActive = 0;
}

QImage decode(const QByteArray& bytes)
{
    return QImage::fromData(bytes);
}

QImage decodeFile(const QString& path)
{
    return QImage(path);
}

QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace repairrun
