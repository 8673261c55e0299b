#include "url_download.h"

#include "folder_handle.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <unistd.h>

namespace platform {

namespace {

const QLatin1String kSecureScheme("https");
// What the reply may hold before it stops reading from the connection: the
// data waits in the socket, not in this process.
const qint64 kReadBufferBytes = 64 * 1024;

DownloadFailure failureOf(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::NoError:
        return DownloadFailure::None;
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::ContentGoneError:
        return DownloadFailure::NotFound;
    case QNetworkReply::SslHandshakeFailedError:
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::UnknownContentError:
    case QNetworkReply::ContentConflictError:
        return DownloadFailure::Refused;
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProtocolFailure:
        return DownloadFailure::CutShort;
    case QNetworkReply::OperationCanceledError:
        // The reply's own abort, which only its stall bound calls; every
        // stop of this class has its own cause.
        return DownloadFailure::TimedOut;
    default:
        // Connection, proxy and server failures: nothing usable answered.
        return DownloadFailure::Unreachable;
    }
}

} // namespace

UrlDownload::UrlDownload(QObject* parent) : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] { stop(DownloadFailure::TimedOut); });
}

UrlDownload::~UrlDownload()
{
    if (!m_reply)
        return;
    disconnect(m_reply, nullptr, this, nullptr);
    m_reply->abort();
    delete m_reply;
    m_file.close();
    m_folder->removeEntry(m_result.name);
}

void UrlDownload::start(const QString& url, const FolderHandle& folder, const QString& fileName,
                        const DownloadBounds& bounds)
{
    m_result = DownloadedFile();
    m_result.name = fileName;
    m_folder = &folder;
    m_bounds = bounds;
    m_written = true;
    m_announcedLength = -1;
    m_stopCause = DownloadFailure::None;
    m_created = false;
    m_answered = false;
    m_result.path = folder.path() + QLatin1Char('/') + fileName;
    folder.removeEntry(fileName);
    const int fd = folder.createFile(fileName, bounds.executable);
    m_created = fd >= 0;
    if (!m_created || !m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        if (m_created)
            ::close(fd);
        m_stopCause = DownloadFailure::NotSaved;
        QMetaObject::invokeMethod(this, &UrlDownload::finish, Qt::QueuedConnection);
        return;
    }
    const QUrl address(url, QUrl::TolerantMode);
    m_askedSecure = address.scheme() == kSecureScheme;

    QNetworkRequest request(address);
    // Redirects may go from http to https but never back: a secure transfer
    // stays secure to its end. The toolkit verifies the TLS peer itself.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kDownloadStallSeconds * 1000);
    m_reply = m_manager->get(request);
    m_reply->setReadBufferSize(kReadBufferBytes);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &UrlDownload::checkAnnouncedLength);
    connect(m_reply, &QIODevice::readyRead, this, &UrlDownload::writeAvailable);
    connect(m_reply, &QNetworkReply::finished, this, &UrlDownload::finish);
    if (bounds.timeLimitMs > 0)
        m_timeLimit.start(bounds.timeLimitMs);
}

void UrlDownload::cancel()
{
    stop(DownloadFailure::Cancelled);
}

qint64 UrlDownload::byteBound() const
{
    if (m_bounds.announcedLengthBounds && m_announcedLength >= 0)
        return m_announcedLength;
    return m_bounds.maxBytes;
}

void UrlDownload::checkAnnouncedLength()
{
    m_answered = true;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    m_announcedLength = length.isValid() ? length.toLongLong() : -1;
    const qint64 bound = byteBound();
    if (bound > 0 && m_announcedLength > bound)
        stop(DownloadFailure::TooLarge);
}

void UrlDownload::writeAvailable()
{
    if (!m_reply || !m_reply->isOpen() || m_stopCause != DownloadFailure::None)
        return;
    const QByteArray chunk = m_reply->readAll();
    const qint64 bound = byteBound();
    if (bound > 0 && m_result.bytes + chunk.size() > bound)
        return stop(DownloadFailure::TooLarge);
    if (m_file.write(chunk) != chunk.size())
        m_written = false;
    m_result.bytes += chunk.size();
}

void UrlDownload::stop(DownloadFailure cause)
{
    if (!m_reply || m_stopCause != DownloadFailure::None)
        return;
    m_stopCause = cause;
    m_reply->abort();
}

void UrlDownload::finish()
{
    m_timeLimit.stop();
    if (m_reply) {
        writeAvailable();
        m_result.failure = m_stopCause != DownloadFailure::None ? m_stopCause : failureOf(m_reply->error());
        if (!m_written && m_result.failure == DownloadFailure::None)
            m_result.failure = DownloadFailure::NotSaved;
        // A server that broke off or ran out of time before it answered at
        // all was never really reached.
        if ((m_result.failure == DownloadFailure::CutShort || m_result.failure == DownloadFailure::TimedOut)
            && !m_answered)
            m_result.failure = DownloadFailure::Unreachable;
        m_result.lengthAnnounced = m_announcedLength >= 0;
        if (m_result.failure == DownloadFailure::None && m_result.lengthAnnounced
            && m_result.bytes != m_announcedLength)
            m_result.failure = DownloadFailure::CutShort;
        m_result.secure = m_askedSecure && m_reply->url().scheme() == kSecureScheme
                          && m_reply->attribute(QNetworkRequest::ConnectionEncryptedAttribute).toBool();
        m_reply->deleteLater();
        m_reply = nullptr;
    } else if (m_stopCause != DownloadFailure::None) {
        m_result.failure = m_stopCause;
    }
    if (m_file.isOpen()) {
        if (!m_file.flush() && m_result.failure == DownloadFailure::None)
            m_result.failure = DownloadFailure::NotSaved;
        m_file.close();
    }
    m_result.complete = m_result.failure == DownloadFailure::None;
    if (!m_result.complete) {
        // Only a file this download made is removed.
        if (m_created)
            m_folder->removeEntry(m_result.name);
        m_result.secure = false;
    }
    emit finished(m_result);
}

} // namespace platform
