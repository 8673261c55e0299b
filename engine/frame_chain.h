#pragma once

#include <QtGlobal>

class FileWindow;

// Most segments a header chain is followed through.
constexpr int kMaxChainSegments = 64;

// A frame reached through an image's header segments: the chain's first
// segment, its frame header, its size in pixels and where its first scan's
// data begins. point is -1 when no frame was reached.
struct Frame {
    qint64 point = -1;
    qint64 header = -1;
    qint64 pixels = 0;
    qint64 scanData = -1;
};

// Segments that may stand before an image's first scan besides its frame.
bool isHeaderSegment(quint16 word);

// Follows the segments from point by their length fields to the first scan
// header. The chain gives a frame only when it holds nothing but header
// segments and one frame header before that scan.
Frame frameFrom(FileWindow& input, qint64 point);
