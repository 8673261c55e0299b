#include "q_download_thread.h"

#include "update_files.h"
#include "url_download.h"

#include <QFile>
#include <QFileInfo>

QDownloadThread::QDownloadThread(QObject* parent) : QThread(parent) {}

QDownloadThread::~QDownloadThread()
{
    m_wakeCondition.wakeOne();
    wait();
}

void QDownloadThread::StartDownload(const QString& url, const QString& fileName, quint64 expectedSize)
{
    QMutexLocker locker(&m_mutex);
    m_url = url;
    m_fileName = fileName;
    m_expectedSize = expectedSize;
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
    const platform::DownloadedFile downloaded = platform::downloadFile(m_url, UpdateFolder(), m_fileName);
    const qint64 size = QFileInfo(downloaded.path).size();
    if (static_cast<quint64>(size) < m_expectedSize) {
        if (QFile::exists(downloaded.path))
            QFile::remove(downloaded.path);
        emit OnDownloadFailed();
    } else {
        emit OnDownloadFinish(downloaded.path);
    }
}
