#include "file_open.h"

#include <QFile>

namespace platform {

FILE* openFile(const QString& path, const char* mode)
{
    if (path.isEmpty())
        return nullptr;
    return std::fopen(QFile::encodeName(path).constData(), mode);
}

} // namespace platform
