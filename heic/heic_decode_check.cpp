#include "heic_decode_check.h"

#include "decode_check.h"

#include <QFile>

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

} // namespace

bool heicDecodes(const QString& path)
{
    initialiseOnce();
    std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context)
        return false;
    if (heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(), nullptr).code
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
