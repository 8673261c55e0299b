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
#include "window_frame.h"
#include "wipe_folder.h"

#include <QDebug>
#include <QFileInfo>
#include <QPixmap>
#include <QTextStream>
#include <QUrl>

namespace {
// A version file shorter than this holds no version.
const qint64 kMinimumVersionFileSize = 4;
// However slowly the server answers, a check ends after this time.
int g_timeLimitMs = 15000;
int g_runningChecks = 0;
} // namespace

QCheckUpdate::QCheckUpdate(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setModal(true);
    SetUpdateFilePaths();
    CheckForUpdate();
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
}

QCheckUpdate::~QCheckUpdate()
{
    if (m_checking)
        --g_runningChecks;
}

bool QCheckUpdate::IsChecking() const
{
    return m_checking;
}

bool QCheckUpdate::AnyCheckRunning()
{
    return g_runningChecks > 0;
}

void QCheckUpdate::SetTimeLimit(int milliseconds)
{
    g_timeLimitMs = milliseconds;
}

void QCheckUpdate::EndCheck()
{
    if (m_checking)
        --g_runningChecks;
    m_checking = false;
    emit CheckFinished();
}

void QCheckUpdate::ShowMessage(const QString& text)
{
    repairFinishDialog box(this);
    box.repairedLabl->setText(text);
    box.label_8->setText(tr("Pictavo"));
    box.label_2->clear();
    const QString images = imageSetFolder(g_state.uiScale);
    if (!images.isEmpty())
        box.label_2->setPixmap(QPixmap(images + QLatin1String("info.png")));
    // The checker itself is hidden; the box sits on the window that asked.
    if (parentWidget())
        CenterWidgetOnRect(&box, parentWidget()->geometry());
    box.exec();
}

void QCheckUpdate::ReportNoUpdate()
{
    if (g_reportNoUpdate) {
        g_reportNoUpdate = false;
        ShowMessage(tr("No update available."));
    }
    EndCheck();
}

// A check that could not find out what the server offers. The check after
// start-up stays silent; the user who pressed Update is told.
void QCheckUpdate::ReportFailure()
{
    if (g_reportNoUpdate) {
        g_reportNoUpdate = false;
        ShowMessage(tr("The update check could not be completed."));
    }
    EndCheck();
}

void QCheckUpdate::CheckForUpdate()
{
    m_checking = true;
    ++g_runningChecks;
    hide();
    if (!platform::networkAvailable())
        return ReportFailure();
    qDebug() << "System has a network connection.";
    g_majorUpdateFound = false;
    g_minorUpdateFound = false;

    if (!g_updateInfoPath.isEmpty())
        FolderWiper().WipeFile(g_updateInfoPath);
    const QString link = UpdateLink();
    if (link.isEmpty() || UpdateFolder().isEmpty())
        return ReportFailure();
    const QString url = link + QLatin1String(kUpdateInfoName);
    if (!QUrl(url, QUrl::TolerantMode).isValid())
        return ReportFailure();

    m_download = new platform::UrlDownload(this);
    connect(m_download, &platform::UrlDownload::finished, this, &QCheckUpdate::OnVersionFileDownloaded);
    m_download->start(url, UpdateFolder(), QLatin1String(kUpdateInfoName), g_timeLimitMs);
}

void QCheckUpdate::OnVersionFileDownloaded(const platform::DownloadedFile& downloaded)
{
    m_download->deleteLater();
    m_download = nullptr;
    if (!downloaded.complete || QFileInfo(downloaded.path).size() < kMinimumVersionFileSize) {
        RemoveUpdateFolder();
        return ReportFailure();
    }

    m_versionFile = std::make_unique<QFile>(downloaded.path);
    if (!m_versionFile->open(QIODevice::ReadOnly))
        return ReportFailure();
    const QString installed =
        platform::openSettings(g_state.settingsPath)->value(QStringLiteral("Version"), QString()).toString();
    if (installed.isEmpty()) {
        ReportFailure();
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
    bool anyVersion = false;
    for (int index = 0; index < 2; ++index) {
        const VersionFinding finding = CompareVersionLine(installed, lines[index]);
        *latestTexts[index] = finding.text;
        anyVersion = anyVersion || !finding.ignored;
        if (finding.major && !g_majorUpdateFound) {
            g_majorUpdateFound = true;
            g_majorVersionText = finding.text;
            g_majorInstallerDigest = finding.sha256;
        } else if (finding.minor && !g_minorUpdateFound) {
            g_minorUpdateFound = true;
            g_minorVersionText = finding.text;
            g_minorInstallerDigest = finding.sha256;
        }
    }

    if (!anyVersion)
        return ReportFailure();
    if (!g_majorUpdateFound && !g_minorUpdateFound)
        return ReportNoUpdate();
    g_reportNoUpdate = false;
    hide();
    auto* offer = new QShowUpdate(this);
    offer->show();
    EndCheck();
}
