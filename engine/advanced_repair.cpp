// Advanced repair: a damaged JPEG rebuilt from the header segments of a
// sample JPEG of the same device and the damaged file's own scan data. Both
// files are only read; the rebuilt file goes to the work folder.
#include "jpg_repair.h"

#include "backward_search.h"
#include "block_copy.h"
#include "byte_pair_search.h"
#include "decode_check.h"
#include "file_open.h"
#include "file_window.h"
#include "global_state.h"
#include "jpeg_markers.h"
#include "output_names.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Where the damaged file's entropy-coded data starts, counted from its scan's
// FF DA marker.
constexpr qint64 kScanDataDistance = 14;

// Segments of the sample stepped over by their length: every APP segment
// (a thumbnail inside one has tables of its own) and comments.
bool isSkippedSegment(quint16 word)
{
    return jpeg::isApp(word) || word == jpeg::kCOM;
}

// The restart interval goes with the tables: scan data coded with restart
// markers reads as noise without it.
bool isCopiedSegment(quint16 word)
{
    return word == jpeg::kDQT || word == jpeg::kSOF0 || word == jpeg::kDHT
        || word == jpeg::kDRI || word == jpeg::kSOS;
}

// Copies the sample's DQT, SOF0, DHT and DRI segments and its first SOS
// segment, walking from the segment behind its first APP0, APP1 or APP2
// segment.
void copySampleHeaders(FileWindow& sample, FILE* out)
{
    const quint16 first = sample.le16(2);
    if (first != jpeg::kAPP0 && first != jpeg::kAPP1 && first != jpeg::kAPP2)
        return;
    qint64 p = qint64(sample.be16(4)) + 4;
    while (p < sample.size() && g_state.stopRequested != 1) {
        const quint16 word = sample.le16(p);
        const qint64 length = sample.be16(p + 2);
        if (isSkippedSegment(word)) {
            p += 2 + length;
        } else if (isCopiedSegment(word)) {
            quint8 marker[2];
            sample.read(p, marker, 2);
            writeBytes(out, marker, 2);
            copyBlocks(sample, p + 2, out, length);
            if (word == jpeg::kSOS)
                return;
            p += length == 0 ? 3 : 2 + length;
        } else {
            ++p;
        }
    }
}

// The damaged photo's own scan: the first FF DA that no APP segment holds
// (a thumbnail's scan lies inside APP1, a preview or a second image after
// the photo). When the APP lengths lead nowhere, the last FF DA of the file.
qint64 findScanMarker(FileWindow& damaged)
{
    // Only FF DA and FF E0 to FF EF change anything; the search passes over
    // the few DB to DF markers between them one by one.
    static const BytePair sosOrApp{0xFF, jpeg::codeOf(jpeg::kSOS), BytePair::SecondInRange,
                                   jpeg::codeOf(jpeg::kAPP15)};
    const qint64 size = damaged.size();
    qint64 p = 0;
    while (p < size && g_state.stopRequested != 1) {
        p = damaged.findPair(&sosOrApp, 1, p, size);
        if (p >= size)
            break;
        const quint16 word = damaged.le16(p);
        if (word == jpeg::kSOS)
            return p;
        p += jpeg::isApp(word) ? 2 + qint64(damaged.be16(p + 2)) : 1;
    }
    return findLastPair(damaged, size, 1, 0xFF, 0xDA);
}

// Appends the damaged file's bytes from 14 bytes after its scan's FF DA on;
// nothing when that point lies at or past the file's end. Returns the number
// of bytes appended.
qint64 appendScanData(FileWindow& damaged, FILE* out)
{
    const qint64 size = damaged.size();
    const qint64 sos = findScanMarker(damaged);
    if (sos < 0 || g_state.stopRequested == 1)
        return 0;
    const qint64 from = sos + kScanDataDistance;
    if (from >= size)
        return 0;
    copyBlocks(damaged, from, out, size - from);
    return size - from;
}

} // namespace

bool jpg_repair::AdvancedRepair(QString samplePath, QString damagedPath)
{
    FILE* sampleFile = platform::openFile(samplePath, "rb");
    g_state.inputFile = platform::openFile(damagedPath, "rb");
    const QString name = "/" + QFileInfo(damagedPath).fileName();
    g_state.fileName = freeOutputName(g_state.workFolder, name).mid(1);
    g_state.tempOutputPath = g_state.workFolder + "/" + g_state.fileName;
    FILE* out = platform::openFile(g_state.tempOutputPath, "wb+x");
    qint64 scanBytes = 0;
    DataEnd end = DataEnd::Complete;
    {
        FileWindow sample(sampleFile);
        FileWindow damaged(g_state.inputFile);
        if (out && sampleFile) {
            writeBytes(out, "\xFF\xD8", 2);
            copySampleHeaders(sample, out);
        }
        if (out)
            scanBytes = appendScanData(damaged, out);
        if (damaged.le16(damaged.size() - 2) != jpeg::kEOI)
            end = DataEnd::MayEndEarly;
    }
    for (FILE* file : {sampleFile, g_state.inputFile}) {
        if (file)
            std::fclose(file);
    }
    g_state.inputFile = nullptr;
    if (!out)
        return false;
    const bool written = closeWritten(out);
    if (!written)
        g_state.fileFailed = 1;
    // The loader also accepts the sample's headers alone, as a grey image:
    // without any of the damaged file's image data nothing was repaired.
    const bool rebuilt = written && scanBytes > 0 && imageDecodes(g_state.tempOutputPath, end);
    if (rebuilt)
        g_state.producedFiles.append(g_state.fileName);
    else
        QFile::remove(g_state.tempOutputPath); // nothing unlisted stays behind
    return rebuilt;
}
