#include "box_walk.h"
#include "damaged_remnants.h"
#include "file_open.h"
#include "file_window.h"
#include "global_state.h"
#include "grid_photo.h"
#include "heic_state.h"
#include "heic_steps.h"
#include "heic_variants.h"
#include "heic_writer.h"
#include "hevc_units.h"
#include "item_boxes.h"
#include "jpg_repair.h"
#include "output_names.h"
#include "work_subfolder.h"
#include "word_scan.h"

#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

// Size 24, "ftyp", major brand "heic", minor version 0, brands "mif1" "heic".
const quint8 kFtyp[24] = {0x00, 0x00, 0x00, 0x18, 'f', 't', 'y', 'p', 'h', 'e', 'i', 'c',
                          0x00, 0x00, 0x00, 0x00, 'm', 'i', 'f', '1', 'h', 'e', 'i', 'c'};

// meta tag with version and flags 0.
const quint8 kMetaTag[8] = {'m', 'e', 't', 'a', 0, 0, 0, 0};

// The start of an hdlr box of handler "pict"; the size byte and the length of
// the empty name that follows differ between the templates.
const quint8 kPictHandler[24] = {0, 0, 0, 0x21, 'h', 'd', 'l', 'r', 0, 0, 0, 0,
                                 0, 0, 0, 0, 'p', 'i', 'c', 't', 0, 0, 0, 0};

// dinf box holding a dref with one "url " entry of flags 1 (data in this file).
const quint8 kDinf[36] = {0, 0, 0, 0x24, 'd', 'i', 'n', 'f', 0, 0, 0, 0x1C, 'd', 'r', 'e', 'f',
                          0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0x0C, 'u', 'r', 'l', ' ', 0, 0, 0, 1};

// Writes an hdlr box of 33 or 34 bytes: the fixed start, the rest zeros.
void appendHandler(QByteArray& out, int boxSize)
{
    quint8 box[34] = {};
    std::copy(std::begin(kPictHandler), std::end(kPictHandler), box);
    box[3] = quint8(boxSize);
    out.append(reinterpret_cast<const char*>(box), boxSize);
}

// Meta-first templates exist for the source's distances from the meta box to
// its iinf tag of 99 (33-byte hdlr) and 100 (34-byte hdlr) only.
bool hasMetaHeaderTemplate(HeicBoxLayout order, int iinfDistance)
{
    return order == HeicBoxLayout::MdatFirst || iinfDistance == 99 || iinfDistance == 100;
}

// The meta box header of the rebuilt file, by box order and, meta-first, by
// the source's iinf distance, which is used up by writing it. Its pitm box
// names the source's primary item.
QByteArray metaHeader(HeicBoxLayout order, int* iinfDistance, quint16 primaryItem)
{
    QByteArray out(reinterpret_cast<const char*>(kMetaTag), sizeof kMetaTag);
    if (order == HeicBoxLayout::MdatFirst) {
        appendHandler(out, 34);
    } else {
        appendHandler(out, *iinfDistance == 99 ? 33 : 34);
        out.append(reinterpret_cast<const char*>(kDinf), sizeof kDinf);
        *iinfDistance = 0;
    }
    const quint8 pitm[12] = {0, 0, 0, 0x0E, 'p', 'i', 't', 'm', 0, 0, 0, 0};
    out.append(reinterpret_cast<const char*>(pitm), sizeof pitm);
    appendBigEndian(out, primaryItem, 2);
    return out;
}

struct SourceMeta {
    bool found = false;
    quint32 metaTag = 0; // position of the last meta tag before the iinf tag
    quint32 iinfTag = 0;
};

// Finds the source's first iinf tag and the last meta tag before it.
SourceMeta scanSourceMeta(FileWindow& source, quint32 size)
{
    SourceMeta meta;
    scanEachWord(source, 0, size, {fourCC("meta"), fourCC("iinf")}, true,
                 [&](quint32 pos, quint32 word) {
                     if (word == fourCC("iinf")) {
                         meta.found = true;
                         meta.iinfTag = pos;
                         return false;
                     }
                     meta.metaTag = pos;
                     return true;
                 });
    return meta;
}

// The primary item that the source's pitm box (the first after its meta
// tag) declares; none when there is no such box or the item does not fit the
// 16-bit item numbers of the new iloc box.
std::optional<quint16> sourcePrimaryItem(FileWindow& source, quint32 size, quint32 metaTag)
{
    const WordScanHit pitm = scanForWords(source, metaTag, size, {fourCC("pitm")}, true);
    if (!pitm.found())
        return std::nullopt;
    const quint32 item = source.byteAt(pitm.pos + 4) == 0 ? source.be16(pitm.pos + 8)
                                                          : source.be32(pitm.pos + 8);
    if (item == 0 || item > 0xFFFF)
        return std::nullopt;
    return quint16(item);
}

struct ItemBoxes {
    QByteArray iinf, iref, iprp, idat;
};

