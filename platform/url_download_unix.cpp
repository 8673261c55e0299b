#include "url_download.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>

namespace platform {

namespace {

// One transfer on the current thread, written to the file as the data
// arrives so that others can watch the file grow.
bool fetchInto(const QUrl& url, QFile& file)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kDownloadStallSeconds * 1000);
    QNetworkReply* reply = manager.get(request);

    bool written = true;
    QEventLoop loop;
    QObject::connect(reply, &QIODevice::readyRead, &loop, [&] {
        const QByteArray chunk = reply->readAll();
        if (file.write(chunk) != chunk.size())
            written = false;
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();

    const QByteArray rest = reply->readAll();
    if (file.write(rest) != rest.size())
        written = false;
    const bool ok = written && reply->error() == QNetworkReply::NoError;
    delete reply;
    return ok;
}

} // namespace

DownloadedFile downloadFile(const QString& url, const QString& folder, const QString& fileName)
{
    QDir().mkpath(folder);
    const QString absoluteFolder = QDir(folder).absolutePath();
    const QString target = absoluteFolder + QLatin1Char('/') + fileName;

    // The transfer runs on a thread of its own so that the caller is really
    // blocked: no event of the caller's thread is handled meanwhile.
    bool ok = false;
    QThread* worker = QThread::create([&] {
        QFile file(target);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            ok = fetchInto(QUrl(url, QUrl::TolerantMode), file);
    });
    worker->start();
    worker->wait();
    delete worker;

    if (!ok)
        QFile::remove(target);
    return {absoluteFolder, target};
}

} // namespace platform
