#pragma once

#include <QString>

// The upper-cased suffixes that the normal run hands to the engine's
// per-file entry: JPEG and the RAW and TIFF formats. Their results can be
// previewed.
bool IsEngineSuffix(const QString& upperSuffix);
bool IsJpegSuffix(const QString& upperSuffix);
