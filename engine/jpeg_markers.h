#pragma once

#include <QtGlobal>

// JPEG markers (ITU-T T.81) as the little-endian word of their two file
// bytes, the form in which the engine compares and records them.
namespace jpeg {

constexpr quint16 markerWord(quint8 code) { return quint16(code << 8 | 0xFF); }

constexpr quint16 kSOF0 = markerWord(0xC0);
constexpr quint16 kSOF1 = markerWord(0xC1);
constexpr quint16 kSOF2 = markerWord(0xC2);
constexpr quint16 kDHT = markerWord(0xC4);
constexpr quint16 kSOF9 = markerWord(0xC9);
constexpr quint16 kSOF10 = markerWord(0xCA);
constexpr quint16 kDAC = markerWord(0xCC);
constexpr quint16 kSOI = markerWord(0xD8);
constexpr quint16 kEOI = markerWord(0xD9);
constexpr quint16 kSOS = markerWord(0xDA);
constexpr quint16 kDQT = markerWord(0xDB);
constexpr quint16 kDNL = markerWord(0xDC);
constexpr quint16 kDRI = markerWord(0xDD);
constexpr quint16 kAPP0 = markerWord(0xE0);
constexpr quint16 kAPP1 = markerWord(0xE1);
constexpr quint16 kAPP2 = markerWord(0xE2);
constexpr quint16 kAPP3 = markerWord(0xE3);
constexpr quint16 kAPP13 = markerWord(0xED);
constexpr quint16 kAPP14 = markerWord(0xEE);
constexpr quint16 kAPP15 = markerWord(0xEF);
constexpr quint16 kCOM = markerWord(0xFE);

constexpr quint8 codeOf(quint16 word) { return quint8(word >> 8); }
constexpr bool isMarker(quint16 word) { return (word & 0xFF) == 0xFF; }

constexpr bool isApp(quint16 word)
{
    return isMarker(word) && codeOf(word) >= 0xE0 && codeOf(word) <= 0xEF;
}

// Any start-of-frame marker: C0 to CF without DHT (C4), JPG (C8) and DAC (CC).
constexpr bool isFrame(quint16 word)
{
    if (!isMarker(word))
        return false;
    const quint8 code = codeOf(word);
    return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

// The frames the engine repairs: baseline, extended sequential and
// progressive, with Huffman coding (SOF0, SOF1, SOF2) or arithmetic coding
// (SOF9, SOF10).
constexpr bool isArithmeticFrame(quint16 word) { return word == kSOF9 || word == kSOF10; }
constexpr bool isRepairableFrame(quint16 word)
{
    return word == kSOF0 || word == kSOF1 || word == kSOF2 || isArithmeticFrame(word);
}

// The markers the scanners walk as segments: SOI, EOI, SOS, DQT, DRI, the
// C0 to CF range (DAC included, the conditioning of arithmetic-coded
// frames), RST0 to RST7, APP0 to APP15 and COM.
constexpr bool isKnownMarker(quint16 word)
{
    if (!isMarker(word))
        return false;
    const quint8 code = codeOf(word);
    return (code >= 0xC0 && code <= 0xCF) || (code >= 0xD0 && code <= 0xDB)
        || code == 0xDD || (code >= 0xE0 && code <= 0xEF) || code == 0xFE;
}

} // namespace jpeg
