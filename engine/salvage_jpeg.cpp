// Salvage of a JPEG left as invalid: everything before the tables of its
// largest frame is dropped, except the photo's own EXIF and XMP blocks, and
// a fresh start-of-image is put in front of the rest. A smaller image that
// comes back alone is a thumbnail or preview of the file, never the photo
// itself.
#include "jpg_repair.h"

#include "block_copy.h"
#include "decode_check.h"
#include "file_open.h"
#include "file_window.h"
#include "frame_chain.h"
#include "global_state.h"
#include "image_start.h"
#include "jpeg_markers.h"
#include "kept_app_segments.h"
#include "output_names.h"
#include "scan_data_pairs.h"
#include "segment_lists.h"
#include "work_subfolder.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

enum class Salvage { Decodes, Rejected, NoOutput, WriteFailed };

// Bounds that keep a damaged file from making the salvage search long.
constexpr std::size_t kMaxSalvagePoints = 4096;
constexpr int kMaxAttempts = 8;

bool isSalvageApp(quint16 word)
{
    return word == jpeg::kAPP0 || word == jpeg::kAPP1 || word == jpeg::kAPP2
        || word == jpeg::markerWord(0xEC) || word == jpeg::kAPP13;
}

bool startsTables(quint16 word)
{
    return word == jpeg::kDQT || word == jpeg::kDHT || word == jpeg::kAPP0;
}

// Whether the segments from q on, past any APP14, APP15 and COM segments,
// reach a table or an APP0 segment.
bool leadsToTables(FileWindow& input, qint64 q)
{
    for (int i = 0; i < kMaxChainSegments; ++i) {
        const quint16 word = input.le16(q);
        if (startsTables(word))
            return true;
        if (word != jpeg::kAPP14 && word != jpeg::kAPP15 && word != jpeg::kCOM)
            return false;
        q += 2 + input.be16(q + 2);
    }
    return false;
}

// Where a salvage may start: behind every APP0, APP1, APP2, APP12 or APP13
// segment that leads to the tables, and at every DQT and DHT. Every position
// is looked at, so marker words inside other data count as well.
std::vector<qint64> salvagePoints(FileWindow& input)
{
    std::vector<qint64> points;
    const qint64 size = input.size();
    for (qint64 p = input.find(0xFF, 2, size); p < size && points.size() < kMaxSalvagePoints;
         p = input.find(0xFF, p + 1, size)) {
        const quint16 word = input.le16(p);
        if (word == jpeg::kDQT || word == jpeg::kDHT) {
            points.push_back(p);
        } else if (isSalvageApp(word)) {
            const qint64 length = input.be16(p + 2);
            const qint64 next = p + length + 2;
            if (length < size && leadsToTables(input, next))
                points.push_back(next);
        }
    }
    return points;
}

// Every frame with pixels the file's segments lead to, each from its
// earliest point, the largest first. A frame of no pixels gives no picture,
// and its data belongs to no image.
std::vector<Frame> framesBySize(FileWindow& input)
{
    std::map<qint64, Frame> byHeader;
    for (const qint64 point : salvagePoints(input)) {
        const Frame frame = frameFrom(input, point);
        if (frame.point < 0 || frame.pixels == 0)
            continue;
        auto found = byHeader.find(frame.header);
        if (found == byHeader.end())
            byHeader.emplace(frame.header, frame);
        else if (point < found->second.point)
            found->second.point = point;
    }
    std::vector<Frame> frames;
    for (const auto& entry : byHeader)
        frames.push_back(entry.second);
    std::stable_sort(frames.begin(), frames.end(),
                     [](const Frame& a, const Frame& b) { return a.pixels > b.pixels; });
    return frames;
}

// Position just after the first FF D9 behind the frame header, or the end
// of the input.
qint64 imageEnd(FileWindow& input, qint64 header)
{
    const qint64 size = input.size();
    for (qint64 p = input.find(0xFF, header, size); p < size; p = input.find(0xFF, p + 1, size)) {
        if (input.le16(p) == jpeg::kEOI)
            return p + 2;
    }
    return size;
}

