#pragma once

#include <QtGlobal>

class FileWindow;

// Whether the FF pair at q can stand in the data from an image's first scan
// on: byte stuffing, restart markers, the end of the image, and the segments
// between the scans of a multi-scan image (tables, conditioning, restart
// interval, line count, comments, APPn, the next scan header), each only
// with a length field that fits it. A frame header, a start of image, fill
// bytes or any other code cannot be there: a decoder would stop at it, so
// the repair neutralises it (its FF becomes 00) and the data reads on.
bool isPossibleInScanData(FileWindow& in, qint64 q);
