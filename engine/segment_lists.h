#pragma once

#include <QtGlobal>

#include <vector>

// Per-file lists of the JPEG engine. They hang from g_state (head and tail
// fields) and are appended and freed only through the jpg_repair list
// operations.

// Most records one segment list takes, and most images the records of one
// list keep in all; far above any real photo. Segments and images beyond
// them are left alone, as the outputs beyond the output cap are.
constexpr int kMaxRecordedSegments = 65536;
constexpr int kMaxRecordedImages = 65536;
// Most images one record keeps: each counts twice (start and end) in the
// record's 16-bit image counter.
constexpr int kMaxImagesPerRecord = 0xFFFF / 2;

// Image positions are kept as 32-bit values, so the engine only takes inputs
// whose size fits in them.
constexpr qint64 kMaxJpegInputSize = 0x7FFFFFFF;
// Most stray scan-data pairs one scan records.
constexpr qint64 kMaxStrayMarkers = 1 << 20;

// g_state.thirdComponentTable after a frame of fewer than three components:
// outside the selector range 0 to 3, so no rule keyed on it applies.
constexpr quint8 kNoThirdComponentTable = 0xFF;

// One value per image of a record, kept only for the images found: entry k
// of an image that was not found reads as 0 ("no image").
class ImagePositions {
public:
    qint32 operator[](int k) const
    {
        return k >= 0 && std::size_t(k) < m_values.size() ? m_values[std::size_t(k)] : 0;
    }
    void set(int k, qint32 value)
    {
        if (k < 0)
            return;
        if (std::size_t(k) >= m_values.size())
            m_values.resize(std::size_t(k) + 1, 0);
        m_values[std::size_t(k)] = value;
    }

private:
    std::vector<qint32> m_values;
};

// What a marker segment record holds, shared by both segment lists.
struct SegmentRecord {
    quint16 marker;         // the two marker bytes as a little-endian word (FF D8 is 0xD8FF)
    quint16 length;         // the segment's length field, or 0 when absent or running past the end
    qint64 offset;          // file position just after the two marker bytes
    ImagePositions embeddedStart;  // FF of each image's FF D8, in the order found
    ImagePositions embeddedLength; // FF D8 through FF D9; 0 while the image has no end
    quint16 app1Images;     // image starts plus image ends found in an APP1 record
    quint16 app2Images;     // the same for an APP2 record
    quint16 app13Images;    // the same for an APP13 record
    quint16 soiImages;      // the same for an SOI record that searched the rest of the file
    quint16 soiImageFlag;   // 1 when an image start was recorded in this SOI record
};

// A marker segment of the file in work (or of a rescanned thumbnail).
struct SegmentNode : SegmentRecord {
    SegmentNode* next;
};

// A marker segment of one image extracted from a file made of several images.
struct EmbeddedSegmentNode : SegmentRecord {
    EmbeddedSegmentNode* next;
};

// A stray marker position in scan data, relative to the scan's SOS marker.
struct OffsetNode {
    quint64 value;
    OffsetNode* next;
};
