#pragma once

#include <QString>

#include <cstdio>

namespace platform {

// Opens a file by its path with a C runtime mode ("rb", "wb+", ...). Every
// photo file of the engine is opened through here, so paths with any
// characters work on every platform.
FILE* openFile(const QString& path, const char* mode);

} // namespace platform
