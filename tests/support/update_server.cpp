#include "update_server.h"

#include <QProcess>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {
// Requests longer than this are not HTTP requests of ours.
const int kMaxRequestBytes = 8192;

// Accepts connections as TLS sockets that present the given identity.
class TlsServer : public QTcpServer {
public:
    TlsServer(const QSslCertificate& certificate, const QSslKey& key) : m_certificate(certificate), m_key(key) {}

protected:
    void incomingConnection(qintptr handle) override
    {
        auto* socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(handle)) {
            delete socket;
            return;
        }
        socket->setLocalCertificate(m_certificate);
        socket->setPrivateKey(m_key);
        socket->startServerEncryption();
        addPendingConnection(socket);
    }

private:
    QSslCertificate m_certificate;
    QSslKey m_key;
};

} // namespace

UpdateServer::UpdateServer() : UpdateServer(QSslCertificate(), QSslKey()) {}

UpdateServer::UpdateServer(const QSslCertificate& certificate, const QSslKey& key)
    : m_certificate(certificate), m_key(key)
{
    // A proxy named by the environment must not carry loopback requests
    // (for this process and the programs it starts).
    qputenv("no_proxy", "127.0.0.1,localhost");
    qputenv("NO_PROXY", "127.0.0.1,localhost");
    start();
    m_listening.acquire();
}

UpdateServer::~UpdateServer()
{
    quit();
    wait();
}

void UpdateServer::offer(const QString& name, const Resource& resource)
{
    QMutexLocker locker(&m_mutex);
    m_files.insert(name, resource);
}

void UpdateServer::serve(const QString& name, const QByteArray& bytes)
{
    offer(name, {bytes, Body::Plain, 0});
}

void UpdateServer::serveWithoutLength(const QString& name, const QByteArray& bytes)
{
    offer(name, {bytes, Body::WithoutLength, 0});
}

void UpdateServer::serveEndless(const QString& name)
{
    offer(name, {QByteArray(), Body::Endless, 0});
}

void UpdateServer::serveCutShort(const QString& name, const QByteArray& bytes, qint64 announced)
{
    offer(name, {bytes, Body::CutShort, announced});
}

void UpdateServer::serveStalled(const QString& name, const QByteArray& bytes, qint64 announced)
{
    offer(name, {bytes, Body::Stalled, announced});
}

void UpdateServer::redirect(const QString& name, const QString& location)
{
    offer(name, {location.toUtf8(), Body::Redirect, 0});
}

void UpdateServer::throttle(int chunkBytes, int delayMs)
{
    QMutexLocker locker(&m_mutex);
    m_chunkBytes = chunkBytes;
    m_delayMs = delayMs;
}

void UpdateServer::silence(bool silent)
{
    QMutexLocker locker(&m_mutex);
    m_silent = silent;
}

QString UpdateServer::baseUrl() const
{
    const QString scheme = m_certificate.isNull() ? QStringLiteral("http") : QStringLiteral("https");
    return QStringLiteral("%1://127.0.0.1:%2/").arg(scheme).arg(m_port);
}

int UpdateServer::requestCount(const QString& name) const
{
    QMutexLocker locker(&m_mutex);
    return m_requests.value(name);
}

UpdateServer::Answer UpdateServer::answerFor(const QByteArray& request)
{
    const QList<QByteArray> words = request.left(request.indexOf('\r')).split(' ');
    const QString name = words.size() >= 2 ? QString::fromLatin1(words.at(1).mid(1)) : QString();
    QMutexLocker locker(&m_mutex);
    m_requests[name] += 1;
    if (m_silent)
        return {QByteArray(), QByteArray(), true};
    if (words.value(0) != "GET" || !m_files.contains(name))
        return {"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\n", "not found"};
    const Resource resource = m_files.value(name);
    const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n";
    switch (resource.kind) {
    case Body::Plain:
        return {ok + "Content-Length: " + QByteArray::number(resource.bytes.size()) + "\r\nConnection: close\r\n\r\n",
                resource.bytes};
    case Body::WithoutLength:
        return {ok + "Connection: close\r\n\r\n", resource.bytes};
    case Body::Endless:
        return {ok + "Connection: close\r\n\r\n", QByteArray(64 * 1024, '9'), false, true};
    case Body::CutShort:
        return {ok + "Content-Length: " + QByteArray::number(resource.announced) + "\r\nConnection: close\r\n\r\n",
                resource.bytes};
    case Body::Stalled:
        return {ok + "Content-Length: " + QByteArray::number(resource.announced) + "\r\n\r\n", resource.bytes, false,
                false, true};
    case Body::Redirect:
        break;
    }
    return {"HTTP/1.1 302 Found\r\nLocation: " + resource.bytes + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n",
            QByteArray()};
}

void UpdateServer::run()
{
    std::unique_ptr<QTcpServer> listener = m_certificate.isNull()
                                               ? std::make_unique<QTcpServer>()
                                               : std::make_unique<TlsServer>(m_certificate, m_key);
    QTcpServer& server = *listener;
    server.listen(QHostAddress::LocalHost, 0);
    m_port = server.serverPort();
    m_listening.release();

    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
                received->append(socket->readAll());
                if (received->size() > kMaxRequestBytes) {
                    socket->abort();
                    return;
                }
                if (!received->contains("\r\n\r\n"))
                    return;
                QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
                const Answer answer = answerFor(*received);
                if (answer.silent)
                    return;
                socket->write(answer.head);
                int chunk = 0, delay = 0;
                {
                    QMutexLocker locker(&m_mutex);
                    chunk = m_chunkBytes;
                    delay = m_delayMs;
                }
                if (answer.endless && chunk <= 0) {
                    // More data whenever the client has taken what was sent,
                    // until it goes away.
                    auto refill = [socket, answer] {
                        if (socket->bytesToWrite() < answer.body.size())
                            socket->write(answer.body);
                    };
                    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, refill);
                    refill();
                    return;
                }
                if (chunk <= 0) {
                    socket->write(answer.body);
                    if (!answer.keptOpen)
                        socket->disconnectFromHost();
                    return;
                }
                auto sent = std::make_shared<int>(0);
                auto* pacer = new QTimer(socket);
                QObject::connect(pacer, &QTimer::timeout, socket, [socket, pacer, sent, chunk, answer] {
                    socket->write(answer.endless ? QByteArray(chunk, '9') : answer.body.mid(*sent, chunk));
                    *sent += chunk;
                    if (!answer.endless && *sent >= answer.body.size()) {
                        pacer->stop();
                        if (!answer.keptOpen)
                            socket->disconnectFromHost();
                    }
                });
                pacer->start(delay);
            });
        }
    });
    exec();
}

QString unusedBaseUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/").arg(port);
}

LoopbackIdentity makeLoopbackIdentity()
{
    QTemporaryDir dir;
    const QString certificate = dir.filePath(QStringLiteral("certificate.pem"));
    const QString key = dir.filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                   QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1,DNS:127.0.0.1"), QStringLiteral("-keyout"), key,
                   QStringLiteral("-out"), certificate});
    if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
        return LoopbackIdentity();
    QFile certificateFile(certificate);
    QFile keyFile(key);
    if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
        return LoopbackIdentity();
    return {QSslCertificate(&certificateFile, QSsl::Pem), QSslKey(&keyFile, QSsl::Rsa, QSsl::Pem)};
}