// Reads the source's iinf, iref, iprp and idat boxes; a box that is missing,
// whose size is not below the source size or too small for a box header
// stays empty. False on a stop.
bool readItemBoxes(FileWindow& source, quint32 size, quint32 from, char bigEndian, ItemBoxes* boxes)
{
    const std::pair<quint32, QByteArray*> wanted[] = {{fourCC("iinf"), &boxes->iinf},
                                                      {fourCC("iref"), &boxes->iref},
                                                      {fourCC("iprp"), &boxes->iprp},
                                                      {fourCC("idat"), &boxes->idat}};
    for (const auto& [tag, box] : wanted) {
        const WordScanHit hit = scanForWords(source, from, size, {tag}, true);
        if (hit.status == WordScanHit::Stopped)
            return false;
        if (!hit.found())
            continue;
        const quint32 boxStart = hit.pos - 4;
        const quint32 boxSize = readLength(source, boxStart, bigEndian);
        if (boxSize < 8 || boxSize >= size)
            continue;
        box->resize(int(boxSize));
        source.read(boxStart, box->data(), boxSize);
    }
    return true;
}

// The new iloc box: tile items whose extents follow one another from
// dataStart, then the grid item stored in idat. False on a stop.
bool ilocBox(const IlocPlan& plan, quint32 dataStart, const qint32* sliceSizes, QByteArray* iloc)
{
    appendBigEndian(*iloc, ilocBoxSize(plan), 4);
    iloc->append("iloc", 4);
    const quint8 header[] = {1, 0, 0, 0, 0x44, 0x00};
    iloc->append(reinterpret_cast<const char*>(header), sizeof header);
    appendBigEndian(*iloc, plan.itemCount, 2);
    quint32 offset = dataStart;
    for (int k = 1; k <= plan.tiles; ++k) {
        if (k > 1 && g_state.stopRequested.load(std::memory_order_relaxed))
            return false;
        const quint32 length = quint32(sliceSizes[k - 1]);
        for (const quint32 field : {quint32(k), 0u, 0u, 1u})
            appendBigEndian(*iloc, field, 2);
        appendBigEndian(*iloc, offset, 4);
        appendBigEndian(*iloc, length, 4);
        offset += length;
    }
    for (const quint32 field : {quint32(plan.gridId), 1u, 0u, 1u})
        appendBigEndian(*iloc, field, 2);
    appendBigEndian(*iloc, 0, 4);
    appendBigEndian(*iloc, 8, 4);
    return true;
}

// Attempts at creating the output when its free name is taken again
// between the choice and the creation.
constexpr int kCreateAttempts = 16;

// Creates the output in the work folder's "HEIC_Repaired" and opens it into
// the repair state. A name that an existing file holds (another input's
// rebuild of the same name, or an input lying in that folder) becomes a free
// numbered one, so nothing there is overwritten. The file is created new:
// anything that takes the name in the meantime, a link included, is not
// written through, and the next free name is taken. `name` returns the name.
bool openRebuildOutput(QString& name)
{
    dropHeicOutput();
    if (g_state.workFolder.isEmpty())
        return false;
    const QString folder = madeSubfolder(g_state.workFolder, kHeicFolderName);
    if (folder.isEmpty()) {
        g_state.fileFailed = 1;
        return false;
    }
    const QString wanted = QLatin1Char('/') + name;
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        name = freeOutputName(folder, wanted).mid(1);
        const QString path = folder + QLatin1Char('/') + name;
        g_state.heicOutFile = platform::openFile(path, "wb+x");
        if (g_state.heicOutFile) {
            g_heicOutputPath = path;
            return true;
        }
        if (!pathTaken(path))
            break;
    }
    return false;
}

std::optional<HeicBoxLayout> boxOrderFlag()
{
    if (g_heicMetaFirst == 1)
        return HeicBoxLayout::MetaFirst;
    if (g_heicMdatFirst == 1)
        return HeicBoxLayout::MdatFirst;
    return std::nullopt;
}

