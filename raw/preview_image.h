#pragma once

#include <QtGlobal>

#include <vector>

// A located embedded image: its offset and length in the input. Zero in a
// field means that part was not found.
struct PreviewImage {
    quint32 offset = 0;
    quint32 length = 0;

    bool located() const { return offset != 0 || length != 0; }
    bool operator==(const PreviewImage& other) const
    {
        return offset == other.offset && length == other.length;
    }
};

// Images in output order: the first is written as "_1", the second as "_2"...
using PreviewImages = std::vector<PreviewImage>;

// The image from start to just after an end marker at endMarker. Lengths are
// 32-bit like every length of the formats, so an end before the start wraps
// to a length that the write step refuses.
inline PreviewImage imageUpTo(quint64 start, quint64 endMarker)
{
    return PreviewImage{quint32(start), quint32(endMarker + 2 - start)};
}
