#include "shell_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

void openWithDesktop(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace platform
