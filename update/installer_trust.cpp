#include "installer_trust.h"

#include "url_download.h"

#include <QCryptographicHash>
#include <QFile>

namespace {

// The digest of the file as it lies on disk, read piece by piece.
QByteArray fileSha256(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

} // namespace

bool InstallerTrusted(const platform::DownloadedFile& installer, const QByteArray& sha256)
{
    if (!installer.complete)
        return false;
    if (sha256.isEmpty())
        return installer.secure;
    return fileSha256(installer.path) == sha256;
}
