#include "bounded_decoder.h"

#include "global_state.h"
#include "huffman_table_check.h"

#include <QtAlgorithms>

#include <algorithm>
#include <cstdlib>
#include <ctime>

extern "C" {
// The message codes, as an enumeration.
#include <jerror.h>
}

namespace {

// Memory the decoder may take for the coefficients of any frame: a
// 100-megapixel photo with subsampled colour needs about 300 MB.
constexpr qint64 kMaxDecodeMemory = qint64(320) << 20;
// A frame whose coefficients need more (a progressive photo with full colour
// from about 55 megapixels on, up to the pixel limit) may take what they
// need when the file holds at least a byte for each of its blocks, as a
// photo's data does: a small file declaring a large frame gets no more.
constexpr qint64 kCoefficientBytesPerFileByte = 128;
// Room for the decoder's other buffers beside the coefficients.
constexpr qint64 kDecoderBuffers = qint64(32) << 20;
// CPU time one decode may take, whatever the file declares.
constexpr qint64 kMaxCpuNs = 2'000'000'000;
// A frame may take this much per block, where that is more, when the file
// holds at least a byte for each of its blocks, as a photo's data does: a
// healthy photo takes about half a microsecond per block, and a large one
// keeps room on a slow or busy machine.
constexpr qint64 kCpuNsPerBlock = 4'000;
// Progressive files have about ten scans; thousands of tiny scans that each
// revisit every block of a large frame are not a photo.
constexpr int kMaxScans = 500;

} // namespace

qint64 BoundedDecoder::threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

