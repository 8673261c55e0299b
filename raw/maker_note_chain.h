#pragma once

#include "raw_input.h"

#include <QtGlobal>

// Follows first directory -> Exif directory (tag 0x8769) -> MakerNote (tag
// 0x927C) of a TIFF whose header lies at header, with tags matched in either
// byte order and values read in the input's byte order. Positions read from
// the file are relative to header. Returns the MakerNote's position, or 0
// when a step finds nothing.
quint64 makerNotePosition(RawInput& input, quint64 header);
