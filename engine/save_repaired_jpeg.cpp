// The ordinary save of one JPEG: the main image, then up to two embedded
// thumbnails, each rewritten into the scratch folder, kept only when it
// decodes, copied into the work folder and recorded.
#include "save_file.h"

#include "block_copy.h"
#include "decode_check.h"
#include "file_open.h"
#include "file_window.h"
#include "global_state.h"
#include "image_state.h"
#include "jpeg_markers.h"
#include "jpg_repair.h"
#include "scratch_folder.h"
#include "segment_lists.h"

#include <QFile>

namespace {

// A kind whose total is 2 or 3 holds exactly one complete image.
bool holdsOneImage(qint32 total)
{
    return total == 2 || total == 3;
}

bool imagePresent(const SegmentNode& node, int n)
{
    return node.embeddedLength[n] > 0 && node.embeddedStart[n] != 0;
}

SegmentNode* lastSegment()
{
    SegmentNode* node = g_state.segmentHead;
    while (node && node->next)
        node = node->next;
    return node;
}

} // namespace

int SaveFile::SaveRepairedJpeg()
{
    beginSave(0, 0);
    if (g_state.stopRequested == 1)
        return 0;
    if (g_state.folderCancel != 1 && (g_state.thumbnailPass != 0 || saveMainImage()))
        saveThumbnails();
    return endSave();
}

void SaveFile::beginSave(quint16 status, int kind)
{
    m_status = status;
    m_statusMarkerMissing = StatusMarkerMissing;
    m_statusInvalidFile = StatusInvalidFile;
    m_resultKind = kind;
}

int SaveFile::endSave()
{
    m_scratch.removeAll();
    g_state.thumbnailPass = 0;
    return 1;
}

bool SaveFile::saveMainImage()
{
    if (!IsMarkerSequenceValid(0)) {
        if (skipRequested())
            return false;
        if (!g_state.fileName.isEmpty())
            ++g_state.invalidFileCount;
        m_status = m_statusInvalidFile;
        offer(g_state.outputPath, m_mainName + "    (Invalid File)");
        g_state.dhtReplacementSize = 0;
        return true;
    }
    if (skipRequested())
        return false;
    const bool rewritten = rewriteInto(g_state.fileName, 0);
    bool kept = false;
    const bool carryOn = keepIfDecodes(g_state.outputPath, m_mainName, rewritten, &kept);
    // A main image that does not pass the check goes the way of an invalid
    // one: the repair run tries the salvage and, failing that, fails the
    // file and offers the advanced repair, whatever its thumbnails give.
    if (carryOn && !kept && !g_state.fileName.isEmpty())
        ++g_state.invalidFileCount;
    return carryOn;
}

void SaveFile::saveThumbnails()
{
    if (g_state.thumbnailsEnabled != 2 || g_state.thumbnailFound != 1 || g_state.skipThis != 0
        || m_thumbnailCount <= 0)
        return;
    const bool single = holdsOneImage(m_app1Total) || holdsOneImage(m_app13Total)
        || holdsOneImage(m_app2Total) || holdsOneImage(m_soiTotal);
    int n = 0;
    int visits = 0;
    do {
        extractThumbnail(n);
        bool second = n != 0;
        if (single && visits > 0
            && (m_app13Left <= 1 || holdsOneImage(m_app2Total) || holdsOneImage(m_soiTotal))) {
            n = 1;
            second = true;
        }
        ++visits;
        const bool carryOn = second ? secondThumbnailStep() : firstThumbnailStep();
        if (!carryOn)
            return;
        if (!single)
            ++n;
        --m_thumbnailCount;
    } while (m_thumbnailCount > 0);
}

void SaveFile::extractThumbnail(int n)
{
    g_state.thumbnailPass = 1;
    FILE* file = m_scratch.create("/temp.jpg", &g_state.tempJpegPath);
    if (!file) {
        g_state.fileFailed = 1;
        return;
    }
    g_state.useTempInput = 1;
    ExtractThumbnail(file, n);
    if (!closeWritten(file))
        dropIncompleteScratch(g_state.tempJpegPath);
}

void SaveFile::dropIncompleteScratch(const QString& path)
{
    // Whatever part of the image was written must not be checked or used.
    QFile::remove(path);
    g_state.fileFailed = 1;
}

