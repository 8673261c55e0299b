#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Starts a downloaded installer as a program of its own, without waiting
// for it. Failures are not reported.
void startInstaller(const QString& path);

// Tests: while a recorder is set, the paths are appended to it instead of
// being started. Pass null to start them again.
void recordStartedInstallers(QStringList* recorder);

} // namespace platform
