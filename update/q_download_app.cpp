#include "q_download_app.h"

#include "folder_handle.h"
#include "global_state.h"
#include "program_launch.h"
#include "repair_finish_dialog.h"
#include "settings_store.h"
#include "update_files.h"
#include "url_download.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>
#include <QUrl>

#include <climits>

namespace {

// The expected installer size when the settings name none: without a
// length from the server, a smaller download counts as cut short.
const quint64 kDefaultExpectedSize = 10485760;
const int kProgressIntervalMs = 50;
// However the data trickles in, a download ends after this time.
int g_timeLimitMs = 30 * 60 * 1000;
// Six blanks: what the finished display leaves in the two headings.
const char* const kClearedText = "      ";

// The failure message takes the page the emptied progress display leaves
// above the OK button; until then its line sits beside the button.
QRect progressLabelRect(bool failureShown)
{
    return failureShown ? QRect(150, 40, 331, 280) : QRect(150, 330, 211, 20);
}

DialogLayout downloadLayout(LayoutLanguage language, bool failureShown)
{
    int infoHeight = 31;
    if (language == LayoutLanguage::French)
        infoHeight = 45;
    else if (language == LayoutLanguage::Italian)
        infoHeight = 40;
    return {QSize(491, 367),
            {
                {"CancelButton", QRect(406, 330, 71, 26)},
                {"DownLoadLabel", QRect(150, 58, 311, 25)},
                {"DownLoadProgressLabel", progressLabelRect(failureShown)},
                {"ExeDownLoadProgressBar", QRect(150, 144, 331, 20)},
                {"InfoLabel", QRect(150, 96, 331, infoHeight)},
                {"OkButton", QRect(406, 330, 71, 26)},
                {"RestartLabel", QRect(150, 40, 331, 261)},
                {"ThirdPageImageLabel", QRect(10, 10, 161, 380)},
                {"TimeElapsedLabel", QRect(150, 180, 361, 17)},
                {"TransferRateLabel", QRect(150, 210, 361, 17)},
                {"label", QRect(0, 0, 491, 371)},
            }};
}

// Byte counts on the progress bar, which holds int values: sizes beyond its
// range stay at its end instead of wrapping around.
int progressUnits(qint64 bytes)
{
    return static_cast<int>(qBound<qint64>(0, bytes, INT_MAX));
}

quint64 expectedInstallerSize()
{
    auto settings = platform::openSettings(g_state.settingsPath);
    const quint64 size = settings->value(QStringLiteral("AverageUpdateSize"), QString()).toULongLong();
    return size == 0 ? kDefaultExpectedSize : size;
}

// A break opportunity after each separator of an address, so that a long
// one wraps within the label instead of running out of it.
QString wrappableAddress(const QString& address)
{
    const QString separators = QStringLiteral("/.?&=-");
    QString wrappable;
    for (const QChar c : address) {
        wrappable += c;
        if (separators.contains(c))
            wrappable += QChar(0x200B); // zero-width space
    }
    return wrappable;
}

} // namespace

qint64 GetFolderSize(const QString& folder)
{
    qint64 total = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted))
        total += QFileInfo(folder, name).size();
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted))
        total += GetFolderSize(folder + QLatin1Char('/') + name);
    return total;
}

QDownloadApp::QDownloadApp(QWidget* parent) : UpdateDialog(parent)
{
    setupUi(this);
    SetLanguageGeometry();
    SetBackground(label);
    setWindowFlags(kUpdateWindowFlags);
    OkButton->hide();
    RestartLabel->hide();
    connect(CancelButton, SIGNAL(clicked()), this, SLOT(CancelDownload()));
    BeginDownload();
}

void QDownloadApp::SetTimeLimit(int milliseconds)
{
    g_timeLimitMs = milliseconds;
}

QString QDownloadApp::FailureText(platform::DownloadFailure cause)
{
    switch (cause) {
    case platform::DownloadFailure::Unreachable:
        return tr("The update server could not be reached.");
    case platform::DownloadFailure::Refused:
        return tr("The update server refused the download or could not be trusted.");
    case platform::DownloadFailure::NotFound:
        return tr("The update was not found on the server.");
    case platform::DownloadFailure::NotSaved:
        return tr("The download could not be saved.");
    case platform::DownloadFailure::Cancelled:
        return tr("The download was cancelled.");
    case platform::DownloadFailure::TooLarge:
        return tr("The download was larger than the update may be.");
    case platform::DownloadFailure::TimedOut:
        return tr("The update server stopped sending.");
    case platform::DownloadFailure::CutShort:
    case platform::DownloadFailure::None:
        break;
    }
    return tr("The download was cut short.");
}

QDownloadApp::~QDownloadApp() = default;

void QDownloadApp::SetLanguageGeometry()
{
    m_geometry = downloadLayout(layoutLanguage(), m_failureShown);
    applyDialogLayout(this, m_geometry);
}

void QDownloadApp::BeginDownload()
{
    m_progressTimer = nullptr;
    // Each download gets a fresh private folder: nothing left from an
    // earlier check or download can be taken for the installer.
    RemoveUpdateFolder();
    SetUpdateFilePaths();
    m_folder = UpdateFolder();

    QString link = UpdateLink();
    if (link.isEmpty())
        return ShowFailure(link, tr("no download address is set."));
    link += QLatin1String(kUpdateInstallerName);
    if (!QUrl(link, QUrl::TolerantMode).isValid())
        return ShowFailure(link, tr("the download address is not valid."));

    m_expectedSize = expectedInstallerSize();
    connect(&m_thread, SIGNAL(OnDownloadStart()), this, SLOT(OnDownloadStart()));
    connect(&m_thread, SIGNAL(OnDownloadUnverified()), this, SLOT(OnDownloadUnverified()));
    connect(&m_thread, SIGNAL(OnDownloadFinish(QString)), this, SLOT(OnDownloadFinish(QString)));
    connect(&m_thread, SIGNAL(OnDownloadFailed(int)), this, SLOT(OnDownloadFailed(int)));
    m_downloading = true;
    m_thread.StartDownload(link, UpdateFolderHandle(), QLatin1String(kUpdateInstallerName), m_expectedSize,
                           OfferedInstallerDigest(), g_timeLimitMs);
}

