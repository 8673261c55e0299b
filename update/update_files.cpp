#include "update_files.h"

#include "global_state.h"
#include "private_folder.h"
#include "settings_store.h"
#include "temp_folder.h"
#include "wipe_folder.h"

#include <QCoreApplication>
#include <QDir>

bool g_reportNoUpdate = false;
bool g_majorUpdateFound = false;
bool g_minorUpdateFound = false;
QString g_minorVersionText;
QString g_majorVersionText;
QByteArray g_minorInstallerDigest;
QByteArray g_majorInstallerDigest;
QString g_updateInfoPath;
QString g_updateInstallerPath;

const char* const kUpdateInfoName = "Pictavo.txt";
const char* const kUpdateInstallerName = "Pictavo.exe";

namespace {

const char* const kUpdateFolderPrefix = "updatetmp";
QString g_updateFolder;

// The temporary folder is shared with other users: the update folder is
// never taken over from there by name, so nobody else can plant files or
// links in it, and it is removed when the program ends.
void makeUpdateFolder()
{
    static bool removalAtExit = false;
    g_updateFolder = platform::createPrivateFolder(platform::tempFolder(), QLatin1String(kUpdateFolderPrefix));
    if (!removalAtExit && QCoreApplication::instance()) {
        qAddPostRoutine(RemoveUpdateFolder);
        removalAtExit = true;
    }
}

} // namespace

QString UpdateFolder()
{
    return g_updateFolder;
}

void SetUpdateFilePaths()
{
    if (!platform::isPrivateFolder(g_updateFolder))
        makeUpdateFolder();
    const QString folder = g_updateFolder.isEmpty() ? QString() : g_updateFolder + QLatin1Char('/');
    g_updateInfoPath = folder.isEmpty() ? QString() : folder + QLatin1String(kUpdateInfoName);
    g_updateInstallerPath = folder.isEmpty() ? QString() : folder + QLatin1String(kUpdateInstallerName);
}

void RemoveUpdateFolder()
{
    if (g_updateFolder.isEmpty())
        return;
    // The wipe removes links as they are and keeps folders; the folder,
    // then empty, goes last.
    FolderWiper().WipeFolderTree(g_updateFolder);
    QDir().rmdir(g_updateFolder);
    g_updateFolder.clear();
}

void KeepUpdateFolder()
{
    g_updateFolder.clear();
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
