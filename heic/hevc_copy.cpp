#include "file_window.h"
#include "global_state.h"
#include "heic_state.h"
#include "heic_steps.h"
#include "heic_writer.h"
#include "hevc_units.h"
#include "jpg_repair.h"
#include "rebuilt_photo_check.h"

namespace {

// A rebuilt photo larger than this is not read back for its check (nor
// listed): no photo of the layouts comes near it.
constexpr qint64 kMaxRebuiltSize = qint64(256) << 20;

// Meta-first: everything from the first IDR slice's length prefix to the end
// of the damaged file, in file order.
bool copyFromFirstSlice(FileWindow& damaged, quint32 size, const FirstSlice& first, FILE* out)
{
    if (!first.found || first.prefixPos == 0)
        return false;
    HeicWriter writer(out);
    writer.copyRange(damaged, first.prefixPos, size - first.prefixPos);
    return writer.ok();
}

// Mdat-first: the first `units` IDR slices that the slice walk counted, each
// with its length prefix, one after the other, so they land exactly on the
// extents that the rebuild listed from the walk's sizes. Ends at a unit whose
// length reaches past the end of the file.
bool copySliceUnits(FileWindow& damaged, quint32 size, const FirstSlice& first, int units,
                    char bigEndian, FILE* out)
{
    if (!first.found)
        return false;
    HeicWriter writer(out);
    int copied = 0;
    walkUnitChain(damaged, first.prefixPos, size, bigEndian, false, nullptr,
        [&](quint32 prefixPos, quint32 length) {
            if (copied >= units || quint64(prefixPos) + 4 + length > size)
                return false;
            writer.copyRange(damaged, prefixPos, quint64(length) + 4);
            ++copied;
            return writer.ok();
        });
    return copied > 0 && writer.ok();
}

} // namespace

bool appendHevcData(jpg_repair& repair)
{
    FILE* in = g_state.heicFile;
    FILE* out = g_state.heicOutFile;
    bool copied = false;
    if (g_heicMetaFirst == 1 || g_heicMdatFirst == 1) {
        const bool metaFirst = g_heicMetaFirst == 1;
        if (in && out && std::fseek(out, 0, SEEK_END) == 0) {
            const long dataStart = std::ftell(out);
            FileWindow damaged(in);
            const quint32 size = quint32(damaged.size());
            // The container was rebuilt for the file as the check measured
            // it: a file that has changed size since cannot fill it.
            const bool changed = repair.m_heicFileSize != 0 && size != repair.m_heicFileSize;
            if (changed)
                g_state.fileFailed = 1;
            repair.m_heicFileSize = size;
            const FirstSlice first = changed ? FirstSlice{} : findFirstSlice(damaged, size, true);
            if (metaFirst)
                copied = copyFromFirstSlice(damaged, size, first, out);
            else if (g_heicSliceCount >= 2 && !first.stopped)
                copied = copySliceUnits(damaged, size, first, g_heicSliceCount - 1,
                                        char(repair.m_bigEndian), out);
            copied = copied && dataStart >= 0
                && HeicWriter::completeMdat(out, quint64(dataStart), quint64(std::ftell(out)));
        }
        (metaFirst ? g_heicMetaFirst : g_heicMdatFirst) = 0;
    }
    g_heicSliceCount = 0;
    copied = copied && HeicWriter::flush(out);
    closeHeicStream(g_state.heicFile);
    return copied;
}

bool jpg_repair::CopyHevcData(QString name)
{
    const bool copied = appendHevcData(*this);
    if (!copied || name.isEmpty()) {
        dropHeicOutput();
        return false;
    }
    // The bytes written are judged as the stream that wrote them holds them,
    // before it is closed.
    const RebuiltPhotoVerdict verdict
        = judgeRebuiltPhoto(readWholeStream(g_state.heicOutFile, kMaxRebuiltSize), m_heicFromSample);
    m_heicSampleMismatch = verdict == RebuiltPhotoVerdict::SampleMismatch;
    const bool closed = std::fclose(g_state.heicOutFile) == 0;
    g_state.heicOutFile = nullptr;
    if (!closed || verdict != RebuiltPhotoVerdict::Listed) {
        dropHeicOutput();
        return false;
    }
    g_heicOutputPath.clear();
    g_state.producedFiles.append(name);
    return true;
}
