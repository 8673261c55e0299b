#pragma once

#include <QtGlobal>

class FileWindow;

// The APP segments a repaired image keeps: those that tell a decoder how to
// read the colours (the JFIF header in APP0, an ICC profile chunk in APP2,
// the Adobe segment with its colour transform in APP14) and those that
// describe the photo (its EXIF block with date, camera, orientation and
// thumbnail, and its XMP packet, both in APP1). Each is kept only when its
// identifier and a length that holds its fixed fields are there, an EXIF
// block only with a valid TIFF header; every other APP segment is left out.
// `length` is the segment's length field.
bool isKeptAppSegment(FileWindow& in, qint64 markerPos, quint16 marker, int length);