namespace {

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

// Bytes the decoder skipped right before the file's last end marker, after
// the image's last scan; false when the warning is another.
bool skippedBeforeEnd(const BoundedDecoder::Errors& errors, const uchar** skipped, qint64* count)
{
    const jpeg_error_mgr& manager = errors.manager;
    if (manager.msg_code != JWRN_EXTRANEOUS_DATA || manager.msg_parm.i[1] != 0xD9)
        return false;
    *count = manager.msg_parm.i[0];
    if (errors.size < *count + 2 || errors.bytes[errors.size - 2] != 0xFF
        || errors.bytes[errors.size - 1] != 0xD9)
        return false;
    *skipped = errors.bytes + errors.size - 2 - *count;
    return true;
}

// Bytes before the file's end marker that touch no pixel: zero bytes, as
// some cameras and cards leave them, and, in a progressive image, any bytes
// after its last scan, whose blocks were all read before them. (Such bytes
// after a sequential image's data make its picture judged for a break.)
bool isHarmlessBeforeEnd(j_common_ptr cinfo, const BoundedDecoder::Errors& errors)
{
    const uchar* skipped = nullptr;
    qint64 count = 0;
    if (!skippedBeforeEnd(errors, &skipped, &count))
        return false;
    return reinterpret_cast<j_decompress_ptr>(cinfo)->progressive_mode
        || std::all_of(skipped, skipped + count, [](uchar byte) { return byte == 0; });
}

// Called by the decoder at every row of blocks: the bounds of the decode.
void watchBounds(j_common_ptr cinfo)
{
    const bool tooManyScans = reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans;
    if (tooManyScans || BoundedDecoder::threadCpuNs() > errorsOf(cinfo).cpuLimitNs || g_state.stopRequested != 0)
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
    if (isEarlyEnd(*cinfo->err)) {
        if (errors.endedEarly++ == 0)
            errors.earlyEndRow = int(reinterpret_cast<j_decompress_ptr>(cinfo)->input_iMCU_row);
    }
    else if (isHarmlessBeforeEnd(cinfo, errors))
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

// Bytes the coefficients of the whole frame take, as the decoder keeps them
// for a progressive or multi-scan image: each component's blocks, rounded
// up to whole MCUs.
qint64 coefficientBytes(const jpeg_decompress_struct& cinfo)
{
    qint64 blocks = 0;
    for (int c = 0; c < cinfo.num_components; ++c) {
        const jpeg_component_info& info = cinfo.comp_info[c];
        const auto roundUp = [](qint64 value, qint64 unit) { return (value + unit - 1) / unit * unit; };
        blocks += roundUp(info.width_in_blocks, info.h_samp_factor)
            * roundUp(info.height_in_blocks, info.v_samp_factor);
    }
    return blocks * qint64(sizeof(JBLOCK));
}

// The memory the decode may take (see kMaxDecodeMemory).
long decodeMemoryBound(const jpeg_decompress_struct& cinfo, qint64 fileSize)
{
    const qint64 needed = coefficientBytes(cinfo) + kDecoderBuffers;
    const qint64 allowed = std::min(needed, fileSize * kCoefficientBytesPerFileByte);
    return long(std::max(kMaxDecodeMemory, allowed));
}

// The CPU time the decode may take (see kMaxCpuNs).
qint64 decodeCpuBound(const jpeg_decompress_struct& cinfo, qint64 fileSize)
{
    const qint64 blocks = coefficientBytes(cinfo) / qint64(sizeof(JBLOCK));
    return std::max(kMaxCpuNs, std::min(blocks, fileSize) * kCpuNsPerBlock);
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

// The scale, in eighths, at which a picture is decoded for the check: full
// size for a frame of at most a megapixel, whose eighth has too few borders
// to tell a break; for a larger one a quarter, so the decode costs less
// than a plain one, or for a finer look the largest scale that gives at
// most 16 megapixels.
int checkScale(const jpeg_decompress_struct& info, PictureDetail detail)
{
    constexpr qint64 kFullSizePixels = qint64(1) << 20;
    constexpr qint64 kFinePixels = qint64(16) << 20;
    const qint64 pixels = qint64(info.image_width) * qint64(info.image_height);
    if (pixels <= kFullSizePixels)
        return 8;
    if (detail == PictureDetail::Quick)
        return 2;
    int eighths = 8;
    while (eighths > 1 && pixels * eighths * eighths > kFinePixels * 64)
        eighths /= 2;
    return eighths;
}

// Sums the pixels of each column over a row of blocks into `sums` and
// writes the blocks' means into the eighth-size picture once the row is
// complete. It owns nothing, so a decode error may leave it behind.
class BlockMeans {
public:
    BlockMeans(EighthPicture& picture, std::vector<quint32>& sums, int width, int height, int channels,
               int side)
        : m_picture(picture), m_sums(sums), m_width(width), m_height(height), m_channels(channels),
          m_side(side)
    {
        picture.width = (width + side - 1) / side;
        picture.height = (height + side - 1) / side;
        picture.channels = channels;
        picture.pixels.assign(std::size_t(picture.width) * std::size_t(picture.height) * std::size_t(channels), 0);
        m_sums.assign(std::size_t(width) * std::size_t(channels), 0);
    }

    void add(const JSAMPLE* __restrict row, int y)
    {
        quint32* __restrict sum = m_sums.data();
        const std::size_t values = m_sums.size();
        // Runs of 16 values the compiler adds as vectors.
        std::size_t i = 0;
        for (; i + 16 <= values; i += 16) {
            for (std::size_t j = 0; j < 16; ++j)
                sum[i + j] += row[i + j];
        }
        for (; i < values; ++i)
            sum[i] += row[i];
        if (y % m_side == m_side - 1 || y == m_height - 1)
            writeRow(y / m_side, y % m_side + 1);
    }

private:
    void writeRow(int blockRow, int rows)
    {
        quint8* out = m_picture.pixels.data()
            + std::size_t(blockRow) * std::size_t(m_picture.width) * std::size_t(m_channels);
        for (int bx = 0; bx < m_picture.width; ++bx) {
            const int columns = std::min(m_side, m_width - bx * m_side);
            const quint32* column = m_sums.data() + std::size_t(bx) * std::size_t(m_side * m_channels);
            const quint32 count = quint32(rows * columns);
            for (int c = 0; c < m_channels; ++c) {
                quint32 total = 0;
                for (int x = 0; x < columns; ++x)
                    total += column[x * m_channels + c];
                out[bx * m_channels + c] = roundedMean(total, count);
            }
        }
        std::fill(m_sums.begin(), m_sums.end(), 0);
    }

    // (total + count / 2) / count, by a shift for the power of two a
    // whole block's count is.
    static quint8 roundedMean(quint32 total, quint32 count)
    {
        const quint32 rounded = total + count / 2;
        if ((count & (count - 1)) == 0)
            return quint8(rounded >> qCountTrailingZeroBits(count));
        return quint8(rounded / count);
    }

    EighthPicture& m_picture;
    std::vector<quint32>& m_sums;
    int m_width;
    int m_height;
    int m_channels;
    int m_side;
};

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
    m_startNs = threadCpuNs();
    m_errors.cpuLimitNs = m_startNs + std::min(kMaxCpuNs, m_cpuBudgetNs);
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
    m_info.mem->max_memory_to_use = decodeMemoryBound(m_info, m_file.size());
    m_cpuBoundNs = decodeCpuBound(m_info, m_file.size());
    m_errors.cpuLimitNs = m_startNs + std::min(m_cpuBoundNs, m_cpuBudgetNs);
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

bool BoundedDecoder::readPicture(EighthPicture& blocks, McuBorders& borders, PictureDetail detail)
{
    startBounds();
    if (setjmp(m_errors.escape) != 0)
        return false;
    return decodePicture(blocks, borders, detail);
}

// At a reduced scale the decoder still decodes every Huffman code of the
// data and takes every stage of a decode, with less work and memory. The
// pixel rows are read a row of MCUs at a time, beside the last pixel row of
// the one above; only the block means are kept whole. The buffers belong to
// the decoder, so an error can leave from anywhere.
bool BoundedDecoder::decodePicture(EighthPicture& blocks, McuBorders& borders, PictureDetail detail)
{
    const uchar* bytes = mapFile();
    if (!bytes || !readHeader(bytes))
        return false;
    m_info.scale_num = unsigned(checkScale(m_info, detail));
    m_info.scale_denom = 8;
    m_info.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&m_info);
    const int width = int(m_info.output_width);
    const int height = int(m_info.output_height);
    const int channels = m_info.output_components;
    const int blockSide = m_info.min_DCT_scaled_size;
    BlockMeans means(blocks, m_blockSums, width, height, channels, blockSide);
    const int cellWidth = m_info.max_h_samp_factor * blockSide;
    const int cellHeight = m_info.max_v_samp_factor * blockSide;
    // Shifts by whole MCUs matter with damage reported, and then a picture
    // decoded quickly is decoded again finer.
    borders.reset(int(m_info.total_iMCU_rows), (width + cellWidth - 1) / cellWidth, channels, !finerScaleExists());
    const std::size_t stride = std::size_t(width) * std::size_t(channels);
    // Row 0 holds the last pixel row of the row of MCUs above.
    m_cellRows.assign(std::size_t(cellHeight + 1) * stride, 0);
    std::vector<JSAMPROW>& rows = m_cellRowStarts;
    rows.resize(std::size_t(cellHeight) + 1);
    for (int i = 0; i <= cellHeight; ++i)
        rows[std::size_t(i)] = m_cellRows.data() + std::size_t(i) * stride;
    while (int(m_info.output_scanline) < height) {
        const int top = int(m_info.output_scanline);
        const int count = std::min(cellHeight, height - top);
        while (int(m_info.output_scanline) < top + count) {
            const int done = int(m_info.output_scanline) - top;
            jpeg_read_scanlines(&m_info, rows.data() + 1 + done, JDIMENSION(count - done));
        }
        for (int i = 0; i < count; ++i)
            means.add(rows[std::size_t(i) + 1], top + i);
        borders.measureSides(top / cellHeight, rows.data() + 1, count, width, cellWidth);
        if (top > 0)
            borders.measureRow(top / cellHeight, rows[0], rows[1], width, cellWidth);
        std::copy(rows[std::size_t(count)], rows[std::size_t(count)] + stride, rows[0]);
    }
    jpeg_finish_decompress(&m_info);
    borders.rows = std::min(borders.rows, firstEarlyEndRow());
    return true;
}

bool BoundedDecoder::finerScaleExists() const
{
    return checkScale(m_info, PictureDetail::Fine) > int(m_info.scale_num);
}

int BoundedDecoder::firstEarlyEndRow() const
{
    return m_errors.earlyEndRow >= 0 ? m_errors.earlyEndRow : int(m_info.total_iMCU_rows);
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
