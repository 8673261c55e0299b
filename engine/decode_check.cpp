// The decode check: the image is decoded at an eighth of its size, which
// still decodes every Huffman code of its entropy-coded data but keeps the
// work and the memory small, and every warning about corrupt data counts.
#include "decode_check.h"

#include "huffman_table_check.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
// The message codes, as an enumeration.
#include <jerror.h>
}

namespace {

// Memory the decoder may take; only progressive frames near the pixel cap
// come close to it.
constexpr long kMaxDecodeMemory = 1L << 30;
// Progressive files have about ten scans; thousands of tiny scans that each
// revisit every block of a large frame would make the check take minutes.
constexpr int kMaxScans = 500;

struct CheckErrors {
    jpeg_error_mgr manager; // first, so the decoder's pointer to it is one to this
    std::jmp_buf escape;
    bool inImageData = false;
    int corrupt = 0;
    int endedEarly = 0;
};

CheckErrors& errorsOf(j_common_ptr cinfo)
{
    return *reinterpret_cast<CheckErrors*>(cinfo->err);
}

[[noreturn]] void leaveOnError(j_common_ptr cinfo)
{
    std::longjmp(errorsOf(cinfo).escape, 1);
}

// Warnings of data that stops: the decoder reaches the image's end marker
// (or the file's end) while blocks are still due, and, with restart
// intervals, finds that end marker where each later restart marker was due.
bool isEarlyEnd(const jpeg_error_mgr& manager)
{
    switch (manager.msg_code) {
    case JWRN_HIT_MARKER:
    case JWRN_JPEG_EOF:
        return true;
    case JWRN_MUST_RESYNC:
        return manager.msg_parm.i[0] == 0xD9;
    default:
        return false;
    }
}

void limitScans(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
        leaveOnError(cinfo);
}

// Warnings in the headers (bytes between segments, unknown revisions) do not
// touch the pixels; from the first scan on every other warning is corrupt
// data.
void countWarning(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    CheckErrors& errors = errorsOf(cinfo);
    if (isEarlyEnd(*cinfo->err))
        ++errors.endedEarly;
    else if (errors.inImageData)
        ++errors.corrupt;
}

// Every 8 x 8 block of the first component costs at least one bit of
// entropy-coded data, in any scan order.
bool frameFits(const jpeg_decompress_struct& cinfo, qint64 fileSize)
{
    const qint64 pixels = qint64(cinfo.image_width) * qint64(cinfo.image_height);
    if (pixels <= 0 || pixels > kMaxDecodedPixels)
        return false;
    const jpeg_component_info& first = cinfo.comp_info[0];
    const qint64 blocks = qint64(first.width_in_blocks) * qint64(first.height_in_blocks);
    return blocks / 8 <= fileSize;
}

// A damaged Huffman table turns codes into wrong symbols without any warning
// from the decoder, so the tables are looked at before the data.
bool tableUsable(const JHUFF_TBL* table, bool dcClass)
{
    if (!table)
        return true;
    int symbolCount = 0;
    for (int length = 1; length <= 16; ++length)
        symbolCount += table->bits[length];
    return symbolCount <= 256
        && isUsableHuffmanTable(table->bits + 1, table->huffval, symbolCount, dcClass);
}

bool huffmanTablesUsable(const jpeg_decompress_struct& cinfo)
{
    for (int i = 0; i < NUM_HUFF_TBLS; ++i) {
        if (!tableUsable(cinfo.dc_huff_tbl_ptrs[i], true)
            || !tableUsable(cinfo.ac_huff_tbl_ptrs[i], false))
            return false;
    }
    return true;
}

// Decodes the whole file; everything it allocates belongs to the decoder, so
// an error can leave from anywhere.
bool decodeChecked(jpeg_decompress_struct& cinfo, CheckErrors& errors, const uchar* bytes,
                   qint64 size)
{
    jpeg_mem_src(&cinfo, bytes, static_cast<unsigned long>(size));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK || !frameFits(cinfo, size)
        || !huffmanTablesUsable(cinfo))
        return false;
    cinfo.scale_num = 1;
    cinfo.scale_denom = 8;
    cinfo.dct_method = JDCT_IFAST;
    cinfo.do_fancy_upsampling = FALSE;
    cinfo.mem->max_memory_to_use = kMaxDecodeMemory;
    errors.inImageData = true;
    jpeg_start_decompress(&cinfo);
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(
        reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
        cinfo.output_width * JDIMENSION(cinfo.output_components), 1);
    while (cinfo.output_scanline < cinfo.output_height)
        jpeg_read_scanlines(&cinfo, row, 1);
    jpeg_finish_decompress(&cinfo);
    return true;
}

} // namespace

bool imageDecodes(const QString& path, DataEnd end)
{
    // The file is mapped, not read: the decoder takes its bytes from the
    // page cache.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0)
        return false;
    const qint64 size = file.size();
    const uchar* bytes = file.map(0, size);
    if (!bytes)
        return false;
    jpeg_decompress_struct cinfo;
    CheckErrors errors;
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = leaveOnError;
    errors.manager.emit_message = countWarning;
    jpeg_create_decompress(&cinfo);
    jpeg_progress_mgr progress{};
    progress.progress_monitor = limitScans;
    cinfo.progress = &progress;
    volatile bool decoded = false;
    if (setjmp(errors.escape) == 0)
        decoded = decodeChecked(cinfo, errors, bytes, size);
    jpeg_destroy_decompress(&cinfo);
    return decoded && errors.corrupt == 0
        && (errors.endedEarly == 0 || end == DataEnd::MayEndEarly);
}
