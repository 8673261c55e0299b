#include "file_open.h"
#include "file_window.h"
#include "global_state.h"
#include "heic_state.h"
#include "heic_steps.h"
#include "heic_variants.h"
#include "heic_writer.h"
#include "hevc_units.h"
#include "jpg_repair.h"
#include "output_names.h"
#include "word_scan.h"

#include <QDir>
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

// pitm box naming item 0 as the primary item.
const quint8 kPitm[14] = {0, 0, 0, 0x0E, 'p', 'i', 't', 'm', 0, 0, 0, 0, 0, 0};

// Writes an hdlr box of 33 or 34 bytes: the fixed start, the rest zeros.
void writeHandler(HeicWriter& out, int boxSize)
{
    quint8 box[34] = {};
    std::copy(std::begin(kPictHandler), std::end(kPictHandler), box);
    box[3] = quint8(boxSize);
    out.bytes(box, std::size_t(boxSize));
}

// Meta-first templates exist for the source's distances from the meta box to
// its iinf tag of 99 (33-byte hdlr) and 100 (34-byte hdlr) only.
bool hasMetaHeaderTemplate(HeicBoxLayout order, int iinfDistance)
{
    return order == HeicBoxLayout::MdatFirst || iinfDistance == 99 || iinfDistance == 100;
}

// The meta box header of the rebuilt file, by box order and, meta-first, by
// the source's iinf distance, which is used up by writing it.
void writeMetaHeader(HeicWriter& out, HeicBoxLayout order, int* iinfDistance)
{
    out.bytes(kMetaTag, sizeof kMetaTag);
    if (order == HeicBoxLayout::MdatFirst) {
        writeHandler(out, 34);
        out.bytes(kPitm, sizeof kPitm);
        return;
    }
    writeHandler(out, *iinfDistance == 99 ? 33 : 34);
    out.bytes(kDinf, sizeof kDinf);
    out.bytes(kPitm, sizeof kPitm);
    *iinfDistance = 0;
}

struct SourceMeta {
    bool found = false;
    quint8 metaSize[4] = {};
    quint32 metaTag = 0; // position of the last meta tag before the iinf tag
    quint32 iinfTag = 0;
};

// Finds the source's first iinf tag and the meta box size in front of the
// last meta tag before it.
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
                     source.read(quint32(pos - 4), meta.metaSize, sizeof meta.metaSize);
                     meta.metaTag = pos;
                     return true;
                 });
    return meta;
}

// Copies the source's iinf, iref, iprp and idat boxes; a box that is missing
// or whose size is not below the source size is left out. False on a stop.
bool copyItemBoxes(HeicWriter& out, FileWindow& source, quint32 size, quint32 from, char bigEndian)
{
    for (const quint32 tag : {fourCC("iinf"), fourCC("iref"), fourCC("iprp"), fourCC("idat")}) {
        const WordScanHit hit = scanForWords(source, from, size, {tag}, true);
        if (hit.status == WordScanHit::Stopped)
            return false;
        if (!hit.found())
            continue;
        const quint32 boxStart = hit.pos - 4;
        const quint32 boxSize = readLength(source, boxStart, bigEndian);
        if (boxSize < size)
            out.copyRange(source, boxStart, boxSize);
    }
    return true;
}

// The new iloc box: tile items whose extents follow one another from the
// plan's first offset, then the grid item stored in idat. False on a stop.
bool writeIloc(HeicWriter& out, const IlocPlan& plan, int entryCount, const qint32* sliceSizes,
               HeicBoxLayout order)
{
    out.be32(quint32(16 * (entryCount + 1)));
    const quint8 header[] = {'i', 'l', 'o', 'c', 1, 0, 0, 0, 0x44, 0x00};
    out.bytes(header, sizeof header);
    out.be16(plan.itemCount);
    quint32 offset = out.written() + plan.firstOffset;
    for (int k = 1; k <= plan.tiles; ++k) {
        if (k > 1 && g_state.stopRequested.load(std::memory_order_relaxed))
            return false;
        const quint32 length = quint32(sliceSizes[k - 1]);
        const quint16 item[4] = {quint16(k), 0, 0, 1};
        for (const quint16 field : item)
            out.be16(field);
        out.be32(offset);
        out.be32(length);
        offset += length;
    }
    for (const quint16 field : {plan.gridId, quint16(1), quint16(0), quint16(1)})
        out.be16(field);
    out.be32(0);
    out.be32(8);
    if (order == HeicBoxLayout::MetaFirst)
        out.be32(1);
    return true;
}

// Creates the output in the work folder's "HEIC_Repaired" and opens it into
// the repair state. A name that an existing file holds (another input's
// rebuild of the same name, or an input lying in that folder) becomes a free
// numbered one, so nothing there is overwritten; `name` returns it. The file
// is created new: a link or file that appears at the name after the check
// is neither followed nor truncated.
bool openRebuildOutput(QString& name)
{
    dropHeicOutput();
    if (g_state.workFolder.isEmpty())
        return false;
    QDir folder(g_state.workFolder);
    folder.mkpath(QStringLiteral("HEIC_Repaired"));
    if (!folder.cd(QStringLiteral("HEIC_Repaired")))
        return false;
    name = freeOutputName(folder.absolutePath(), QLatin1Char('/') + name).mid(1);
    const QString path = folder.absolutePath() + QLatin1Char('/') + name;
    g_state.heicOutFile = platform::openFile(path, "wb+x");
    if (!g_state.heicOutFile)
        return false;
    g_heicOutputPath = path;
    return true;
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
// boxes from `source`. False when nothing usable could be written.
bool writeContainer(jpg_repair& repair, FILE* source, int* iinfDistance)
{
    const auto order = boxOrderFlag();
    HeicTileLayout layout;
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
    if (!planHeicIloc(layout, entryCount, g_heicSliceCount, &plan))
        return false;
    // The meta-first copy appends the damaged file's data as it lies.
    if (*order == HeicBoxLayout::MetaFirst
        && !hevcSlicesAreContiguous(g_state.heicFile, plan.tiles, char(repair.m_bigEndian)))
        return false;

    HeicWriter out(g_state.heicOutFile);
    out.bytes(kFtyp, sizeof kFtyp);
    out.bytes(meta.metaSize, sizeof meta.metaSize);
    writeMetaHeader(out, *order, iinfDistance);
    const quint32 boxScanStart = *order == HeicBoxLayout::MetaFirst ? 0 : meta.metaTag;
    if (!copyItemBoxes(out, window, sourceSize, boxScanStart, char(repair.m_bigEndian)))
        return false;
    if (!writeIloc(out, plan, entryCount, repair.m_nalSizes, *order))
        return false;
    return out.ok() && HeicWriter::flush(g_state.heicOutFile);
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
    QString name = QFileInfo(path).completeBaseName() + QStringLiteral(".heic");
    if (!openRebuildOutput(name))
        return finishRebuild(false, name);
    return finishRebuild(writeContainer(*this, g_state.heicFile, &g_heicIinfDistance),
                         name);
}

QString jpg_repair::RebuildHeicFromSample(QString damagedPath, QString samplePath)
{
    discardHeicRun();
    checkSampleBoxOrder(*this, samplePath);
    QString name = QFileInfo(damagedPath).fileName();
    if (!openRebuildOutput(name))
        return finishRebuild(false, name);
    collectHevcSlices(*this, damagedPath);
    FILE* sample = platform::openFile(samplePath, "rb");
    const bool written = writeContainer(*this, sample, &g_sampleIinfDistance);
    if (sample)
        std::fclose(sample);
    return finishRebuild(written, name);
}
