#pragma once

#include <QString>

// The upper-cased suffixes that the normal run hands to the engine's
// per-file entry: JPEG and the RAW and TIFF formats. Their results can be
// previewed.
bool IsEngineSuffix(const QString& upperSuffix);
bool IsJpegSuffix(const QString& upperSuffix);

// True for the names of thumbnail outputs, which carry "_[T1]", "_[T2]" or
// "_[T3]".
bool IsThumbnailName(const QString& name);
