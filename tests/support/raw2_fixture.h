#pragma once

#include "raw_fixture.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QStringList>

// A greyscale JPEG written by QImage without its APP0 segment: it begins
// FF D8 FF DB, and its one quantization segment is followed by the frame
// header FF C0.
QByteArray singleTableJpeg(int grey = 128);

// An Exif JPEG: FF D8, an APP1 "Exif" segment whose TIFF block (in the given
// byte order) has a second directory that points at thumbnail, then the
// segments of main after its start-of-image marker.
QByteArray exifJpeg(const QByteArray& thumbnail, const QByteArray& main, bool bigEndian);

// Four bytes of a big-endian 32-bit value.
QByteArray bigEndian32(quint32 value);

// Where the Exif block's TIFF header lies inside exifJpeg()'s result.
constexpr int kExifTiffHeaderOffset = 12;

// The columns of an extractor's table: the input's file name and bytes, the
// output names expected in the produced-file list and their expected bytes.
void addExtractionColumns();

// Runs extract on the current row in a fresh scene and compares its outputs.
void verifyExtractionRow(Extractor extract);
