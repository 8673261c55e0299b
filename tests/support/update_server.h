#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QSemaphore>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QThread>

// A tiny HTTP server on 127.0.0.1 for the update tests, running on a thread
// of its own so that a caller blocked in a download still gets answers.
// It answers GET requests for the files it was given (404 otherwise) and
// closes each connection after its answer, or, when silenced, takes every
// request and never answers it. Besides plain files it can send a body
// without a length, an endless body, a body shorter than the length it
// announces, one that stops coming while the connection stays open, and a
// redirect.
class UpdateServer : public QThread {
public:
    UpdateServer();
    // The same server speaking https with this certificate and key.
    UpdateServer(const QSslCertificate& certificate, const QSslKey& key);
    ~UpdateServer() override;

    // Serves `bytes` under /<name>, with its length.
    void serve(const QString& name, const QByteArray& bytes);
    // Serves `bytes` without announcing a length: the end of the connection
    // ends the body.
    void serveWithoutLength(const QString& name, const QByteArray& bytes);
    // Serves an endless body without a length, as fast as it is taken, or
    // in the chunks that throttle() sets.
    void serveEndless(const QString& name);
    // Announces `announced` bytes, sends `bytes` and closes the connection.
    void serveCutShort(const QString& name, const QByteArray& bytes, qint64 announced);
    // Announces `announced` bytes, sends `bytes` and then nothing more,
    // keeping the connection open.
    void serveStalled(const QString& name, const QByteArray& bytes, qint64 announced);
    // Answers /<name> with a redirect to `location`.
    void redirect(const QString& name, const QString& location);
    // Sends bodies in chunks of `chunkBytes` with `delayMs` between them
    // (0, 0: at once).
    void throttle(int chunkBytes, int delayMs);
    // Reads requests but sends nothing back, keeping the connections open.
    void silence(bool silent);

    // "http://127.0.0.1:<port>/" ("https:" with a certificate): the base
    // address the settings name.
    QString baseUrl() const;
    int requestCount(const QString& name) const;

protected:
    void run() override;

private:
    enum class Body { Plain, WithoutLength, Endless, CutShort, Stalled, Redirect };
    struct Resource {
        QByteArray bytes;
        Body kind = Body::Plain;
        qint64 announced = 0; // the length a cut-short body announces
    };
    struct Answer {
        QByteArray head;
        QByteArray body;
        bool silent = false;
        bool endless = false;
        bool keptOpen = false; // the connection stays open after the body
    };
    Answer answerFor(const QByteArray& request);
    void offer(const QString& name, const Resource& resource);

    mutable QMutex m_mutex;
    QHash<QString, Resource> m_files;
    QHash<QString, int> m_requests;
    int m_chunkBytes = 0;
    int m_delayMs = 0;
    bool m_silent = false;
    quint16 m_port = 0;
    QSemaphore m_listening;
    QSslCertificate m_certificate;
    QSslKey m_key;
};

// A certificate for "127.0.0.1" and its key, made by the openssl tool; null
// when the tool failed.
struct LoopbackIdentity {
    QSslCertificate certificate;
    QSslKey key;
};
LoopbackIdentity makeLoopbackIdentity();

// A base address on which nothing listens (a port that was free a moment ago).
QString unusedBaseUrl();