// Writes the new ftyp and meta boxes into the open output, taking the item
// boxes from `source`; a sample's properties carry the damaged file's own
// rotation and mirroring where those survive (`remnants`). False when
// nothing usable could be written; `unfit` is then set when the source's
// box order or items cannot describe the damaged photo's layout of tiles.
bool writeContainer(jpg_repair& repair, FILE* source, int* iinfDistance,
                    const DamagedRemnants* remnants = nullptr, bool* unfit = nullptr)
{
    const auto order = boxOrderFlag();
    HeicTileLayout layout;
    const bool layoutKnown = anyHeicLayoutFlag();
    if (source && layoutKnown && (!order || !chooseHeicVariant(*order, &layout)) && unfit)
        *unfit = true;
    if (!source || !order || !chooseHeicVariant(*order, &layout)
        || !heicLayoutMatchesCount(layout, g_heicSliceCount)
        || !hasMetaHeaderTemplate(*order, *iinfDistance))
        return false;
    FileWindow window(source);
    const quint32 sourceSize = quint32(window.size());
    const SourceMeta meta = scanSourceMeta(window, sourceSize);
    if (!meta.found)
        return false;
    quint8 entryBytes[2];
    window.read(quint32(meta.iinfTag + 8), entryBytes, sizeof entryBytes);
    const int entryCount = jpg_repair::ReadUShort(entryBytes, char(repair.m_bigEndian));
    IlocPlan plan;
    if (!planHeicIloc(layout, entryCount, g_heicSliceCount, &plan)) {
        if (unfit)
            *unfit = true;
        return false;
    }
    // The meta-first copy appends the damaged file's data as it lies.
    if (*order == HeicBoxLayout::MetaFirst
        && !hevcSlicesAreContiguous(g_state.heicFile, plan.tiles, char(repair.m_bigEndian)))
        return false;

    const std::optional<quint16> primary = sourcePrimaryItem(window, sourceSize, meta.metaTag);
    if (!primary)
        return false;

    // The meta box: the header template, the source's item boxes reduced to
    // the items this file holds, and the new iloc box; the media data follows
    // in an mdat box whose size the data copy completes.
    const KeptItems kept{plan.tiles, plan.gridId};
    QByteArray metaBody = metaHeader(*order, iinfDistance, *primary);
    ItemBoxes boxes;
    const quint32 boxScanStart = *order == HeicBoxLayout::MetaFirst ? 0 : meta.metaTag;
    if (!readItemBoxes(window, sourceSize, boxScanStart, char(repair.m_bigEndian), &boxes))
        return false;
    if (remnants)
        boxes.iprp = withDamagedOrientation(boxes.iprp, *remnants, *primary);
    metaBody += iinfWithItems(boxes.iinf, kept) + irefWithItems(boxes.iref, kept)
        + iprpWithItems(boxes.iprp, kept) + boxes.idat;
    const quint32 metaSize = quint32(4 + metaBody.size()) + ilocBoxSize(plan);
    const quint32 dataStart = quint32(sizeof kFtyp) + metaSize + kMdatHeaderSize;
    QByteArray iloc;
    if (!ilocBox(plan, dataStart, repair.m_nalSizes, &iloc))
        return false;

    HeicWriter out(g_state.heicOutFile);
    out.bytes(kFtyp, sizeof kFtyp);
    out.be32(metaSize);
    out.bytes(metaBody.constData(), std::size_t(metaBody.size()));
    out.bytes(iloc.constData(), std::size_t(iloc.size()));
    const quint8 mdatHeader[kMdatHeaderSize] = {0, 0, 0, kMdatHeaderSize, 'm', 'd', 'a', 't'};
    out.bytes(mdatHeader, sizeof mdatHeader);
    return out.ok() && HeicWriter::flush(g_state.heicOutFile);
}

// A sample larger than this is not read whole for the comparison.
constexpr qint64 kMaxSampleSize = qint64(256) << 20;

// True when what survives of the damaged photo's own description (grid,
// image sizes, decoder configuration) disagrees with the sample's grid.
bool sampleContradictsDamaged(FILE* sample, const DamagedRemnants& remnants)
{
    const std::optional<GridPhoto> grid = readGridPhoto(readWholeStream(sample, kMaxSampleSize));
    return grid && remnantsContradict(remnants, *grid);
}

QString finishRebuild(bool written, const QString& name)
{
    if (written)
        return name;
    dropHeicOutput();
    return QString();
}

} // namespace

int jpg_repair::ReadUShort(const void* p, char bigEndian)
{
    const auto* b = static_cast<const quint8*>(p);
    return bigEndian == 1 ? b[0] * 256 + b[1] : b[0] + b[1] * 256;
}

QString jpg_repair::RebuildHeic(QString path)
{
    m_heicFromSample = false;
    m_heicSampleMismatch = false;
    QString name = QFileInfo(path).completeBaseName() + QStringLiteral(".heic");
    if (!openRebuildOutput(name))
        return finishRebuild(false, name);
    return finishRebuild(writeContainer(*this, g_state.heicFile, &g_heicIinfDistance),
                         name);
}

QString jpg_repair::RebuildHeicFromSample(QString damagedPath, QString samplePath)
{
    discardHeicRun();
    m_heicFromSample = true;
    m_heicSampleMismatch = false;
    checkSampleBoxOrder(*this, samplePath);
    QString name = QFileInfo(damagedPath).fileName();
    if (!openRebuildOutput(name))
        return finishRebuild(false, name);
    collectHevcSlices(*this, damagedPath);
    if (!g_state.heicFile)
        return finishRebuild(false, name);
    FileWindow damaged(g_state.heicFile);
    const DamagedRemnants remnants = readDamagedRemnants(damaged);
    FILE* sample = platform::openFile(samplePath, "rb");
    m_heicSampleMismatch = sample && !remnants.stopped && sampleContradictsDamaged(sample, remnants);
    bool unfit = false;
    const bool written = sample && !remnants.stopped && !m_heicSampleMismatch
        && writeContainer(*this, sample, &g_sampleIinfDistance, &remnants, &unfit);
    m_heicSampleMismatch = m_heicSampleMismatch || unfit;
    if (sample)
        std::fclose(sample);
    return finishRebuild(written, name);
}
