#pragma once

#include <QString>

#include <cstdio>

namespace platform {

// Opens a file by its path with a C runtime mode ("rb", "wb+", ...; an "x"
// creates the file and fails when anything, a link included, is already
// there, or when a link stands at the name of the folder it goes into). Every photo file of the engine is opened through here, so paths
// with any characters work on every platform. Only regular files are opened:
// a pipe, device or folder is refused at once, without waiting for a writer
// or reader on its other side.
FILE* openFile(const QString& path, const char* mode);

// True when a file name (without folder) is short enough for the file
// system to create it.
bool fileNameFits(const QString& name);

} // namespace platform
