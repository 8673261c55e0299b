#pragma once

#include <QString>

// True when libheif reads the file and decodes its primary image without an
// error: the test a rebuilt HEIC must pass before it is listed. An image that
// declares more than kMaxDecodedPixels pixels is not decoded; the rebuilt
// file holds at most the tiles its iloc box lists, so the work stays bounded
// by the pixels and the bytes of the file.
bool heicDecodes(const QString& path);
