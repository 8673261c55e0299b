#include "q_check_update.h"

#include "dialog_look.h"
#include "global_state.h"
#include "network_state.h"
#include "q_show_update.h"
#include "repair_finish_dialog.h"
#include "settings_store.h"
#include "update_files.h"
#include "url_download.h"
#include "version_compare.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTextStream>
#include <QUrl>

namespace {
// A version file shorter than this holds no version.
const qint64 kMinimumVersionFileSize = 4;
} // namespace

QCheckUpdate::QCheckUpdate(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setModal(true);
    SetUpdateFilePaths();
    CheckForUpdate();
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
}

QCheckUpdate::~QCheckUpdate() = default;

void QCheckUpdate::ReportNoUpdate()
{
    if (!g_reportNoUpdate)
        return;
    m_noUpdateBox->exec();
    g_reportNoUpdate = false;
}

void QCheckUpdate::CheckForUpdate()
{
    if (!platform::networkAvailable())
        return;
    qDebug() << "System has a network connection.";
    g_majorUpdateFound = false;
    g_minorUpdateFound = false;

    hide();
    if (QFile::exists(g_updateInfoPath))
        QFile::remove(g_updateInfoPath);
    const QString link = UpdateLink();

    m_noUpdateBox = new repairFinishDialog(this);
    m_noUpdateBox->repairedLabl->setText(tr("No update available."));
    m_noUpdateBox->label_8->setText(tr("Pictavo"));
    m_noUpdateBox->label_2->clear();
    const QString images = imageSetFolder(g_state.uiScale);
    if (!images.isEmpty())
        m_noUpdateBox->label_2->setPixmap(QPixmap(images + QLatin1String("info.png")));

    if (link.isEmpty())
        return ReportNoUpdate();
    const QString url = link + QLatin1String(kUpdateInfoName);
    if (!QUrl(url, QUrl::TolerantMode).isValid())
        return ReportNoUpdate();

    const platform::DownloadedFile downloaded =
        platform::downloadFile(url, UpdateFolder(), QLatin1String(kUpdateInfoName));
    if (QFileInfo(downloaded.path).size() < kMinimumVersionFileSize) {
        if (QFile::exists(downloaded.path))
            QFile::remove(downloaded.path);
        QDir folder(downloaded.folder);
        if (folder.exists())
            folder.removeRecursively();
        return ReportNoUpdate();
    }

    m_versionFile = std::make_unique<QFile>(downloaded.path);
    if (!m_versionFile->open(QIODevice::ReadWrite))
        return;
    const QString installed =
        platform::openSettings(g_state.settingsPath)->value(QStringLiteral("Version"), QString()).toString();
    if (installed.isEmpty()) {
        ReportNoUpdate();
    } else {
        CompareVersionFile(installed);
    }
    m_versionFile->close();
}

void QCheckUpdate::CompareVersionFile(const QString& installed)
{
    QTextStream stream(m_versionFile.get());
    QString lines[2];
    for (int read = 0; read < 2 && !stream.atEnd(); ++read)
        lines[read] = stream.readLine().trimmed();

    // Line 1 is the latest update of the installed major version, line 2
    // the latest major release. Each finding keeps the version that caused
    // it, the first line first, so the offer names what was really found.
    QString* latestTexts[2] = {&m_latestUpdateText, &m_latestMajorReleaseText};
    for (int index = 0; index < 2; ++index) {
        const VersionFinding finding = CompareVersionLine(installed, lines[index]);
        *latestTexts[index] = finding.text;
        if (finding.major && !g_majorUpdateFound) {
            g_majorUpdateFound = true;
            g_majorVersionText = finding.text;
        } else if (finding.minor && !g_minorUpdateFound) {
            g_minorUpdateFound = true;
            g_minorVersionText = finding.text;
        }
    }

    if (g_majorUpdateFound || g_minorUpdateFound) {
        g_reportNoUpdate = false;
        hide();
        auto* offer = new QShowUpdate(this);
        offer->show();
    } else {
        ReportNoUpdate();
    }
}
