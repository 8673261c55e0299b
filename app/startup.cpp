#include "startup.h"

#include "global_state.h"
#include "language_table.h"
#include "scratch_folder.h"
#include "screen_metrics.h"
#include "settings_store.h"
#include "single_instance.h"
#include "stale_folders.h"
#include "start_scale.h"
#include "temp_folder.h"
#include "update_files.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QFileInfo>

const char* const kSettingsPath = "HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Velmora Data Recovery\\Pictavo";
const char* const kInstanceKey = "3f6c2a9e-8d41-4b7a-9c05-e1d27f4b8a63";

bool ReadResizeForDpi()
{
    auto settings = platform::openSettings(g_state.settingsPath);
    if (!settings->contains(QStringLiteral("ResizeAppforDPI")))
        settings->setValue(QStringLiteral("ResizeAppforDPI"), true);
    return settings->value(QStringLiteral("ResizeAppforDPI"), true).toBool();
}

void PrepareStartScale()
{
    const bool resizeForDpi = ReadResizeForDpi();
    if (resizeForDpi) {
        const platform::ScreenMetrics metrics = platform::primaryScreenMetrics();
        g_startScale = ComputeStartScale(metrics.dpi, metrics.workArea);
    }
    PrepareScalingEnvironment(resizeForDpi, g_startScale);
}

void ApplyStartSettings()
{
    g_state.launchedMonitorDrive = 0;
    g_state.launchedRepairVideo = 0;
    g_state.launchedRecoverData = 0;
    g_state.launchedRecoverPhoto = 0;
    g_state.monitorDriveExe = QStringLiteral("DriveMonitor.exe");
    g_state.repairVideoExe = QStringLiteral("VideoRepair.exe");
    g_state.recoverDataExe = QStringLiteral("DataRecovery.exe");
    g_state.recoverPhotoExe = QStringLiteral("PhotoRecovery.exe");
    g_state.settingsPath = QString::fromLatin1(kSettingsPath);

    auto settings = platform::openSettings(g_state.settingsPath);
    const int languageType = settings->value(QStringLiteral("LanguageType"), 0).toInt();
    g_state.showAsDisabled = settings->value(QStringLiteral("OptionShowAsDisabled"), 0).toInt();

    SetLanguageFlags(languageType);
    if (const LanguageInfo* language = FindLanguage(languageType))
        InstallLanguage(*language);
}

void RemoveLeftoversOfEarlierRuns()
{
    removeStaleScratchFolders();
    RemoveStaleUpdateFolders();
    for (const QString& path : platform::leftoverFallbackFolders()) {
        // Held, the folder still serves a running instance.
        platform::SingleInstanceGuard guard;
        if (!guard.acquireIn(path, QString::fromLatin1(kInstanceKey)))
            continue;
        const QFileInfo folder(path);
        removeFolderTree(platform::FolderHandle::open(folder.path()), folder.fileName());
    }
}

void CenterOnDesktop(QWidget* widget)
{
    const QWidget* desktop = QApplication::desktop();
    const int x = (desktop->width() - widget->width()) / 2;
    const int y = (desktop->height() - widget->height()) / 2 - 25;
    widget->move(x, y);
}
