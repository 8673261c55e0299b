// The recovery-mode save of a file made of several images: every image found
// after a flagged start-of-image is extracted, rescanned, checked, rewritten
// and kept as an output of its own when it decodes.
#include "save_file.h"

#include "block_copy.h"
#include "byte_pair_search.h"
#include "file_open.h"
#include "file_window.h"
#include "global_state.h"
#include "image_state.h"
#include "image_start.h"
#include "jpeg_markers.h"
#include "jpg_repair.h"
#include "output_names.h"
#include "segment_lists.h"
#include "work_subfolder.h"


#include <algorithm>

namespace {

constexpr int kHeaderBytes = 71;

// An image is present when its record found both its start and its end; a
// start of 0 is the file's own first image.
bool takesImage(const SegmentNode& node)
{
    return node.marker == jpeg::kSOI && node.embeddedLength[0] > 0 && node.soiImageFlag == 1;
}

bool isLeadingImage(const SegmentNode* node)
{
    return node && takesImage(*node) && node->embeddedStart[0] == 0;
}

qint64 imageEnd(const SegmentNode& node)
{
    return qint64(node.embeddedStart[0]) + node.embeddedLength[0];
}

} // namespace

int SaveFile::SaveEmbeddedJpeg()
{
    beginSave(1, 1);
    if (g_state.folderCancel != 1)
        saveEmbeddedImages();
    return endSave();
}

// The file's first image is the main image and goes through the same steps
// as the others; only when it fails is the file invalid. Images after it
// follow as outputs of their own, in file order, each once: an image that
// lies inside one already kept is part of it.
void SaveFile::saveEmbeddedImages()
{
    qint64 keptEnd = 0;
    if (g_state.thumbnailPass == 0) {
        if (skipRequested())
            return;
        const ImageOutcome main = saveLeadingImage();
        if (main == ImageOutcome::Skipped)
            return;
        if (main == ImageOutcome::Kept)
            keptEnd = imageEnd(*g_state.segmentHead);
        else
            reportInvalidMainImage();
    }
    if (g_state.thumbnailsEnabled != 2 || g_state.thumbnailFound != 1 || g_state.skipThis != 0)
        return;
    m_plannedOutputs = 1;
    int index = 0;
    // One input yields at most kMaxOutputsPerInput outputs, the main image
    // included; the images found beyond them are left alone.
    for (const SegmentNode* node = g_state.segmentHead;
         node && g_state.producedFiles.size() < kMaxOutputsPerInput; node = node->next, ++index) {
        if (!takesImage(*node) || node->embeddedStart[0] == 0 || node->embeddedStart[0] < keptEnd)
            continue;
        bool kept = false;
        const bool carryOn = saveEmbeddedImage(index, kept);
        if (!carryOn)
            return;
        if (kept)
            keptEnd = std::max(keptEnd, imageEnd(*node));
        ++m_plannedOutputs;
    }
}

void SaveFile::reportInvalidMainImage()
{
    if (!g_state.fileName.isEmpty())
        ++g_state.invalidFileCount;
    m_status = m_statusInvalidFile;
    offer(g_state.outputPath, g_state.fileName + "     " + tr("(Invalid File)"));
    g_state.dhtReplacementSize = 0;
}

SaveFile::ImageOutcome SaveFile::saveLeadingImage()
{
    if (!isLeadingImage(g_state.segmentHead))
        return ImageOutcome::Failed;
    const ImageOutcome rewritten = rewriteExtractedImage(0, g_state.fileName);
    if (rewritten == ImageOutcome::NotWritten)
        return ImageOutcome::Failed;
    if (rewritten != ImageOutcome::Kept)
        return rewritten;
    if (!imageDecodes(g_state.tempOutputPath, m_rewrittenDataEnd))
        return ImageOutcome::Failed;
    if (copyToOutput(g_state.outputPath))
        offer(g_state.outputPath, m_mainName);
    return ImageOutcome::Kept;
}