// Cancel, Escape and the window's close all stop a running download; the
// worker then removes the file and reports the download cancelled.
void QDownloadApp::CancelDownload()
{
    if (!m_downloading)
        return;
    CancelButton->setEnabled(false);
    m_thread.Cancel();
}

void QDownloadApp::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_downloading) {
        CancelDownload();
        event->accept();
        return;
    }
    UpdateDialog::keyPressEvent(event);
}

void QDownloadApp::closeEvent(QCloseEvent* event)
{
    if (!m_downloading)
        return QDialog::closeEvent(event);
    // The dialog closes once the worker has dropped the file.
    CancelDownload();
    event->ignore();
}

void QDownloadApp::ShowFailure(const QString& address, const QString& reason)
{
    for (QLabel* text : {InfoLabel, DownLoadLabel, TimeElapsedLabel, TransferRateLabel})
        text->setText(QStringLiteral(" "));
    ExeDownLoadProgressBar->hide();
    m_failureShown = true;
    SetLanguageGeometry();
    DownLoadProgressLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DownLoadProgressLabel->setTextFormat(Qt::PlainText);
    DownLoadProgressLabel->setWordWrap(true);
    // Without an address the sentence goes straight on to its reason.
    const QString file = address.isEmpty() ? tr("Unable to save the file ").trimmed()
                                           : tr("Unable to save the file ") + wrappableAddress(address);
    DownLoadProgressLabel->setText(file + QLatin1String(" : ") + reason);
    // OK is the way out of the failure display.
    CancelButton->hide();
    OkButton->show();
    connect(OkButton, SIGNAL(clicked()), this, SLOT(close()));
}

void QDownloadApp::OnDownloadStart()
{
    m_elapsed.restart();
    ExeDownLoadProgressBar->reset();
    ExeDownLoadProgressBar->setMaximum(progressUnits(qint64(qMin<quint64>(m_expectedSize, INT_MAX))));
    m_progressTimer = new QTimer(this);
    m_progressTimer->start(kProgressIntervalMs);
    connect(m_progressTimer, SIGNAL(timeout()), this, SLOT(OnTimerLoadSlot()));
}

QString QDownloadApp::ProgressText(qint64 seconds, qint64 bytes)
{
    const double megabytes = static_cast<double>(bytes) / 1048576.0;
    return tr("Time Elapsed: ") + QString::number(seconds) + tr(" sec ") + QLatin1Char('(')
           + QString::number(megabytes, 'f', 2) + tr(" MB copied) ");
}

void QDownloadApp::OnTimerLoadSlot()
{
    const qint64 bytes = m_folder.isEmpty() ? 0 : GetFolderSize(m_folder);
    ExeDownLoadProgressBar->setValue(progressUnits(bytes));
    TimeElapsedLabel->setText(ProgressText(m_elapsed.elapsed() / 1000, bytes));
}

void QDownloadApp::HideProgress()
{
    m_downloading = false;
    CancelButton->hide();
    if (m_progressTimer)
        m_progressTimer->stop();
    InfoLabel->setText(QLatin1String(kClearedText));
    DownLoadLabel->setText(QLatin1String(kClearedText));
    for (QWidget* widget : {static_cast<QWidget*>(InfoLabel), static_cast<QWidget*>(DownLoadLabel),
                            static_cast<QWidget*>(TimeElapsedLabel), static_cast<QWidget*>(TransferRateLabel),
                            static_cast<QWidget*>(ExeDownLoadProgressBar)})
        widget->hide();
}

void QDownloadApp::EndWithMessage(const QString& text)
{
    HideProgress();
    ShowInformation(this, tr("Update failed"), text);
    close();
}

void QDownloadApp::OnDownloadFailed(int cause)
{
    EndWithMessage(FailureText(platform::DownloadFailure(cause)));
}

void QDownloadApp::OnDownloadUnverified()
{
    EndWithMessage(tr("The download could not be verified."));
}

// The program ends only once the installer runs, started from the folder
// it was verified in; otherwise the user stays in the program, and the
// download that could not run is removed. The program ends through the
// main window's own close, which stops a running repair and cleans up,
// without asking again: the user already chose the update.
void QDownloadApp::OnDownloadFinish(QString)
{
    const platform::FolderHandle& folder = UpdateFolderHandle();
    const QString installer = QLatin1String(kUpdateInstallerName);
    if (!platform::launchProgramIn(folder, installer)) {
        folder.removeEntry(installer);
        return EndWithMessage(tr("The installer could not be started."));
    }
    HideProgress();
    close();
    KeepUpdateFolder();
    g_leavingForInstaller = true;
    QWidget* mainWindow = this;
    while (mainWindow->parentWidget())
        mainWindow = mainWindow->parentWidget();
    if (mainWindow != this)
        mainWindow->close();
    QCoreApplication::quit();
}

void QDownloadApp::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        SetLanguageGeometry();
    }
    QWidget::changeEvent(event);
}
