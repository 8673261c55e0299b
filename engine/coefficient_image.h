#pragma once

#include <QFile>
#include <QString>

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

// Frames with more pixels than this are not decoded.
constexpr qint64 kMaxDecodedPixels = qint64(1) << 27;

// The entropy-coded data of one JPEG file decoded into its DCT coefficients
// by the JPEG library, within fixed bounds: a frame that its bytes cannot
// encode, a damaged Huffman table, more than 2 s of CPU time or a stop
// request end the decode as failed. Warnings about the data are counted.
class CoefficientImage {
public:
    explicit CoefficientImage(const QString& path);
    ~CoefficientImage();
    CoefficientImage(const CoefficientImage&) = delete;
    CoefficientImage& operator=(const CoefficientImage&) = delete;

    // Decodes the file; false when it does not decode within the bounds.
    bool read();
    // Reads the headers only and sets up the decoder's output (sampling,
    // colour conversion) as a full decode would; false when it cannot.
    bool readOutputSetUp();

    // Warnings about corrupt data met in the scans.
    int corruptWarnings() const { return m_errors.corrupt; }
    // Warnings that the data ran out before the frame was complete.
    int earlyEnds() const { return m_errors.endedEarly; }

    const jpeg_decompress_struct& info() const { return m_info; }
    int componentCount() const { return m_info.num_components; }
    // The quantization table component c was decoded with (natural order).
    const JQUANT_TBL* componentTable(int component) const;
    // Row `row` of blocks of component c; valid until the next call.
    JBLOCKROW blockRow(int component, JDIMENSION row);

    struct Errors {
        jpeg_error_mgr manager; // first, so the decoder's pointer to it is one to this
        std::jmp_buf escape;
        bool inImageData = false;
        int corrupt = 0;
        int endedEarly = 0;
        qint64 cpuLimitNs = 0;
        const uchar* bytes = nullptr; // the file, for a look at its end
        qint64 size = 0;
    };

private:
    const uchar* mapFile();
    bool readHeader(const uchar* bytes);
    bool decode();
    bool setUpOutput();

    QFile m_file;
    jpeg_decompress_struct m_info;
    Errors m_errors;
    jpeg_progress_mgr m_progress{};
    jvirt_barray_ptr* m_coefficients = nullptr;
};
