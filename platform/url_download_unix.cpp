#include "url_download.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>

namespace platform {

namespace {
const QLatin1String kSecureScheme("https");
} // namespace

UrlDownload::UrlDownload(QObject* parent) : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] {
        if (m_reply)
            m_reply->abort();
    });
}

UrlDownload::~UrlDownload()
{
    if (!m_reply)
        return;
    disconnect(m_reply, nullptr, this, nullptr);
    m_reply->abort();
    delete m_reply;
    m_file.close();
    m_file.remove();
}

void UrlDownload::start(const QString& url, const QString& folder, const QString& fileName, int timeLimitMs)
{
    m_result = DownloadedFile();
    m_written = true;
    if (!folder.isEmpty()) {
        m_result.folder = QDir(folder).absolutePath();
        m_result.path = m_result.folder + QLatin1Char('/') + fileName;
        m_file.setFileName(m_result.path);
    }
    const QUrl address(url, QUrl::TolerantMode);
    if (folder.isEmpty() || !m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QMetaObject::invokeMethod(this, &UrlDownload::finish, Qt::QueuedConnection);
        return;
    }
    m_askedSecure = address.scheme() == kSecureScheme;

    QNetworkRequest request(address);
    // Redirects may go from http to https but never back: a secure transfer
    // stays secure to its end. The toolkit verifies the TLS peer itself.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kDownloadStallSeconds * 1000);
    m_reply = m_manager->get(request);
    connect(m_reply, &QIODevice::readyRead, this, &UrlDownload::writeAvailable);
    connect(m_reply, &QNetworkReply::finished, this, &UrlDownload::finish);
    if (timeLimitMs > 0)
        m_timeLimit.start(timeLimitMs);
}

void UrlDownload::writeAvailable()
{
    const QByteArray chunk = m_reply->readAll();
    if (m_file.write(chunk) != chunk.size())
        m_written = false;
}

void UrlDownload::finish()
{
    m_timeLimit.stop();
    if (m_reply) {
        writeAvailable();
        m_result.complete = m_written && m_reply->error() == QNetworkReply::NoError;
        m_result.secure = m_result.complete && m_askedSecure && m_reply->url().scheme() == kSecureScheme
                          && m_reply->attribute(QNetworkRequest::ConnectionEncryptedAttribute).toBool();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    if (m_file.isOpen()) {
        if (!m_file.flush())
            m_result.complete = false;
        m_file.close();
        // Only a file this download made is removed.
        if (!m_result.complete)
            m_file.remove();
    }
    if (!m_result.complete)
        m_result.secure = false;
    emit finished(m_result);
}

DownloadedFile downloadFile(const QString& url, const QString& folder, const QString& fileName)
{
    // The transfer runs on a thread of its own so that the caller is really
    // blocked: no event of the caller's thread is handled meanwhile.
    DownloadedFile result;
    QThread* worker = QThread::create([&] {
        UrlDownload download;
        QEventLoop loop;
        QObject::connect(&download, &UrlDownload::finished, &loop, [&](const DownloadedFile& ended) {
            result = ended;
            loop.quit();
        });
        download.start(url, folder, fileName);
        loop.exec();
    });
    worker->start();
    worker->wait();
    delete worker;
    return result;
}

} // namespace platform