// In the copy of the input from point on, turns the FF of every pair of the
// frame's scan data that cannot stand there into 00, as the repair of a
// file with intact headers does, so the decoder reads on past it.
// `copyStart` is where the copy of the input from the frame's point begins
// in the output.
void neutraliseImpossiblePairs(FileWindow& input, const Frame& frame, qint64 end, qint64 copyStart,
                               FILE* out)
{
    const qint64 last = end - 2; // the image's own FF D9 stays
    qint64 patched = 0;
    for (qint64 q = input.find(0xFF, frame.scanData, last); q < last && patched < kMaxStrayMarkers;
         q = input.find(0xFF, q + 1, last)) {
        if (isPossibleInScanData(input, q))
            continue;
        if (fseeko(out, copyStart + (q - frame.point), SEEK_SET) == 0)
            std::fputc(0x00, out);
        ++patched;
    }
    fseeko(out, 0, SEEK_END);
}

// The end of the chain of APP and COM segments that starts at p, followed by
// their length fields up to at most `limit`; -1 when another segment or a
// length that runs past the limit comes first.
qint64 descriptionChainEnd(FileWindow& input, qint64 p, qint64 limit)
{
    for (int i = 0; i < kMaxChainSegments && p < limit; ++i) {
        const quint16 word = input.le16(p);
        if (!jpeg::isApp(word) && word != jpeg::kCOM)
            return -1;
        p += 2 + input.be16(p + 2);
    }
    return p <= limit ? p : -1;
}

// The photo's well-formed EXIF and XMP blocks (APP1 segments the repair
// keeps) among the APP and COM segments that lead without a gap to its
// salvage point, from the earliest such chain: a photo that lost only its
// start keeps its date, camera and orientation.
QByteArray keptSegmentsBefore(FileWindow& input, qint64 point)
{
    // No chain of segments reaches further back than this.
    const qint64 from = std::max<qint64>(0, point - qint64(kMaxChainSegments) * (2 + 0xFFFF));
    for (qint64 p = input.find(0xFF, from, point); p < point; p = input.find(0xFF, p + 1, point)) {
        if (descriptionChainEnd(input, p, point) != point)
            continue;
        QByteArray kept;
        for (qint64 q = p; q < point; q += 2 + input.be16(q + 2)) {
            const quint16 marker = input.le16(q);
            const int length = input.be16(q + 2);
            if (marker != jpeg::kAPP1 || !isKeptAppSegment(input, q, marker, length))
                continue;
            const int start = kept.size();
            kept.resize(start + 2 + length);
            input.read(q, kept.data() + start, std::size_t(2 + length));
        }
        return kept;
    }
    return QByteArray();
}

// Writes FF D8, the kept segments and length bytes of the input from the
// frame's point on as name in folder (a free name when another input's
// output holds it), its impossible scan-data pairs up to end neutralised. Only a complete
// file that decodes is kept and listed; a rejected one is removed again: it
// is no output, and left there it would push a later repair of the same
// input onto a numbered name.
Salvage salvageFrom(FileWindow& input, const Frame& frame, const QByteArray& kept, qint64 length,
                    qint64 end, const QString& folder, const QString& wanted)
{
    const qint64 point = frame.point;
    const QString name = freeOutputName(folder, wanted);
    g_state.tempOutputPath = folder + name;
    FILE* out = platform::openFile(g_state.tempOutputPath, "wb+x");
    if (!out)
        return Salvage::NoOutput;
    writeBytes(out, "\xFF\xD8", 2);
    writeBytes(out, kept.constData(), std::size_t(kept.size()));
    copyBlocks(input, point, out, length);
    neutraliseImpossiblePairs(input, frame, end, 2 + kept.size(), out);
    if (!closeWritten(out)) {
        QFile::remove(g_state.tempOutputPath);
        g_state.fileFailed = 1;
        return Salvage::WriteFailed;
    }
    // The salvaged file ends as the input does: a cut-off input keeps what
    // its data gives.
    const DataEnd dataEnd = input.le16(point + length - 2) == jpeg::kEOI ? DataEnd::Complete
                                                                         : DataEnd::MayEndEarly;
    if (!imageDecodes(g_state.tempOutputPath, dataEnd)) {
        QFile::remove(g_state.tempOutputPath);
        return Salvage::Rejected;
    }
    g_state.producedFiles.append(name);
    return Salvage::Decodes;
}

