#include "installer_trust.h"

#include "folder_handle.h"
#include "url_download.h"

#include <QCryptographicHash>
#include <QFile>

namespace {

// The digest of the file as it lies in the folder, read chunk by chunk
// through the folder's descriptor.
QByteArray fileSha256(const platform::FolderHandle& folder, const QString& name)
{
    QFile file;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!folder.openFile(name, file) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

} // namespace

bool InstallerTrusted(const platform::FolderHandle& folder, const platform::DownloadedFile& installer,
                      const QByteArray& sha256)
{
    if (!installer.complete)
        return false;
    if (sha256.isEmpty())
        return installer.secure;
    return fileSha256(folder, installer.name) == sha256;
}
