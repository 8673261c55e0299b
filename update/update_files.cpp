#include "update_files.h"

#include "global_state.h"
#include "folder_handle.h"
#include "settings_store.h"
#include "stale_folders.h"
#include "temp_folder.h"

#include <QCoreApplication>

bool g_reportNoUpdate = false;
bool g_majorUpdateFound = false;
bool g_minorUpdateFound = false;
QString g_minorVersionText;
QString g_majorVersionText;
QByteArray g_minorInstallerDigest;
QByteArray g_majorInstallerDigest;
QString g_updateInfoPath;
QString g_updateInstallerPath;
bool g_leavingForInstaller = false;

const char* const kUpdateInfoName = "Pictavo.txt";
const char* const kUpdateInstallerName = "Pictavo.exe";

namespace {

const char* const kUpdateFolderPrefix = "updatetmp";
platform::FolderHandle g_updateFolder;

// The temporary folder is shared with other users: the update folder is
// never taken over from there by name, so nobody else can plant files or
// links in it, and it is removed when the program ends.
void makeUpdateFolder()
{
    static bool removalAtExit = false;
    // Locked while the program (or the installer started from it) runs, so
    // the clean-up at a later start can tell it from one a killed run left.
    g_updateFolder.createLocked(platform::tempFolder(), QLatin1String(kUpdateFolderPrefix));
    if (!removalAtExit && QCoreApplication::instance()) {
        qAddPostRoutine(RemoveUpdateFolder);
        removalAtExit = true;
    }
}

} // namespace

QString UpdateFolder()
{
    return g_updateFolder.path();
}

const platform::FolderHandle& UpdateFolderHandle()
{
    return g_updateFolder;
}

QString InstalledVersion()
{
    const QString installed =
        platform::openSettings(g_state.settingsPath)->value(QStringLiteral("Version"), QString()).toString();
    return installed.isEmpty() ? QStringLiteral(PICTAVO_VERSION) : installed;
}

void SetUpdateFilePaths()
{
    if (!g_updateFolder.isPrivate())
        makeUpdateFolder();
    const QString folder = g_updateFolder.isOpen() ? g_updateFolder.path() + QLatin1Char('/') : QString();
    g_updateInfoPath = folder.isEmpty() ? QString() : folder + QLatin1String(kUpdateInfoName);
    g_updateInstallerPath = folder.isEmpty() ? QString() : folder + QLatin1String(kUpdateInstallerName);
}

void RemoveUpdateFolder()
{
    g_updateFolder.removeAll();
}

void RemoveStaleUpdateFolders()
{
    removeStaleFolders(QLatin1String(kUpdateFolderPrefix));
}

void KeepUpdateFolder()
{
    g_updateFolder.release();
}

QByteArray OfferedInstallerDigest()
{
    return g_minorUpdateFound ? g_minorInstallerDigest : g_majorInstallerDigest;
}

QString UpdateLink()
{
    const struct {
        const qint32& flag;
        const char* key;
    } keys[] = {
        {g_state.langGerman, "DE/UpdateNewLink"},  {g_state.langFrench, "FR/UpdateNewLink"},
        {g_state.langItalian, "IT/UpdateNewLink"}, {g_state.langSpanish, "ES/UpdateNewLink"},
        {g_state.langJapanese, "JA/UpdateNewLink"}, {g_state.langDutch, "DU/UpdateNewLink"},
        {g_state.langBrazil, "BR/UpdateNewLink"},  {g_state.langHindi, "HI/UpdateNewLink"},
        {g_state.langChinese, "CN/UpdateNewLink"}, {g_state.langKorean, "KO/UpdateNewLink"},
    };
    const char* key = "EN/UpdateNewLink";
    for (const auto& entry : keys) {
        if (entry.flag) {
            key = entry.key;
            break;
        }
    }
    auto settings = platform::openSettings(g_state.settingsPath);
    return settings->value(QLatin1String(key), QString()).toString();
}
