#pragma once

#include <QString>

namespace platform {

// What the about box shows of the machine it runs on.
struct SystemInfo {
    QString computerName;
    QString osName;
    QString osVersion;
};

SystemInfo systemInfo();

} // namespace platform
