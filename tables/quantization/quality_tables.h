#pragma once

#include "dqt_table_set.h"

// The quantization tables of ITU-T T.81 Annex K (Tables K.1 and K.2) scaled
// by quality as the Independent JPEG Group's library scales them. The
// catalogues and the tests both build their standard members from here.
namespace quant {

namespace detail {

// Zigzag position -> row-major position (ITU-T T.81 Figure A.6).
constexpr int kZigzagToNatural[kTableValues] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// Table K.1, luminance, row-major.
constexpr int kAnnexKLuminance[kTableValues] = {
    16, 11, 10, 16, 24,  40,  51,  61,
    12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,
    14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,
    24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101,
    72, 92, 95, 98, 112, 100, 103, 99};

// Table K.2, chrominance, row-major.
constexpr int kAnnexKChrominance[kTableValues] = {
    17, 18, 24, 47, 99, 99, 99, 99,
    18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99,
    47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99};

constexpr quint8 clampQuantiser(long value)
{
    return static_cast<quint8>(value < 1 ? 1 : (value > 255 ? 255 : value));
}

// rounding 50 for the quality rule, 0 for the truncated-scale variant
constexpr QuantTable scaled(const int (&base)[kTableValues], long scale, long rounding)
{
    QuantTable t{};
    for (int i = 0; i < kTableValues; ++i)
        t.v[i] = clampQuantiser((base[kZigzagToNatural[i]] * scale + rounding) / 100);
    return t;
}

} // namespace detail

// Scale factor in percent for quality 1..100.
constexpr long qualityScale(int quality)
{
    return quality < 50 ? 5000 / quality : 200 - 2 * quality;
}

constexpr QuantTable luminanceAtQuality(int quality)
{
    return detail::scaled(detail::kAnnexKLuminance, qualityScale(quality), 50);
}

constexpr QuantTable chrominanceAtQuality(int quality)
{
    return detail::scaled(detail::kAnnexKChrominance, qualityScale(quality), 50);
}

// Scaled with the scale in percent given directly and the division truncated.
constexpr QuantTable luminanceAtTruncatedScale(long scale)
{
    return detail::scaled(detail::kAnnexKLuminance, scale, 0);
}

constexpr QuantTable chrominanceAtTruncatedScale(long scale)
{
    return detail::scaled(detail::kAnnexKChrominance, scale, 0);
}

constexpr QuantTable withFirstValue(QuantTable t, quint8 first)
{
    t.v[0] = first;
    return t;
}

constexpr DqtTableSet qualityPair(int quality)
{
    return twoTables(luminanceAtQuality(quality), chrominanceAtQuality(quality));
}

constexpr DqtTableSet qualityTriple(int quality)
{
    return threeTables(luminanceAtQuality(quality), chrominanceAtQuality(quality),
                       chrominanceAtQuality(quality));
}

} // namespace quant