bool SaveFile::firstThumbnailStep()
{
    if (skipRequested())
        return false;
    if (g_state.thumbnailPass == 1) {
        g_state.thumbnailPass = 2;
        // The thumbnail's rewrite neutralises only its own stray markers and
        // matches its tables with counts of its own.
        resetForNextImage();
        SegmentNode* mainImageEnd = lastSegment();
        rescanScratchImage(&jpg_repair::ScanThumbnailMarkers);
        m_thumbnailStart = mainImageEnd ? mainImageEnd->next : g_state.segmentHead;
    }
    return saveThumbnail(g_state.thumb1Path, g_state.thumb1Name, 1);
}

bool SaveFile::secondThumbnailStep()
{
    if (skipRequested())
        return false;
    if (g_state.thumbnailPass == 1) {
        g_state.thumbnailPass = 2;
        jpg_repair().ResetState();
        m_thumbnailStart = nullptr;
        rescanScratchImage(&jpg_repair::ScanThumbnailMarkers);
    }
    return saveThumbnail(g_state.thumb2Path, g_state.thumb2Name, 2);
}

void SaveFile::rescanScratchImage(Scanner scan)
{
    g_state.inputFile = platform::openFile(g_state.tempJpegPath, "rb");
    if (!g_state.inputFile)
        return;
    g_state.inputFileSize = jpg_repair::FileSize(g_state.inputFile);
    jpg_repair scanner;
    (scanner.*scan)(g_state.tempJpegPath, g_state.inputFile, 0);
    std::fclose(g_state.inputFile);
    g_state.inputFile = nullptr;
}

bool SaveFile::saveThumbnail(const QString& path, const QString& name, int image)
{
    const bool rewritten = rewriteInto(name, image);
    return keepIfDecodes(path, name, rewritten);
}

bool SaveFile::rewriteInto(const QString& scratchName, int image)
{
    m_rewrittenDataEnd = DataEnd::Complete;
    StreamBuffer buffer;
    FILE* file = m_scratch.create(scratchName, &g_state.tempOutputPath);
    if (!file) {
        g_state.fileFailed = 1;
        return false;
    }
    buffer.attach(file);
    if (image < 0)
        WriteEmbeddedJpeg(file);
    else
        WriteRepairedJpeg(file, image);
    if (closeWritten(file)) {
        mendQuantTables(g_state.tempOutputPath, m_suspectTables);
        return true;
    }
    dropIncompleteScratch(g_state.tempOutputPath);
    return false;
}

bool SaveFile::keepIfDecodes(const QString& path, const QString& name, bool rewritten, bool* kept)
{
    const bool decodes = rewritten && imageDecodes(g_state.tempOutputPath, m_rewrittenDataEnd);
    if (kept)
        *kept = decodes;
    if (decodes) {
        if (copyToOutput(path))
            offer(path, name);
        return true;
    }
    if (skipRequested())
        return false;
    m_status = m_statusMarkerMissing;
    offer(path, name);
    return true;
}

bool SaveFile::copyToOutput(const QString& path)
{
    // Created new: the planned name is free, and anything that appeared
    // there since (a link included) is not written through.
    StreamBuffer buffer;
    FILE* out = platform::openFile(path, "wb+x");
    if (!out) {
        g_state.fileFailed = 1;
        return false;
    }
    buffer.attach(out);
    CopyTempToOutput(out);
    if (!closeWritten(out)) {
        QFile::remove(path);
        g_state.fileFailed = 1;
        return false;
    }
    m_writtenPaths.insert(path);
    return true;
}

void SaveFile::ExtractThumbnail(FILE* out, int n)
{
    if (n < 0 || n >= kMaxImagesPerRecord)
        return;
    FILE* input = platform::openFile(g_state.inputPath, "rb");
    FileWindow window(input);
    for (SegmentNode* node = g_state.segmentHead; node; node = node->next) {
        if (!imagePresent(*node, n))
            continue;
        qint32* left = nullptr;
        if (node->marker == jpeg::kAPP1 && m_app1Left > 0)
            left = &m_app1Left;
        else if (node->marker == jpeg::kAPP2 && m_app2Left > 0)
            left = &m_app2Left;
        else if (node->marker == jpeg::kAPP13 && m_app13Left > 0)
            left = &m_app13Left;
        else if (node->marker == jpeg::kSOI && m_soiLeft > 0 && node->soiImageFlag == 1)
            left = &m_soiLeft;
        if (!left)
            continue;
        --*left;
        copyBlocks(window, node->embeddedStart[n], out, node->embeddedLength[n]);
        break;
    }
    if (input)
        std::fclose(input);
}

void SaveFile::CopyTempToOutput(FILE* out)
{
    FILE* input = platform::openFile(g_state.tempOutputPath, "rb");
    if (!input)
        return;
    {
        FileWindow window(input);
        copyBlocks(window, 0, out, window.size());
    }
    std::fclose(input);
}
