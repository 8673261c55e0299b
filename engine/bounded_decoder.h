#pragma once

#include "mcu_borders.h"

#include <QFile>
#include <QString>

#include <csetjmp>
#include <limits>
#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

// Frames with more pixels than this are not decoded.
constexpr qint64 kMaxDecodedPixels = qint64(1) << 27;

// A picture at an eighth of its size: one value per 8 x 8 block and colour
// channel, the blocks' mean values.
struct EighthPicture {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<quint8> pixels; // rows of width x channels values
};

// How finely a picture is decoded for the check: quickly (at full size when
// small, else at a quarter), or finer (full size up to 16 megapixels).
enum class PictureDetail { Quick, Fine };

// One JPEG file decoded by the JPEG library within fixed bounds: a frame
// that its bytes cannot encode, one above kMaxDecodedPixels or above the
// decoder's memory bound, a damaged Huffman table, more than 2 s of CPU
// time (more for a large frame of a photo's data) or a stop request end the
// decode as failed. Warnings about the data are counted.
class BoundedDecoder {
public:
    explicit BoundedDecoder(const QString& path);
    ~BoundedDecoder();
    BoundedDecoder(const BoundedDecoder&) = delete;
    BoundedDecoder& operator=(const BoundedDecoder&) = delete;

    // CPU time this thread has taken, in nanoseconds.
    static qint64 threadCpuNs();
    // Lets each decode take no more CPU time than `budget` nanoseconds
    // (none when it is not positive), within the bound every decode has.
    void limitCpu(qint64 budget) { m_cpuBudgetNs = budget; }
    // The CPU time each decode of this file may take, in nanoseconds, once
    // a decode has read its header.
    qint64 cpuBound() const { return m_cpuBoundNs; }

    // Decodes the file into its DCT coefficients; false when it does not
    // decode within the bounds.
    bool readCoefficients();
    // Decodes the file through every stage a full decode takes (every
    // Huffman code, sampling, colour conversion), at the scale `detail`
    // asks for, into its blocks' means and the borders between its rows of
    // MCUs; false when it does not decode within the bounds.
    bool readPicture(EighthPicture& blocks, McuBorders& borders, PictureDetail detail);
    // Whether PictureDetail::Fine decodes the picture at a larger scale than
    // the last readPicture did.
    bool finerScaleExists() const;

    // Warnings about corrupt data met in the scans.
    int corruptWarnings() const { return m_errors.corrupt; }
    // Warnings that the data ran out before the frame was complete.
    int earlyEnds() const { return m_errors.endedEarly; }
    // The row of MCUs in which the data first ran out; the frame's row
    // count when it never did.
    int firstEarlyEndRow() const;

    const jpeg_decompress_struct& info() const { return m_info; }
    int componentCount() const { return int(m_tableIds.size()); }
    // The number of the quantization table that component c names.
    int componentTableId(int component) const;
    // That table, as the file last defines it (natural order).
    const JQUANT_TBL* componentTable(int component) const;
    // Row `row` of blocks of component c, after readCoefficients; valid
    // until the next call.
    JBLOCKROW blockRow(int component, JDIMENSION row);

    struct Errors {
        jpeg_error_mgr manager; // first, so the decoder's pointer to it is one to this
        std::jmp_buf escape;
        bool inImageData = false;
        int corrupt = 0;
        int endedEarly = 0;
        int earlyEndRow = -1; // MCU row of the first early end
        qint64 cpuLimitNs = 0;
        const uchar* bytes = nullptr; // the file, for a look at its end
        qint64 size = 0;
    };

private:
    const uchar* mapFile();
    bool readHeader(const uchar* bytes);
    bool decodeCoefficients();
    bool decodePicture(EighthPicture& blocks, McuBorders& borders, PictureDetail detail);
    void startBounds();

    QFile m_file;
    jpeg_decompress_struct m_info;
    Errors m_errors;
    jpeg_progress_mgr m_progress{};
    qint64 m_cpuBudgetNs = std::numeric_limits<qint64>::max();
    qint64 m_cpuBoundNs = 0;
    qint64 m_startNs = 0; // CPU time of the thread when the decode started
    jvirt_barray_ptr* m_coefficients = nullptr;
    std::vector<int> m_tableIds; // quantization table of each component
    std::vector<JSAMPLE> m_cellRows;    // a row of MCUs of a picture, and the pixel row above it
    std::vector<JSAMPROW> m_cellRowStarts;
    std::vector<quint32> m_blockSums;   // column sums over a row of blocks
};
