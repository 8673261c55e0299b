#include "temp_folder.h"

#include <QDir>

namespace platform {

QString tempFolder()
{
    return QDir::tempPath();
}

} // namespace platform
