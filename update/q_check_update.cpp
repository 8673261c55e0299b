#include "q_check_update.h"

#include "dialog_look.h"
#include "folder_handle.h"
#include "global_state.h"
#include "network_state.h"
#include "q_download_app.h"
#include "q_show_update.h"
#include "repair_finish_dialog.h"
#include "update_files.h"
#include "url_download.h"
#include "version_compare.h"
#include "window_frame.h"

#include <QDebug>
#include <QPixmap>
#include <QTextStream>
#include <QUrl>

namespace {
// A version file shorter than this holds no version.
const qint64 kMinimumVersionFileSize = 4;
// The version file holds two short lines; anything larger is no version
// file, and its transfer is stopped there.
const qint64 kMaximumVersionFileSize = 64 * 1024;
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
// start-up stays silent; the user who pressed Update is told, with the
// cause when one is known.
void QCheckUpdate::ReportFailure(const QString& cause)
{
    if (g_reportNoUpdate) {
        g_reportNoUpdate = false;
        const QString text = tr("The update check could not be completed.");
        ShowMessage(cause.isEmpty() ? text : text + QLatin1Char('\n') + cause);
    }
    EndCheck();
}

void QCheckUpdate::CheckForUpdate()
{
    m_checking = true;
    ++g_runningChecks;
    hide();
    if (!platform::networkAvailable())
        return ReportFailure(QDownloadApp::FailureText(platform::DownloadFailure::Unreachable));
    qDebug() << "System has a network connection.";
    g_majorUpdateFound = false;
    g_minorUpdateFound = false;

    const platform::FolderHandle& folder = UpdateFolderHandle();
    folder.removeEntry(QLatin1String(kUpdateInfoName));
    const QString link = UpdateLink();
    if (link.isEmpty() || !folder.isOpen())
        return ReportFailure();
    const QString url = link + QLatin1String(kUpdateInfoName);
    if (!QUrl(url, QUrl::TolerantMode).isValid())
        return ReportFailure();

    m_download = new platform::UrlDownload(this);
    connect(m_download, &platform::UrlDownload::finished, this, &QCheckUpdate::OnVersionFileDownloaded);
    platform::DownloadBounds bounds;
    bounds.timeLimitMs = g_timeLimitMs;
    bounds.maxBytes = kMaximumVersionFileSize;
    m_download->start(url, folder, QLatin1String(kUpdateInfoName), bounds);
}

void QCheckUpdate::OnVersionFileDownloaded(const platform::DownloadedFile& downloaded)
{
    m_download->deleteLater();
    m_download = nullptr;
    if (!downloaded.complete) {
        RemoveUpdateFolder();
        return ReportFailure(QDownloadApp::FailureText(downloaded.failure));
    }
    if (downloaded.bytes < kMinimumVersionFileSize) {
        RemoveUpdateFolder();
        return ReportFailure();
    }
    // A digest on the version file vouches for the installer only when the
    // file itself came from a server whose certificate was verified:
    // whoever answers a plain http link could supply both.
    m_versionFileSecure = downloaded.secure;

    m_versionFile = std::make_unique<QFile>();
    if (!UpdateFolderHandle().openFile(downloaded.name, *m_versionFile))
        return ReportFailure();
    CompareVersionFile(InstalledVersion());
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
        VersionFinding finding = CompareVersionLine(installed, lines[index]);
        if (!m_versionFileSecure)
            finding.sha256.clear();
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
    // The checker is hidden: the offer sits on the window that asked.
    if (parentWidget())
        CenterWidgetOnRect(offer, parentWidget()->geometry());
    offer->show();
    EndCheck();
}
