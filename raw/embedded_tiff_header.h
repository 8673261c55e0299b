#pragma once

#include "preview_image.h"
#include "raw_input.h"

#include <QtGlobal>

// A TIFF block embedded in a file (the Exif block of an embedded JPEG), found
// by its 8-byte header. Offsets inside its directories count from its base.
struct EmbeddedTiffHeader {
    quint64 position = 0; // where the search ended: the header, else the file size
    quint64 base = 0;     // the header's position, 0 when none was found
};

// Finds the first little- or big-endian TIFF header (first directory at 8),
// stop polled, and sets the input's byte order from the bytes where the
// search ended (big-endian only for the 4D 4D form).
EmbeddedTiffHeader findEmbeddedTiffHeader(RawInput& input);

// The entry count of an embedded directory, read only when directory + 4
// lies inside the file (else 0).
quint32 embeddedDirectoryCount(RawInput& input, quint64 directory);

// The thumbnail pointer of an embedded directory whose count is accepted:
// the walk ends at the first pointer entry, whose tag is accepted in either
// byte order; the pointer counts from the block's base.
PreviewImage embeddedDirectoryThumbnail(RawInput& input, const EmbeddedTiffHeader& header,
                                        quint64 directory, quint32 count);
