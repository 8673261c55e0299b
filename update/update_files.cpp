#include "update_files.h"

#include "global_state.h"
#include "settings_store.h"
#include "temp_folder.h"

#include <QDir>

bool g_reportNoUpdate = false;
bool g_majorUpdateFound = false;
bool g_minorUpdateFound = false;
QString g_minorVersionText;
QString g_majorVersionText;
QString g_updateInfoPath;
QString g_updateInstallerPath;

const char* const kUpdateInfoName = "Pictavo.txt";
const char* const kUpdateInstallerName = "Pictavo.exe";

QString UpdateFolder()
{
    return platform::tempFolder() + QStringLiteral("/updatetmp");
}

void SetUpdateFilePaths()
{
    const QString folder = UpdateFolder();
    QDir().mkpath(folder);
    g_updateInfoPath = folder + QLatin1Char('/') + QLatin1String(kUpdateInfoName);
    g_updateInstallerPath = folder + QLatin1Char('/') + QLatin1String(kUpdateInstallerName);
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
