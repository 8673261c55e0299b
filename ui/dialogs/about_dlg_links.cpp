#include "about_dlg.h"

#include "global_state.h"
#include "repair_finish_dialog.h"
#include "settings_store.h"
#include "system_info.h"
#include "url_open.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace {

// Two-letter code of the interface language in the about box's settings
// keys and licence document names.
QString languageCode()
{
    switch (layoutLanguage()) {
    case LayoutLanguage::German: return QStringLiteral("DE");
    case LayoutLanguage::French: return QStringLiteral("FR");
    case LayoutLanguage::Italian: return QStringLiteral("IT");
    case LayoutLanguage::Spanish: return QStringLiteral("ES");
    case LayoutLanguage::Chinese: return QStringLiteral("CN");
    case LayoutLanguage::Korean: return QStringLiteral("KO");
    case LayoutLanguage::Dutch: return QStringLiteral("DU");
    case LayoutLanguage::Brazil: return QStringLiteral("BR");
    case LayoutLanguage::Hindi: return QStringLiteral("HI");
    case LayoutLanguage::Japanese: return QStringLiteral("JA");
    case LayoutLanguage::English: break;
    }
    return QStringLiteral("EN");
}

// The licence document of the interface language, else the English one;
// empty when neither is there.
QString licenceDocument()
{
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& code : {languageCode(), QStringLiteral("EN")}) {
        const QString path = folder + QLatin1String("/Eula_") + code + QLatin1String(".pdf");
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

QString readSetting(const QString& key)
{
    return platform::openSettings(g_state.settingsPath)->value(key, QString()).toString();
}

} // namespace

void AboutDlg::ShowSystemInfo()
{
    const platform::SystemInfo system = platform::systemInfo();
    m_computerName = system.computerName;
    UserLabel->setText(m_computerName);

    QString rights = readSetting(QStringLiteral("CopyrightText"));
    if (rights.isEmpty())
        rights = tr("Copyright \u00a9 Velmora Data Recovery. All rights reserved.");
    label_12->setFont(QFont(QStringLiteral("Segoe UI"), 10));
    label_12->setText(rights);

    OSLabel->setText(system.osName);
    VersionLabel->setText(system.osVersion);
}

void AboutDlg::SetSupportLink()
{
    const QString code = languageCode();
    const QString name = readSetting(code + QLatin1String("/SupportName"));
    const QString link = readSetting(code + QLatin1String("/SupportLink"));
    SupportBtn->setText(QLatin1String("<a href=\"") + link + QLatin1String("\">") + name + QLatin1String("</a>"));
    SupportBtn->setOpenExternalLinks(true);
}

void AboutDlg::OpenLicense()
{
    const QString path = licenceDocument();
    if (!path.isEmpty() && platform::openUrl(QUrl::fromLocalFile(path)))
        return;
    ShowInformation(this, windowTitle(), tr("The licence document could not be opened."));
}

// The support button is hidden; the link text opens the support page.
void AboutDlg::OpenSupport() {}
