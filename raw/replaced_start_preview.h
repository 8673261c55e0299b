#pragma once

#include "preview_image.h"
#include "preview_writer.h"
#include "raw_input.h"

#include <optional>

// Some cameras store a preview with the FF of its start-of-image marker
// replaced, so the stored image begins with its D8 byte. Such a preview is
// written as one FF byte followed by the stored bytes from the D8 on.
//
// The located preview (offset at its D8 byte) is written when its byte is
// D8. Otherwise the first match of the fallback patterns is taken, each a
// pattern whose byte at d8Index is the D8; its image runs from there to just
// after the first FF D9 following the pattern.
void writeReplacedStartPreview(RawInput& input, PreviewWriter& writer, const std::optional<PreviewImage>& located,
                               const BytePatterns& fallbackStarts, int d8Index);
