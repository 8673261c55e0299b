#pragma once

#include "global_state.h"
#include "jpg_repair.h"

#include <QFileInfo>
#include <QString>

// Repairs one file into workFolder the way the window's run does for a JPEG
// or RAW file, thumbnails included.
inline void repairOnce(const QString& path, const QString& workFolder)
{
    g_state.workFolder = workFolder;
    g_state.inputPath = path;
    g_state.fileName = "/" + QFileInfo(path).fileName();
    g_state.fileSuffix = QFileInfo(path).suffix();
    g_state.producedFiles.clear();
    g_state.runActive = 1;
    g_state.thumbnailsEnabled = 2;
    jpg_repair().RepairFile(path);
}
