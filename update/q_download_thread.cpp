#include "q_download_thread.h"

#include "installer_trust.h"
#include "url_download.h"
#include "wipe_folder.h"

#include <QFileInfo>

QDownloadThread::QDownloadThread(QObject* parent) : QThread(parent) {}

QDownloadThread::~QDownloadThread()
{
    m_wakeCondition.wakeOne();
    wait();
}

void QDownloadThread::StartDownload(const QString& url, const QString& folder, const QString& fileName,
                                    quint64 expectedSize, const QByteArray& sha256)
{
    QMutexLocker locker(&m_mutex);
    m_url = url;
    m_folder = folder;
    m_fileName = fileName;
    m_expectedSize = expectedSize;
    m_sha256 = sha256;
    if (isRunning())
        m_wakeCondition.wakeOne();
    else
        start(QThread::LowPriority);
}

void QDownloadThread::run()
{
    QMutexLocker locker(&m_mutex);
    emit OnDownloadStart();
    DownloadFile();
}

void QDownloadThread::DownloadFile()
{
    const platform::DownloadedFile downloaded = platform::downloadFile(m_url, m_folder, m_fileName);
    const qint64 size = QFileInfo(downloaded.path).size();
    if (downloaded.path.isEmpty() || static_cast<quint64>(size) < m_expectedSize) {
        if (!downloaded.path.isEmpty())
            FolderWiper().WipeFile(downloaded.path);
        emit OnDownloadFailed();
    } else if (!InstallerTrusted(downloaded, m_sha256)) {
        FolderWiper().WipeFile(downloaded.path);
        emit OnDownloadUnverified();
    } else {
        emit OnDownloadFinish(downloaded.path);
    }
}
