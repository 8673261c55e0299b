#include "hevc_tile_decode.h"

#include "bounded_decoder.h"
#include "global_state.h"
#include "hevc_bits.h"
#include "hevc_entry_points.h"
#include "hevc_picture_size.h"

#include <libde265/de265.h>

#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr int kMaxWorkers = 4;
// Calls of the decoder's step function per tile; one picture needs a few.
constexpr int kMaxDecodeSteps = 10000;
// Luma blocks of this size are tested for samples the decoder never wrote.
constexpr int kBlock = 8;
// Coded pictures are at most one largest coding block larger than the
// image they show.
constexpr int kMaxPadding = 64;

// Every fresh picture buffer starts filled with a pattern that no decoded
// block reproduces, repeated with a prime period so that it never lines up
// with the rows: bytes that still hold it were never written.
constexpr std::size_t kPatternPeriod = 4093;

const std::vector<quint8>& unwrittenPattern()
{
    static const std::vector<quint8> pattern = [] {
        std::vector<quint8> bytes(kPatternPeriod);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = quint8((quint32(i) * 2654435761u) >> 24) ^ 0x5A;
        return bytes;
    }();
    return pattern;
}

void fillUnwritten(quint8* memory, std::size_t size)
{
    const std::vector<quint8>& pattern = unwrittenPattern();
    for (std::size_t at = 0; at < size; at += kPatternPeriod)
        std::copy_n(pattern.begin(), std::min(kPatternPeriod, size - at), memory + at);
}


int planeBytesPerSample(de265_image* image, int channel)
{
    return (de265_get_bits_per_pixel(image, channel) + 7) / 8;
}

int getBuffer(de265_decoder_context*, de265_image_spec* layout, de265_image* image, void*)
{
    const int alignment = std::max(layout->alignment, 16);
    for (int channel = 0; channel < 3; ++channel) {
        int width = layout->width;
        int height = layout->height;
        if (channel > 0) {
            if (layout->format == de265_image_format_mono8) {
                de265_set_image_plane(image, channel, nullptr, 0, nullptr);
                continue;
            }
            if (layout->format != de265_image_format_YUV444P8)
                width = (width + 1) / 2;
            if (layout->format == de265_image_format_YUV420P8)
                height = (height + 1) / 2;
        }
        const int bytes = planeBytesPerSample(image, channel);
        const std::size_t stride = (std::size_t(width) * bytes + alignment - 1) / alignment * alignment;
        // Room past the last row for vector code that reads ahead.
        const std::size_t size = (stride * (std::size_t(height) + 2) + alignment - 1) / alignment * alignment;
        auto* memory = static_cast<quint8*>(std::aligned_alloc(std::size_t(alignment), size));
        if (!memory)
            return 0;
        fillUnwritten(memory, size);
        de265_set_image_plane(image, channel, memory, int(stride), memory);
    }
    return 1;
}

void releaseBuffer(de265_decoder_context*, de265_image* image, void*)
{
    for (int channel = 0; channel < 3; ++channel)
        std::free(de265_get_image_plane_user_data(image, channel));
}

de265_image_allocation kAllocation{getBuffer, releaseBuffer};

struct DecoderFree {
    void operator()(de265_decoder_context* decoder) const { de265_free_decoder(decoder); }
};

// Warnings about the decoder's own threads or queue say nothing about the
// stream.
bool isStreamWarning(de265_error warning)
{
    return warning != DE265_WARNING_NO_WPP_CANNOT_USE_MULTITHREADING
        && warning != DE265_WARNING_WARNING_BUFFER_FULL
        && warning != DE265_WARNING_NUMBER_OF_THREADS_LIMITED_TO_MAXIMUM;
}

// The coded slices of an item's data; parameter sets and other non-slice
// units in the data are left out: only those of the configuration count.
// Empty when a length runs past the end.
QVector<QByteArray> slicesOf(const QByteArray& data, int lengthSize)
{
    QVector<QByteArray> slices;
    int pos = 0;
    while (pos < data.size()) {
        if (pos + lengthSize > data.size())
            return {};
        quint32 length = 0;
        for (int i = 0; i < lengthSize; ++i)
            length = length << 8 | quint8(data[pos + i]);
        pos += lengthSize;
        if (length > quint32(data.size() - pos))
            return {};
        const QByteArray unit = data.mid(pos, int(length));
        if (hevcNalType(unit) >= 0 && hevcNalType(unit) < kHevcFirstNonSliceType)
            slices.append(unit);
        pos += int(length);
    }
    return slices;
}

