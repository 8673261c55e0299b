#pragma once

#include <QByteArray>

// True when libheif reads the file (held in memory) and decodes its primary image without an
// error: the test a rebuilt HEIC must pass before it is listed. Nothing is
// decoded when the primary image declares more than kMaxDecodedPixels pixels
// or when the coded pictures the file can hold (one per iloc item, each of
// the largest size an hvcC property declares) add up to more, so neither the
// work nor the memory of the check can grow beyond that of the JPEG check's
// largest frame.
bool heicDecodes(const QByteArray& file);
