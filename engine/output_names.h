#pragma once

#include <QString>

// Largest number of outputs taken from one input; the images found beyond
// it are left alone.
constexpr int kMaxOutputsPerInput = 1024;

// stem + tail, with characters dropped from the end of stem (never from tail,
// which holds marks such as "_[T1]" and the extension) until the name fits
// the file system's limit on the length of a file name.
QString fittedName(const QString& stem, const QString& tail);

// True when anything is at path, a link that points nowhere included: an
// output never takes such a name.
bool pathTaken(const QString& path);

// Name of an embedded image's output: the JPEG file name ("/" + name) without
// its extension, the tag (such as "_[T1]") and ".jpeg" when the name ends in
// exactly "PEG" or "peg", else ".jpg"; shortened when it would be too long.
QString thumbnailOutputName(const QString& fileName, const QString& tag);

// The name itself when folder + name is free; otherwise the first of
// name + " (2)", " (3)" ... (inserted before the extension, shortening the
// name when needed) that is free, so one input never overwrites another
// input's output of the same name. A link counts as taken, even when it
// points nowhere.
QString freeOutputName(const QString& folder, const QString& name);
