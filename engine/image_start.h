#pragma once

#include <QtGlobal>

class FileWindow;

// True when the FF D8 at pos opens a JPEG: it is followed (after any FF fill
// bytes) by a segment that may come first in an image (APPn, COM, DQT, DHT,
// DRI or a start of frame) whose length field is one that segment can have
// and leads to the next marker. An FF D8 that entropy-coded or other data
// happens to hold is not taken. The one rule by which the image count, the
// recovery pass and every image search find images.
bool isImageStart(FileWindow& in, qint64 pos);

// Position of the marker that begins at pos once the FF fill bytes a writer
// may put before a marker are passed; -1 when there are more of them than a
// writer puts.
qint64 skipFillBytes(FileWindow& in, qint64 pos);
