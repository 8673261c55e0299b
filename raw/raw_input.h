#pragma once

#include "file_window.h"
#include "pair_sightings.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <vector>

// Byte sequences searched for in a file, e.g. the start-of-image forms
// FF D8 FF DB and FF D8 FF C4. Each is at most RawInput::kMaxPatternLength long.
using BytePatterns = QVector<QByteArray>;

// Builds a byte sequence from its byte values, so patterns read as in a hex dump.
QByteArray bytesOf(std::initializer_list<quint8> values);

// True while the user has asked the running repair to stop.
bool extractionStopped();

// Whether a search tests the stop flag as it goes.
enum class StopPolling { Poll, Ignore };

// One RAW or TIFF input opened for preview extraction. Values are read
// through the buffered FileWindow at absolute positions; bytes past the end
// of the file read as zero. Positions are 64-bit, so sums of 32-bit values
// read from the file never wrap.
class RawInput {
public:
    static constexpr int kMaxPatternLength = 16;

    RawInput();
    ~RawInput();

    RawInput(const RawInput&) = delete;
    RawInput& operator=(const RawInput&) = delete;

    // Opens the file for reading. False when it cannot be opened or holds
    // 4 GiB or more: the formats' 32-bit positions cannot address such a file.
    bool open(const QString& path);

    quint64 size() const { return m_size; }
    // The position lies inside the file ("is less than the size").
    bool holds(quint64 pos) const { return pos < m_size; }

    void setBigEndian(bool bigEndian) { m_bigEndian = bigEndian; }
    bool bigEndian() const { return m_bigEndian; }

    // 16- and 32-bit values in the byte order set for the file.
    quint16 u16(quint64 pos);
    quint32 u32(quint64 pos);
    quint16 be16(quint64 pos);
    quint32 be32(quint64 pos);
    quint16 le16(quint64 pos);
    quint32 le32(quint64 pos);

    quint8 byteAt(quint64 pos) { return m_window->byteAt(qint64(pos)); }
    // The two bytes at pos as they stand in the file (markers, tag bytes).
    quint16 wordAt(quint64 pos) { return be16(pos); }
    bool bytesAre(quint64 pos, const QByteArray& bytes);
    bool startsImage(quint64 pos) { return wordAt(pos) == 0xFFD8; }
    void read(quint64 pos, void* dst, std::size_t length);

    // First position in [from, to) where one of the patterns begins, or -1.
    // With StopPolling::Poll a stop request ends the search with -1. When
    // the patterns share their first two bytes, the places of that pair in
    // what the search went over are kept, and later searches for the pair
    // take them from there instead of reading that part of the file again.
    qint64 find(quint64 from, const BytePatterns& patterns, StopPolling polling);
    qint64 find(quint64 from, quint64 to, const BytePatterns& patterns, StopPolling polling);
    // First end-of-image marker FF D9 at or after from, or -1.
    qint64 findEndMarker(quint64 from, StopPolling polling);

private:
    static constexpr std::size_t kScanChunk = 256 * 1024;

    // A part [from, to) of one scan chunk and the pairs searched in it.
    struct ChunkSearch {
        quint64 from;
        quint64 to;
        const BytePairs* pairs;
    };

    const quint8* scanBytesAt(quint64 pos);
    PairSightings& sightingsOf(const BytePair& pair);
    // First position of the part where one of the patterns begins, or -1;
    // learning, when given, records every place of the pair in the part.
    qint64 findInChunk(const ChunkSearch& search, const quint8* bytes, const BytePatterns& patterns,
                       PairSightings* learning);

    FILE* m_file = nullptr;
    std::unique_ptr<FileWindow> m_window;
    quint64 m_size = 0;
    bool m_bigEndian = false;
    std::vector<quint8> m_scan;
    quint64 m_scanStart = 0;
    bool m_scanFilled = false;
    std::vector<PairSightings> m_sightings;
};
