#include "system_info.h"

#include <QFile>
#include <QSysInfo>

namespace platform {

namespace {

// The running kernel's release, as the kernel itself reports it.
QString kernelRelease()
{
    QFile release(QStringLiteral("/proc/sys/kernel/osrelease"));
    if (release.open(QIODevice::ReadOnly)) {
        const QString line = QString::fromLocal8Bit(release.readLine(256)).trimmed();
        if (!line.isEmpty())
            return line;
    }
    return QSysInfo::kernelVersion();
}

} // namespace

SystemInfo systemInfo()
{
    return {QSysInfo::machineHostName(), QSysInfo::prettyProductName(), kernelRelease()};
}

} // namespace platform
