#include "bounded_decoder.h"

#include "global_state.h"
#include "huffman_table_check.h"

#include <algorithm>
#include <ctime>

extern "C" {
// The message codes, as an enumeration.
#include <jerror.h>
}

namespace {

// Memory the decoder may take for the coefficients: a 100-megapixel photo
// with subsampled colour needs about 300 MB; a frame that needs more does
// not decode.
constexpr long kMaxDecodeMemory = 320L << 20;
// CPU time one decode may take, whatever the file declares.
constexpr qint64 kMaxCpuNs = 2'000'000'000;
// Progressive files have about ten scans; thousands of tiny scans that each
// revisit every block of a large frame are not a photo.
constexpr int kMaxScans = 500;

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

BoundedDecoder::Errors& errorsOf(j_common_ptr cinfo)
{
    return *reinterpret_cast<BoundedDecoder::Errors*>(cinfo->err);
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

// Zero bytes between the image's last data and its end marker, as some
// cameras and cards leave them, touch no pixel. Only the file's last end
// marker is looked at: other bytes there are data the decoder did not use.
bool isPaddingBeforeEnd(const BoundedDecoder::Errors& errors)
{
    const jpeg_error_mgr& manager = errors.manager;
    if (manager.msg_code != JWRN_EXTRANEOUS_DATA || manager.msg_parm.i[1] != 0xD9)
        return false;
    const qint64 count = manager.msg_parm.i[0];
    if (errors.size < count + 2 || errors.bytes[errors.size - 2] != 0xFF
        || errors.bytes[errors.size - 1] != 0xD9)
        return false;
    const uchar* padding = errors.bytes + errors.size - 2 - count;
    return std::all_of(padding, padding + count, [](uchar byte) { return byte == 0; });
}

// Called by the decoder at every row of blocks: the bounds of the decode.
void watchBounds(j_common_ptr cinfo)
{
    const bool tooManyScans = reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans;
    if (tooManyScans || threadCpuNs() > errorsOf(cinfo).cpuLimitNs || g_state.stopRequested != 0)
        leaveOnError(cinfo);
}

// Warnings in the headers (bytes between segments, unknown revisions) do not
// touch the pixels; from the first scan on every other warning is corrupt
// data.
void countWarning(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    BoundedDecoder::Errors& errors = errorsOf(cinfo);
    if (isEarlyEnd(*cinfo->err))
        ++errors.endedEarly;
    else if (isPaddingBeforeEnd(errors))
        return;
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

} // namespace

BoundedDecoder::BoundedDecoder(const QString& path) : m_file(path)
{
    m_info.err = jpeg_std_error(&m_errors.manager);
    m_errors.manager.error_exit = leaveOnError;
    m_errors.manager.emit_message = countWarning;
    jpeg_create_decompress(&m_info);
    m_progress.progress_monitor = watchBounds;
    m_info.progress = &m_progress;
}

BoundedDecoder::~BoundedDecoder()
{
    jpeg_destroy_decompress(&m_info);
}

const uchar* BoundedDecoder::mapFile()
{
    // The file is mapped, not read: the decoder takes its bytes from the
    // page cache.
    if (!m_file.isOpen() && !m_file.open(QIODevice::ReadOnly))
        return nullptr;
    return m_file.size() > 0 ? m_file.map(0, m_file.size()) : nullptr;
}

void BoundedDecoder::startBounds()
{
    m_errors.cpuLimitNs = threadCpuNs() + kMaxCpuNs;
}

bool BoundedDecoder::readCoefficients()
{
    startBounds();
    if (setjmp(m_errors.escape) != 0) {
        m_coefficients = nullptr;
        return false;
    }
    return decodeCoefficients();
}

bool BoundedDecoder::readEighthScale(EighthPicture& picture)
{
    startBounds();
    if (setjmp(m_errors.escape) != 0)
        return false;
    return decodeEighthScale(picture);
}

bool BoundedDecoder::readHeader(const uchar* bytes)
{
    jpeg_mem_src(&m_info, bytes, static_cast<unsigned long>(m_file.size()));
    if (jpeg_read_header(&m_info, TRUE) != JPEG_HEADER_OK || !frameFits(m_info, m_file.size())
        || !huffmanTablesUsable(m_info))
        return false;
    // The component records go with the image's memory when the decode
    // finishes; the tables they name stay.
    m_tableIds.clear();
    for (int c = 0; c < m_info.num_components; ++c)
        m_tableIds.push_back(m_info.comp_info[c].quant_tbl_no);
    m_info.mem->max_memory_to_use = kMaxDecodeMemory;
    m_errors.bytes = bytes;
    m_errors.size = m_file.size();
    m_errors.inImageData = true;
    return true;
}

// Everything a decode allocates belongs to the decoder, so an error can
// leave from anywhere.
bool BoundedDecoder::decodeCoefficients()
{
    const uchar* bytes = mapFile();
    if (!bytes || !readHeader(bytes))
        return false;
    m_coefficients = jpeg_read_coefficients(&m_info);
    return m_coefficients != nullptr;
}

// At an eighth of the size the decoder still decodes every Huffman code of
// the data, but each block becomes a single value: the work and the memory
// stay small.
bool BoundedDecoder::decodeEighthScale(EighthPicture& picture)
{
    const uchar* bytes = mapFile();
    if (!bytes || !readHeader(bytes))
        return false;
    m_info.scale_num = 1;
    m_info.scale_denom = 8;
    m_info.dct_method = JDCT_IFAST;
    m_info.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&m_info);
    picture.width = int(m_info.output_width);
    picture.height = int(m_info.output_height);
    picture.channels = m_info.output_components;
    const std::size_t stride = std::size_t(picture.width) * std::size_t(picture.channels);
    picture.pixels.assign(stride * std::size_t(picture.height), 0);
    while (m_info.output_scanline < m_info.output_height) {
        JSAMPROW row = picture.pixels.data() + stride * m_info.output_scanline;
        jpeg_read_scanlines(&m_info, &row, 1);
    }
    jpeg_finish_decompress(&m_info);
    return true;
}

int BoundedDecoder::componentTableId(int component) const
{
    return component >= 0 && component < int(m_tableIds.size()) ? m_tableIds[std::size_t(component)]
                                                                 : -1;
}

const JQUANT_TBL* BoundedDecoder::componentTable(int component) const
{
    const int id = componentTableId(component);
    return id >= 0 && id < NUM_QUANT_TBLS ? m_info.quant_tbl_ptrs[id] : nullptr;
}

JBLOCKROW BoundedDecoder::blockRow(int component, JDIMENSION row)
{
    JBLOCKARRAY rows = (*m_info.mem->access_virt_barray)(
        reinterpret_cast<j_common_ptr>(&m_info), m_coefficients[component], row, 1, FALSE);
    return rows[0];
}
