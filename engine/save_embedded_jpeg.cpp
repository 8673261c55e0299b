// The recovery-mode save of a file made of several images: every image found
// after a flagged start-of-image is extracted, rescanned, checked, rewritten
// and kept as an output of its own when it decodes.
#include "save_file.h"

#include "block_copy.h"
#include "file_open.h"
#include "file_window.h"
#include "global_state.h"
#include "image_state.h"
#include "jpeg_markers.h"
#include "jpg_repair.h"
#include "output_names.h"
#include "segment_lists.h"

#include <QDir>

#include <algorithm>

namespace {

constexpr int kHeaderBytes = 71;

bool takesImage(const SegmentNode& node)
{
    return node.marker == jpeg::kSOI && node.embeddedLength[0] > 0 && node.embeddedStart[0] != 0
        && node.soiImageFlag == 1;
}

} // namespace

int SaveFile::SaveEmbeddedJpeg()
{
    beginSave(1, 1);
    if (g_state.folderCancel != 1)
        saveEmbeddedImages();
    return endSave();
}

void SaveFile::saveEmbeddedImages()
{
    if (g_state.thumbnailPass == 0) {
        if (skipRequested())
            return;
        if (!g_state.fileName.isEmpty())
            ++g_state.invalidFileCount;
        m_status = m_statusInvalidFile;
        offer(g_state.outputPath, g_state.fileName + "     " + tr("(Invalid File)"));
        g_state.dhtReplacementSize = 0;
    }
    if (g_state.thumbnailsEnabled != 2 || g_state.thumbnailFound != 1 || g_state.skipThis != 0)
        return;
    m_plannedOutputs = 1;
    m_embeddedSkip = 0;
    // One input yields at most kMaxOutputsPerInput outputs; the images found
    // beyond them are left alone.
    while (m_thumbnailCount > 0 && m_plannedOutputs <= kMaxOutputsPerInput) {
        const bool carryOn = saveEmbeddedImage();
        jpg_repair().FreeEmbeddedSegments();
        if (!carryOn)
            return;
        --m_thumbnailCount;
        ++m_plannedOutputs;
    }
}

bool SaveFile::saveEmbeddedImage()
{
    g_state.thumbnailFolder = g_state.workFolder + "/Thumbnail Repaired";
    QDir().mkdir(g_state.thumbnailFolder);
    const QString tag = QString("_[T%1]").arg(m_plannedOutputs);
    g_state.thumb1Name = freeOutputName(g_state.thumbnailFolder,
                                        thumbnailOutputName(g_state.fileName, tag));
    g_state.thumb1Path = g_state.thumbnailFolder + g_state.thumb1Name;

    g_state.thumbnailPass = 1;
    if (FILE* file = m_scratch.create("/temp.jpg", &g_state.tempJpegPath)) {
        g_state.useTempInput = 1;
        ExtractEmbeddedImage(file, m_embeddedSkip);
        if (!closeWritten(file))
            dropIncompleteScratch(g_state.tempJpegPath);
    } else {
        g_state.fileFailed = 1;
    }
    if (skipRequested())
        return false;
    if (g_state.thumbnailPass == 1) {
        g_state.thumbnailPass = 2;
        // Stray markers and table counts of the previous image must not
        // reach this one's rewrite.
        resetForNextImage();
        rescanScratchImage(&jpg_repair::ScanEmbeddedImageMarkers);
    }
    if (!IsEmbeddedMarkerSequenceValid()) {
        m_status = m_statusMarkerMissing;
        offer(g_state.thumb1Path, g_state.thumb1Name);
        return true;
    }
    const bool rewritten = rewriteInto(g_state.thumb1Name, kEmbeddedImage);
    return keepIfDecodes(g_state.thumb1Path, g_state.thumb1Name, rewritten);
}

void SaveFile::ExtractEmbeddedImage(FILE* out, int skip)
{
    g_state.embeddedScanActive = 0;
    FILE* source = platform::openFile(g_state.inputPath, "rb");
    FileWindow window(source);

    // Each image is taken once, in file order: the next call passes over
    // every record up to and including the one taken here.
    qint64 imageStart = -1;
    int index = 0;
    for (SegmentNode* node = g_state.segmentHead; node; node = node->next, ++index) {
        if (index < skip || !takesImage(*node) || m_soiLeft <= 0)
            continue;
        --m_soiLeft;
        imageStart = node->embeddedStart[0];
        copyBlocks(window, imageStart, out, node->embeddedLength[0]);
        m_embeddedSkip = index + 1;
        break;
    }

    // Record the start-of-image node of that image (or, when none was taken,
    // of the first image start of the source) in the embedded list.
    g_state.inputFile = source;
    g_state.embeddedScanActive = 1;
    jpg_repair recorder;
    bool open = false;
    const qint64 end = std::min(g_state.sourceFileSize, window.size());
    for (qint64 p = imageStart > 0 ? imageStart - 1 : 0; p < end; ++p) {
        p = window.find(0xFF, p, end);
        if (p >= end)
            break;
        const quint16 word = window.le16(p);
        if (word == jpeg::kSOI && !open && jpeg::isImageStartFollower(window.le16(p + 2))) {
            quint8 header[kHeaderBytes];
            window.read(p, header, sizeof header);
            recorder.AddEmbeddedSegment(&g_state.embeddedSegmentHead,
                                        &g_state.embeddedSegmentTail, header, p);
            p += 2;
            open = true;
        } else if (word == jpeg::kEOI && open) {
            break;
        }
    }
    g_state.embeddedScanActive = 0;
    if (source)
        std::fclose(source);
    g_state.inputFile = nullptr;
}
