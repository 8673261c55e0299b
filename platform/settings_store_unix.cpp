#include "settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString settingsFilePath()
{
    const QString overridden = qEnvironmentVariable(kSettingsFileVariable);
    if (!overridden.isEmpty())
        return overridden;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Velmora Data Recovery");
    return folder + QStringLiteral("/Pictavo.ini");
}

std::unique_ptr<QSettings> openSettings(const QString& keyPath)
{
    // The key path names a registry key on the product's own platform; here
    // all keys live in one INI file.
    Q_UNUSED(keyPath);
    const QString file = settingsFilePath();
    QDir().mkpath(QFileInfo(file).absolutePath());
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

} // namespace platform
