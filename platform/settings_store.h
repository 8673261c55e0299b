#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace platform {

// Environment variable naming the settings file; tests point it at a
// scratch file so they never touch the user's real settings.
constexpr const char* kSettingsFileVariable = "PICTAVO_SETTINGS_FILE";

// The file that stands for the application's registry key on this platform.
QString settingsFilePath();

// Opens the application's settings for the given key path.
std::unique_ptr<QSettings> openSettings(const QString& keyPath);

} // namespace platform
