// The per-file entry of the engine: opens the input, dispatches it by its
// suffix to the JPEG pipeline or to a RAW/TIFF preview extractor, and leaves
// the engine clean for the next file.
#include "jpg_repair.h"
#include "segment_lists.h"

#include "file_open.h"
#include "file_window.h"
#include "global_state.h"
#include "save_file.h"
#include "wipe_folder.h"

#include <QDebug>
#include <QFileInfo>

namespace {

struct Extractor {
    const char* suffix;
    void (jpg_repair::*extract)(QString);
};

// Upper-cased suffixes in the order they are tried.
const Extractor kExtractors[] = {
    {"CR2", &jpg_repair::ExtractCR2},   {"CR3", &jpg_repair::ExtractCR3},
    {"NRW", &jpg_repair::ExtractNRW},   {"ARW", &jpg_repair::ExtractARW},
    {"NEF", &jpg_repair::ExtractNEF},   {"SR2", &jpg_repair::ExtractSR2},
    {"SRF", &jpg_repair::ExtractSRF},   {"TIFF", &jpg_repair::ExtractTIFF},
    {"TIF", &jpg_repair::ExtractTIFF},  {"CRW", &jpg_repair::ExtractCRW},
    {"PEF", &jpg_repair::ExtractPEF},   {"ORF", &jpg_repair::ExtractORF},
    {"RAF", &jpg_repair::ExtractRAF},   {"RW2", &jpg_repair::ExtractRW2},
    {"DNG", &jpg_repair::ExtractDNG},   {"ERF", &jpg_repair::ExtractERF},
    {"MRW", &jpg_repair::ExtractMRW},   {"SRW", &jpg_repair::ExtractSRW},
    {"RAW", &jpg_repair::ExtractRAW},   {"BAY", &jpg_repair::ExtractBAY},
};

// Some bytes of the input never arrived (it shrank or a read failed while
// the file was handled): whatever was built from it may hold zeros in their
// place, so every output of the file is removed and none is listed. Nor is
// the changed file salvaged afterwards as one the repair found invalid.
void dropOutputsOfUnreadInput(bool jpeg)
{
    for (const QString& name : qAsConst(g_state.producedFiles)) {
        const bool thumbnail = jpeg && name.contains(QLatin1String("_[T"));
        const QString folder = g_state.workFolder + (thumbnail ? QStringLiteral("/Thumbnail Repaired") : QString());
        FolderWiper().WipeFile(folder + (name.startsWith(QLatin1Char('/')) ? name : QLatin1Char('/') + name));
    }
    g_state.producedFiles.clear();
    g_state.invalidFileCount = 0;
    g_state.fileFailed = 1;
}

void repairJpeg(jpg_repair& repair)
{
    repair.ScanJpegMarkers(g_state.inputPath, g_state.inputFile, 0);
    std::fclose(g_state.inputFile);
    g_state.inputFile = nullptr;
    SaveFile save;
    QObject::connect(&save, SIGNAL(showMsg(QString)), &repair, SLOT(jpgSlot(QString)));
    save.SaveJpeg();
}

} // namespace

void jpg_repair::RepairFile(QString path)
{
    qDebug() << path;
    g_state.skipFirstImageOff = 0;
    g_state.fileFailed = 0;
    const quint64 shortReadsBefore = shortReadCount();
    qint64 sizeAtOpen = -1;
    bool jpeg = false;
    ResetState();
    // Without a work folder every output would land beside the file system's
    // root: nothing is written then.
    if (!g_state.workFolder.isEmpty())
        g_state.inputFile = platform::openFile(g_state.inputPath, "rb");
    if (!g_state.inputFile) {
        // Missing, unreadable, not a regular file, or a name that does not
        // reach the file system unchanged.
        qDebug() << "error";
        g_state.fileFailed = 1;
    } else {
        g_state.inputFileSize = FileSize(g_state.inputFile);
        sizeAtOpen = g_state.inputFileSize;
        g_state.fileSuffix = QFileInfo(g_state.inputPath).suffix();
        const QString suffix = g_state.fileSuffix.toUpper();
        jpeg = suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG");
        if (jpeg) {
            // Sizes and positions of the JPEG pipeline are 32-bit: larger
            // files are left alone rather than half-read.
            if (g_state.inputFileSize <= kMaxJpegInputSize)
                repairJpeg(*this);
            else
                g_state.fileFailed = 1;
        } else {
            for (const Extractor& entry : kExtractors) {
                if (suffix == QLatin1String(entry.suffix)) {
                    (this->*entry.extract)(g_state.inputPath);
                    break;
                }
            }
        }
    }
    ResetState();
    // The JPEG pipeline opens the input again for each step: a file that has
    // changed size since the scan was not read as the scan saw it.
    const bool changed = sizeAtOpen >= 0 && QFileInfo(g_state.inputPath).size() != sizeAtOpen;
    if (shortReadCount() != shortReadsBefore || changed)
        dropOutputsOfUnreadInput(jpeg);
    g_state.thumbnailFound = 0;
    g_state.useTempInput = 0;
    g_state.fileName.clear();
    g_state.inputPath.clear();
    g_state.outputPath.clear();
    g_state.thumb1Path.clear();
    g_state.thumb1Name.clear();
    g_state.tempJpegPath.clear();
}
