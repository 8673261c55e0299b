#include "q_download_thread.h"

#include "folder_handle.h"
#include "installer_trust.h"
#include "url_download.h"

#include <QEventLoop>

namespace {
// With no length announced, an installer may grow to this many times its
// expected size before the download counts as failed.
const quint64 kUnannouncedSizeFactor = 4;
} // namespace

QDownloadThread::QDownloadThread(QObject* parent) : QThread(parent) {}

QDownloadThread::~QDownloadThread()
{
    Cancel();
    m_wakeCondition.wakeOne();
    wait();
}

void QDownloadThread::StartDownload(const QString& url, const platform::FolderHandle& folder,
                                    const QString& fileName, quint64 expectedSize, const QByteArray& sha256,
                                    int timeLimitMs)
{
    QMutexLocker locker(&m_mutex);
    m_url = url;
    m_folder = &folder;
    m_fileName = fileName;
    m_expectedSize = expectedSize;
    m_sha256 = sha256;
    m_timeLimitMs = timeLimitMs;
    if (isRunning())
        m_wakeCondition.wakeOne();
    else
        start(QThread::LowPriority);
}

void QDownloadThread::Cancel()
{
    QMutexLocker locker(&m_cancelMutex);
    m_cancelled = true;
    if (m_download)
        QMetaObject::invokeMethod(m_download, &platform::UrlDownload::cancel, Qt::QueuedConnection);
}

void QDownloadThread::run()
{
    QMutexLocker locker(&m_mutex);
    emit OnDownloadStart();
    DownloadFile();
}

// The transfer runs on this thread's own event loop, so that Cancel() can
// reach it while it waits for data.
void QDownloadThread::DownloadFile()
{
    platform::DownloadBounds bounds;
    bounds.timeLimitMs = m_timeLimitMs;
    bounds.maxBytes = qint64(qMin<quint64>(m_expectedSize, quint64(INT64_MAX) / kUnannouncedSizeFactor)
                             * kUnannouncedSizeFactor);
    bounds.announcedLengthBounds = true;
    bounds.executable = true;

    platform::DownloadedFile downloaded;
    platform::UrlDownload download;
    QEventLoop loop;
    connect(&download, &platform::UrlDownload::finished, &loop, [&](const platform::DownloadedFile& ended) {
        downloaded = ended;
        loop.quit();
    });
    download.start(m_url, *m_folder, m_fileName, bounds);
    {
        QMutexLocker cancelLocker(&m_cancelMutex);
        m_download = &download;
        // Queued, like a Cancel() from the other thread: the loop must run
        // before the transfer can end.
        if (m_cancelled)
            QMetaObject::invokeMethod(&download, &platform::UrlDownload::cancel, Qt::QueuedConnection);
    }
    loop.exec();
    {
        QMutexLocker cancelLocker(&m_cancelMutex);
        m_download = nullptr;
    }

    if (!downloaded.complete) {
        emit OnDownloadFailed(int(downloaded.failure));
    } else if (!downloaded.lengthAnnounced && quint64(downloaded.bytes) < m_expectedSize) {
        // Without a length from the server, only the expected size tells a
        // whole installer from a broken-off one.
        m_folder->removeEntry(m_fileName);
        emit OnDownloadFailed(int(platform::DownloadFailure::CutShort));
    } else if (!InstallerTrusted(*m_folder, downloaded, m_sha256)) {
        m_folder->removeEntry(m_fileName);
        emit OnDownloadUnverified();
    } else {
        emit OnDownloadFinish(downloaded.path);
    }
}
