// Output planning of one JPEG: counts the embedded images per kind, names
// the outputs and hands over to the ordinary or the recovery-mode save.
#include "save_file.h"

#include "global_state.h"
#include "jpeg_markers.h"
#include "output_names.h"
#include "segment_lists.h"
#include "work_subfolder.h"


#include <algorithm>

void SaveFile::SaveJpeg()
{
    m_app1Total = m_app13Total = m_app2Total = m_soiTotal = 0;
    m_app1Left = m_app13Left = m_app2Left = m_soiLeft = 0;
    m_resultKind = 0;
    m_resultCount = 0;
    m_plannedOutputs = 0;
    if (g_state.stopRequested == 1)
        return;

    for (const SegmentNode* node = g_state.segmentHead; node; node = node->next) {
        if (node->marker == jpeg::kAPP1)
            m_app1Total += node->app1Images;
        else if (node->marker == jpeg::kAPP2)
            m_app2Total += node->app2Images;
        else if (node->marker == jpeg::kAPP13)
            m_app13Total += node->app13Images;
        else if (node->marker == jpeg::kSOI && node->soiImageFlag == 1)
            m_soiTotal += node->soiImages;
    }
    m_app1Left = m_app1Total / 2;
    m_app2Left = m_app2Total / 2;
    m_app13Left = m_app13Total / 2;
    m_soiLeft = m_soiTotal / 2;
    m_thumbnailCount = (m_soiTotal + m_app13Total + m_app2Total + m_app1Total) / 2;

    m_mainName = freeOutputName(g_state.workFolder, g_state.fileName);
    g_state.outputPath = g_state.workFolder + m_mainName;
    if (m_app1Left == 0 && m_app2Left == 0 && m_app13Left == 0
        && g_state.multiImageRecovery == 1) {
        if (g_state.folderCancel != 1)
            SaveEmbeddedJpeg();
        return;
    }
    m_thumbnailCount = std::min(m_thumbnailCount, 2);

    if (g_state.folderCancel != 1) {
        m_plannedOutputs = 1;
        if (g_state.thumbnailsEnabled == 2 && g_state.thumbnailFound == 1)
            planThumbnails();
    }
    SaveRepairedJpeg();
}

void SaveFile::planThumbnails()
{
    const QString folder = madeSubfolder(g_state.workFolder, kThumbnailFolderName);
    if (folder.isEmpty()) {
        g_state.fileFailed = 1;
        return;
    }
    m_plannedOutputs = 2;
    g_state.thumb1Name = freeOutputName(folder, thumbnailOutputName(g_state.fileName, "_[T1]"));
    g_state.thumb1Path = folder + g_state.thumb1Name;
    if (m_thumbnailCount == 2) {
        m_plannedOutputs = 3;
        g_state.thumb2Name = freeOutputName(folder, thumbnailOutputName(g_state.fileName, "_[T2]"));
        g_state.thumb2Path = folder + g_state.thumb2Name;
    }
    g_state.thumbnailFolder = folder + "/";
}