bool pushUnits(de265_decoder_context* decoder, const QVector<QByteArray>& units)
{
    for (const QByteArray& unit : units) {
        if (unit.size() < 2 || de265_push_NAL(decoder, unit.constData(), unit.size(), 0, nullptr) != DE265_OK)
            return false;
    }
    return true;
}

// The bytes of a row segment that still hold the fresh buffer's pattern;
// `offset` is the segment's offset in its buffer.
int unwrittenBytes(const quint8* segment, int length, std::size_t offset)
{
    const std::vector<quint8>& pattern = unwrittenPattern();
    std::size_t index = offset % kPatternPeriod;
    int unwritten = 0;
    for (int i = 0; i < length; ++i) {
        unwritten += segment[i] == pattern[index] ? 1 : 0;
        index = index + 1 == kPatternPeriod ? 0 : index + 1;
    }
    return unwritten;
}

// True when a luma block of the picture still holds the bytes of a fresh
// buffer, more than half of them.
bool hasUnwrittenBlock(const de265_image* image)
{
    int stride = 0;
    const quint8* plane = de265_get_image_plane(image, 0, &stride);
    const auto* base = static_cast<const quint8*>(de265_get_image_plane_user_data(image, 0));
    const int bytes = (de265_get_bits_per_pixel(image, 0) + 7) / 8;
    const int width = de265_get_image_width(image, 0);
    const int height = de265_get_image_height(image, 0);
    if (!plane || !base)
        return true;
    const int blockBytes = kBlock * bytes;
    for (int by = 0; by + kBlock <= height; by += kBlock) {
        for (int bx = 0; bx + kBlock <= width; bx += kBlock) {
            int unwritten = 0;
            for (int y = by; y < by + kBlock; ++y) {
                const quint8* segment = plane + std::ptrdiff_t(y) * stride + bx * bytes;
                unwritten += unwrittenBytes(segment, blockBytes, std::size_t(segment - base));
            }
            if (2 * unwritten > kBlock * blockBytes)
                return true;
        }
    }
    return false;
}

// The luma sample at (x, y) reduced to 8 bits.
quint8 lumaAt(const quint8* plane, int stride, int bits, int x, int y)
{
    const quint8* row = plane + std::ptrdiff_t(y) * stride;
    if (bits <= 8)
        return row[x];
    quint16 sample = 0;
    std::copy(row + 2 * x, row + 2 * x + 2, reinterpret_cast<quint8*>(&sample));
    return quint8(sample >> (bits - 8));
}

// The borders of the tile's visible part, `size` from the top left.
TileBorders bordersOf(const de265_image* image, QSize size)
{
    int stride = 0;
    const quint8* plane = de265_get_image_plane(image, 0, &stride);
    const int bits = de265_get_bits_per_pixel(image, 0);
    const int width = size.width();
    const int height = size.height();
    TileBorders borders;
    for (int x = 0; x < width; ++x) {
        borders.top.append(lumaAt(plane, stride, bits, x, 0));
        borders.bottom.append(lumaAt(plane, stride, bits, x, height - 1));
    }
    for (int y = 0; y < height; ++y) {
        borders.left.append(lumaAt(plane, stride, bits, 0, y));
        borders.right.append(lumaAt(plane, stride, bits, width - 1, y));
    }
    return borders;
}

struct TileOutcome {
    bool clean = false;
    TileBorders borders;
};

// Runs the decoder until it gives its picture, ends or fails; the picture,
// or null.
const de265_image* decodePicture(de265_decoder_context* decoder, bool* failed)
{
    for (int step = 0; step < kMaxDecodeSteps; ++step) {
        int more = 0;
        const de265_error error = de265_decode(decoder, &more);
        if (const de265_image* picture = de265_peek_next_picture(decoder))
            return picture;
        if (error == DE265_ERROR_WAITING_FOR_INPUT_DATA || !more)
            return nullptr;
        if (error != DE265_OK) {
            *failed = true;
            return nullptr;
        }
    }
    return nullptr;
}

// The decoded picture holds the tile's image size, with at most the
// padding to whole coding blocks that the decoder may leave on.
bool showsTile(const de265_image* picture, QSize tileSize)
{
    const int width = de265_get_image_width(picture, 0);
    const int height = de265_get_image_height(picture, 0);
    return width >= tileSize.width() && width - tileSize.width() < kMaxPadding
        && height >= tileSize.height() && height - tileSize.height() < kMaxPadding;
}

