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

#include <QFileInfo>
#include <QWidget>

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
        g_startScale = ComputeStartScale(metrics.dpi, metrics.workArea.size());
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

QPoint StartPosition(const QSize& window, const QRect& workArea)
{
    const int x = workArea.x() + (workArea.width() - window.width()) / 2;
    const int centred = workArea.y() + (workArea.height() - window.height()) / 2;
    // Raised by 25 pixels only as far as the free room above it goes, so the
    // title strip never leaves the top of the area.
    return QPoint(x, qMax(workArea.y(), centred - 25));
}

void CenterOnDesktop(QWidget* widget)
{
    widget->move(StartPosition(widget->frameGeometry().size(), platform::placementWorkArea()));
}
