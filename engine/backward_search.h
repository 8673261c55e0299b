#pragma once

#include <QtGlobal>

class FileWindow;

// The highest position o with lowest <= o <= from at which the bytes first
// and second stand one after the other; -1 when there is none. Reads the file
// backwards in large blocks, so a search from the end costs one pass.
qint64 findLastPair(FileWindow& file, qint64 from, qint64 lowest, quint8 first, quint8 second);