// A decoder for one tile after another; creating one costs more than
// decoding a small tile.
std::unique_ptr<de265_decoder_context, DecoderFree> newDecoder()
{
    std::unique_ptr<de265_decoder_context, DecoderFree> decoder(de265_new_decoder());
    if (!decoder)
        return decoder;
    de265_set_image_allocation_functions(decoder.get(), &kAllocation, nullptr);
    // The in-loop filters only smooth what the slices decoded; the stream's
    // faults show without them, in less time.
    de265_set_parameter_bool(decoder.get(), DE265_DECODER_PARAM_DISABLE_DEBLOCKING, 1);
    de265_set_parameter_bool(decoder.get(), DE265_DECODER_PARAM_DISABLE_SAO, 1);
    return decoder;
}

// True when the decoder reported a warning about the stream since the last
// call; takes every waiting warning.
bool takeStreamWarnings(de265_decoder_context* decoder)
{
    bool warned = false;
    for (de265_error warning = de265_get_warning(decoder); warning != DE265_OK;
         warning = de265_get_warning(decoder))
        warned = warned || isStreamWarning(warning);
    return warned;
}

TileOutcome judgeTile(de265_decoder_context* decoder, const QVector<QByteArray>& parameterSets,
                      const QByteArray& data, int lengthSize, QSize tileSize)
{
    TileOutcome outcome;
    const QVector<QByteArray> slices = slicesOf(data, lengthSize);
    // A tile coded as one slice must list the entry points that the
    // configuration's picture size demands.
    if (slices.isEmpty() || (slices.size() == 1 && !sliceEntryPointsFit(parameterSets, slices.first()))
        || !pushUnits(decoder, parameterSets) || !pushUnits(decoder, slices)
        || de265_flush_data(decoder) != DE265_OK)
        return outcome;
    bool failed = false;
    const de265_image* picture = decodePicture(decoder, &failed);
    const bool warned = takeStreamWarnings(decoder);
    outcome.clean = !failed && !warned && picture && showsTile(picture, tileSize) && !hasUnwrittenBlock(picture);
    if (outcome.clean)
        outcome.borders = bordersOf(picture, tileSize);
    return outcome;
}

// Decodes one tile and leaves the decoder ready for the next.
TileOutcome decodeTile(de265_decoder_context* decoder, const QVector<QByteArray>& parameterSets,
                       const QByteArray& data, int lengthSize, QSize tileSize)
{
    TileOutcome outcome = judgeTile(decoder, parameterSets, data, lengthSize, tileSize);
    while (de265_get_next_picture(decoder))
        de265_release_next_picture(decoder);
    de265_reset(decoder);
    takeStreamWarnings(decoder);
    return outcome;
}

bool stopRequested()
{
    return g_state.stopRequested.load(std::memory_order_relaxed) != 0;
}

void initialiseOnce()
{
    static const bool initialised = [] {
        de265_init();
        unwrittenPattern();
        return true;
    }();
    (void)initialised;
}

} // namespace

TileDecodeReport decodeTiles(const QByteArray& hvcC, const QVector<QByteArray>& tiles, QSize tileSize)
{
    TileDecodeReport report;
    report.tiles = tiles.size();
    const QVector<QByteArray> parameterSets = hvcCParameterSets(hvcC);
    const int lengthSize = hvcCLengthSize(hvcC);
    const quint64 samples = hvcCPictureSamples(hvcC);
    // The work is bounded like the decode check's: the coded pictures of all
    // tiles together stay within the cap.
    if (parameterSets.isEmpty() || lengthSize == 3 || samples == 0 || tileSize.isEmpty()
        || samples * quint64(tiles.size()) > quint64(kMaxDecodedPixels)) {
        report.faulty = tiles.size();
        return report;
    }
    initialiseOnce();
    std::atomic<int> next{0};
    std::atomic<int> faulty{0};
    std::atomic<bool> stopped{false};
    std::vector<TileBorders> borders(std::size_t(tiles.size()));
    auto work = [&] {
        const auto decoder = newDecoder();
        for (int i = next++; i < tiles.size(); i = next++) {
            if (stopRequested()) {
                stopped = true;
                return;
            }
            TileOutcome outcome = decoder ? decodeTile(decoder.get(), parameterSets, tiles[i], lengthSize, tileSize)
                                          : TileOutcome();
            if (!outcome.clean)
                ++faulty;
            borders[std::size_t(i)] = std::move(outcome.borders);
        }
    };
    const int workers = std::min({kMaxWorkers, std::max(1, QThread::idealThreadCount()), int(tiles.size())});
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    report.borders = QVector<TileBorders>(borders.begin(), borders.end());
    report.faulty = faulty;
    report.stopped = stopped;
    return report;
}
