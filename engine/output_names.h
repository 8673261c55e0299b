#pragma once

#include <QString>

// The scratch folder "Velmora" under the temporary folder, where images are
// rewritten and checked before they are copied into the work folder.
QString scratchFolder();
// Creates the scratch folder when missing and returns its path.
QString makeScratchFolder();

// Name of an embedded image's output: the JPEG file name ("/" + name) without
// its extension, the tag (such as "_[T1]") and ".jpeg" when the name ends in
// exactly "PEG" or "peg", else ".jpg".
QString thumbnailOutputName(const QString& fileName, const QString& tag);

// The name itself when folder + name is free; otherwise the first of
// name + " (2)", " (3)" ... (inserted before the extension) that is free, so
// one input never overwrites another input's output of the same name.
QString freeOutputName(const QString& folder, const QString& name);
