#include "installer_start.h"

#include <QProcess>

namespace platform {

namespace {
QStringList* g_startedInstallers = nullptr;
} // namespace

void startInstaller(const QString& path)
{
    if (g_startedInstallers) {
        g_startedInstallers->append(path);
        return;
    }
    QProcess::startDetached(path, QStringList());
}

void recordStartedInstallers(QStringList* recorder)
{
    g_startedInstallers = recorder;
}

} // namespace platform
