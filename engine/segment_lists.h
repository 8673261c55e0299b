#pragma once

#include <QtGlobal>

// Per-file lists of the JPEG engine. They hang from g_state (head and tail
// fields) and are appended and freed only through the jpg_repair list
// operations.

// Most images one record keeps; further images inside the same record are
// not recorded.
constexpr int kMaxEmbeddedImages = 1024;

// Image positions are kept as 32-bit values, so the engine only takes inputs
// whose size fits in them.
constexpr qint64 kMaxJpegInputSize = 0x7FFFFFFF;
// Most stray scan-data pairs one scan records.
constexpr qint64 kMaxStrayMarkers = 1 << 20;

// g_state.thirdComponentTable after a frame of fewer than three components:
// outside the selector range 0 to 3, so no rule keyed on it applies.
constexpr quint8 kNoThirdComponentTable = 0xFF;

// What a marker segment record holds, shared by both segment lists.
struct SegmentRecord {
    quint16 marker;         // the two marker bytes as a little-endian word (FF D8 is 0xD8FF)
    quint16 length;         // the segment's length field, or 0 when absent or running past the end
    qint64 offset;          // file position just after the two marker bytes
    qint32 embeddedStart[kMaxEmbeddedImages];  // FF of each image's FF D8, in the order found
    qint32 embeddedLength[kMaxEmbeddedImages]; // FF D8 through FF D9; 0 while the image has no end
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
