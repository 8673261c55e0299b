#include "heic_decode_check.h"

#include "box_walk.h"
#include "bounded_decoder.h"
#include "hevc_picture_size.h"

#include <libheif/heif.h>

#include <memory>

namespace {

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};

// The library's decoders are registered once for the process.
void initialiseOnce()
{
    static const bool initialised = [] {
        heif_init(nullptr);
        return true;
    }();
    (void)initialised;
}

bool declaredSizeFits(const heif_image_handle* handle)
{
    const qint64 pixels = qint64(heif_image_handle_get_width(handle))
        * qint64(heif_image_handle_get_height(handle));
    return pixels > 0 && pixels <= kMaxDecodedPixels;
}

// The decoder's work and memory grow with the pictures it decodes: at most
// one per item of the iloc box, none larger than the largest that an hvcC
// property of the file configures. Their pixels together must stay within
// the cap, whatever size the primary image declares.
bool codedPicturesFit(const QByteArray& bytes)
{
    const BoxSpan meta = childBox(bytes, 0, bytes.size(), "meta");
    const BoxSpan iloc = childBox(bytes, meta.start + 12, meta.end(), "iloc");
    const BoxSpan iprp = childBox(bytes, meta.start + 12, meta.end(), "iprp");
    const BoxSpan ipco = childBox(bytes, iprp.start + 8, iprp.end(), "ipco");
    if (!meta.size || !iloc.size || !ipco.size)
        return false;
    const bool wideCount = quint8(bytes[iloc.start + 8]) >= 2;
    const quint64 items = readBigEndian(bytes, iloc.start + 14, wideCount ? 4 : 2);
    quint64 largest = 0;
    for (const BoxSpan& property : childBoxes(bytes, ipco.start + 8, ipco.end())) {
        if (bytes.mid(property.start + 4, 4) == "hvcC")
            largest = qMax(largest, hvcCPictureSamples(bytes.mid(property.start, property.size)));
    }
    return largest > 0 && items * largest <= quint64(kMaxDecodedPixels);
}

} // namespace

bool heicDecodes(const QByteArray& file)
{
    initialiseOnce();
    std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context || file.isEmpty() || !codedPicturesFit(file))
        return false;
    if (heif_context_read_from_memory_without_copy(context.get(), file.constData(), std::size_t(file.size()), nullptr).code
        != heif_error_Ok)
        return false;
    heif_image_handle* primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return false;
    std::unique_ptr<heif_image_handle, HandleRelease> handle(primary);
    if (!declaredSizeFits(handle.get()))
        return false;
    std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
    // Strict: a tile that decodes with errors fails the check instead of
    // leaving a hole in the picture.
    options->strict_decoding = 1;
    heif_image* decoded = nullptr;
    const heif_error error = heif_decode_image(handle.get(), &decoded, heif_colorspace_undefined,
                                               heif_chroma_undefined, options.get());
    std::unique_ptr<heif_image, ImageRelease> image(decoded);
    return error.code == heif_error_Ok && image;
}
