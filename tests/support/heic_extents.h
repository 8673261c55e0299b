#pragma once

#include "heic_fixture.h"

#include <QString>

// Empty when the first `tiles` items of the rebuilt file's iloc box are
// numbered 1, 2, ... and point at exactly the bytes (length prefix and unit)
// of the source's first `tiles` IDR slices; otherwise what differs first.
QString tileExtentsMismatch(const QByteArray& rebuilt, const HeicFixture& source, int tiles);
