#pragma once

#include <QString>

// How the entropy-coded data of an image checked by imageDecodes may end.
enum class DataEnd {
    Complete,    // the source held the whole image: data that runs out is damage
    MayEndEarly, // the source was cut short: the image's missing part stays grey
};

// Frames with more pixels than this are not decoded.
constexpr qint64 kMaxDecodedPixels = qint64(1) << 27;

// True when the file decodes as a JPEG whose entropy-coded data holds no
// corrupt data: the test every repaired image must pass to be kept. A frame
// above kMaxDecodedPixels, or one larger than the file's bytes can possibly
// encode, does not decode; neither does data that runs out before the frame
// is complete, unless `end` allows it.
bool imageDecodes(const QString& path, DataEnd end);
