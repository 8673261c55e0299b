#pragma once

#include "preview_image.h"
#include "raw_input.h"
#include "tiff_directory.h"

#include <QtGlobal>

// Follows first directory -> Exif directory (tag 0x8769) -> MakerNote (tag
// 0x927C) of a TIFF whose header lies at header, with tags matched in either
// byte order and values read in the input's byte order. Positions read from
// the file are relative to header. Returns the MakerNote's position, or 0
// when a step finds nothing.
quint64 makerNotePosition(RawInput& input, quint64 header);

// The preview of a MakerNote that carries its own TIFF header at header:
// the first directory's 0x0011 entry gives the preview directory, whose JPEG
// pointer pair (tags in either byte order, positions relative to header,
// length read only with room after the pointer entry) is the preview.
PreviewImage embeddedPreview(RawInput& input, quint64 header, tiff::PairWalk walk);

// The first JPEG beginning with start at or after the end of image, when
// that end is non-zero and inside the file.
PreviewImage jpegAfter(RawInput& input, const PreviewImage& image, const QByteArray& start);