bool SaveFile::saveEmbeddedImage(int index, bool& kept)
{
    g_state.thumbnailFolder = madeSubfolder(g_state.workFolder, kThumbnailFolderName);
    if (g_state.thumbnailFolder.isEmpty()) {
        g_state.fileFailed = 1;
        return false;
    }
    const QString tag = QString("_[T%1]").arg(m_plannedOutputs);
    g_state.thumb1Name = freeOutputName(g_state.thumbnailFolder,
                                        thumbnailOutputName(g_state.fileName, tag));
    g_state.thumb1Path = g_state.thumbnailFolder + g_state.thumb1Name;
    const ImageOutcome rewritten = rewriteExtractedImage(index, g_state.thumb1Name);
    if (rewritten == ImageOutcome::Skipped)
        return false;
    if (rewritten == ImageOutcome::Failed) {
        m_status = m_statusMarkerMissing;
        offer(g_state.thumb1Path, g_state.thumb1Name);
        return true;
    }
    return keepIfDecodes(g_state.thumb1Path, g_state.thumb1Name, rewritten == ImageOutcome::Kept, &kept);
}

// Extracts the image of record `index`, rescans it into the embedded list,
// checks its marker order and rewrites it into the scratch file of that
// name. Kept means rewritten; the list is freed again.
SaveFile::ImageOutcome SaveFile::rewriteExtractedImage(int index, const QString& scratchName)
{
    g_state.thumbnailPass = 1;
    if (FILE* file = m_scratch.create("/temp.jpg", &g_state.tempJpegPath)) {
        g_state.useTempInput = 1;
        ExtractEmbeddedImage(file, index);
        if (!closeWritten(file))
            dropIncompleteScratch(g_state.tempJpegPath);
    } else {
        g_state.fileFailed = 1;
    }
    ImageOutcome outcome = ImageOutcome::Kept;
    if (skipRequested()) {
        outcome = ImageOutcome::Skipped;
    } else {
        if (g_state.thumbnailPass == 1) {
            g_state.thumbnailPass = 2;
            // Stray markers and table counts of the previous image must not
            // reach this one's rewrite.
            resetForNextImage();
            rescanScratchImage(&jpg_repair::ScanEmbeddedImageMarkers);
        }
        if (!IsEmbeddedMarkerSequenceValid())
            outcome = ImageOutcome::Failed;
        else if (!rewriteInto(scratchName, kEmbeddedImage))
            outcome = ImageOutcome::NotWritten;
    }
    jpg_repair().FreeEmbeddedSegments();
    return outcome;
}

void SaveFile::ExtractEmbeddedImage(FILE* out, int skip)
{
    g_state.embeddedScanActive = 0;
    FILE* source = platform::openFile(g_state.inputPath, "rb");
    FileWindow window(source);

    qint64 imageStart = -1;
    int index = 0;
    for (SegmentNode* node = g_state.segmentHead; node; node = node->next, ++index) {
        if (index < skip || !takesImage(*node) || m_soiLeft <= 0)
            continue;
        --m_soiLeft;
        imageStart = node->embeddedStart[0];
        copyBlocks(window, imageStart, out, node->embeddedLength[0]);
        break;
    }

    // Record the start-of-image node of that image (or, when none was taken,
    // of the first image start of the source) in the embedded list. Nothing
    // after that start is recorded, so the search ends there.
    g_state.inputFile = source;
    g_state.embeddedScanActive = 1;
    static const BytePair startOfImage{0xFF, jpeg::codeOf(jpeg::kSOI), BytePair::SecondIs};
    const qint64 end = std::min(g_state.sourceFileSize, window.size());
    for (qint64 p = window.findPair(&startOfImage, 1, std::max<qint64>(imageStart - 1, 0), end); p < end;
         p = window.findPair(&startOfImage, 1, p + 1, end)) {
        if (isImageStart(window, p)) {
            quint8 header[kHeaderBytes];
            window.read(p, header, sizeof header);
            jpg_repair().AddEmbeddedSegment(&g_state.embeddedSegmentHead, &g_state.embeddedSegmentTail,
                                            header, p);
            break;
        }
    }
    g_state.embeddedScanActive = 0;
    if (source)
        std::fclose(source);
    g_state.inputFile = nullptr;
}