// Bytes of the input outside the images of the frames: the data of a photo
// whose frame header was lost lies there.
qint64 bytesOutsideImages(FileWindow& input, const std::vector<Frame>& frames, int count)
{
    std::vector<std::pair<qint64, qint64>> images;
    for (int i = 0; i < count; ++i) {
        const Frame& frame = frames[std::size_t(i)];
        images.emplace_back(frame.point, imageEnd(input, frame.header));
    }
    std::sort(images.begin(), images.end());
    qint64 covered = 0;
    qint64 reached = 0;
    for (const auto& image : images) {
        const qint64 from = std::max(image.first, reached);
        if (image.second > from)
            covered += image.second - from;
        reached = std::max(reached, image.second);
    }
    return input.size() - covered;
}

// The largest frame that decodes comes back. It is the photo unless more
// of the file lies outside the images found than in it, as when the
// photo's own frame header was lost and a thumbnail or preview is the
// largest frame left: however large the previews of a camera file, the
// photo's data belongs to a frame. Any other image is a thumbnail or
// preview, listed as one (only when the file gave no output yet: else it
// is one of the thumbnails already listed), and the photo itself is not
// salvaged.
bool salvageLargestFrame(FileWindow& input)
{
    const std::vector<Frame> frames = framesBySize(input);
    const bool listSmaller = g_state.producedFiles.isEmpty();
    const int attempts = std::min<int>(int(frames.size()), kMaxAttempts);
    const qint64 outside = bytesOutsideImages(input, frames, attempts);
    for (int i = 0; i < attempts; ++i) {
        const Frame& frame = frames[std::size_t(i)];
        const qint64 end = imageEnd(input, frame.header);
        const bool photo = i == 0 && end - frame.point >= outside;
        if (!photo && !listSmaller)
            return false;
        Salvage result;
        if (photo) {
            result = salvageFrom(input, frame, keptSegmentsBefore(input, frame.point),
                                 input.size() - frame.point, end, g_state.workFolder, g_state.fileName);
        } else {
            const QString folder = madeSubfolder(g_state.workFolder, kThumbnailFolderName);
            if (folder.isEmpty()) {
                g_state.fileFailed = 1;
                return false;
            }
            result = salvageFrom(input, frame, QByteArray(), end - frame.point, end, folder,
                                 thumbnailOutputName(g_state.fileName, "_[T1]"));
        }
        if (result == Salvage::Decodes)
            return photo;
        if (result == Salvage::WriteFailed)
            return false;
    }
    return false;
}

// Some bytes of the input never arrived while it was salvaged (it shrank or
// a read failed): the output listed last may hold zeros in their place, so
// it is removed and not listed, and the file fails.
void dropSalvageOfUnreadInput(int listedBefore)
{
    if (g_state.producedFiles.size() > listedBefore) {
        QFile::remove(g_state.tempOutputPath);
        g_state.producedFiles.erase(g_state.producedFiles.begin() + listedBefore, g_state.producedFiles.end());
    }
    g_state.fileFailed = 1;
}

} // namespace

bool jpg_repair::SalvageJpeg(QString path)
{
    g_state.inputFile = platform::openFile(path, "rb");
    g_state.fileName = "/" + QFileInfo(path).fileName();
    bool salvaged = false;
    if (g_state.inputFile) {
        const quint64 shortReadsBefore = shortReadCount();
        const int listedBefore = g_state.producedFiles.size();
        FileWindow input(g_state.inputFile);
        if (input.size() <= kMaxJpegInputSize)
            salvaged = salvageLargestFrame(input);
        std::fclose(g_state.inputFile);
        g_state.inputFile = nullptr;
        if (shortReadCount() != shortReadsBefore) {
            dropSalvageOfUnreadInput(listedBefore);
            salvaged = false;
        }
    }
    return salvaged;
}
