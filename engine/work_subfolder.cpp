#include "work_subfolder.h"

#include "folder_handle.h"

#include <QDebug>
#include <QFileInfo>

const QString kThumbnailFolderName = QStringLiteral("Thumbnail Repaired");
const QString kHeicFolderName = QStringLiteral("HEIC_Repaired");

QString madeSubfolder(const QString& parent, const QString& name)
{
    if (parent.isEmpty())
        return QString();
    platform::FolderHandle folder = platform::FolderHandle::open(parent);
    if (!folder.isOpen()) {
        // The work folder itself is made the same way when it is missing.
        const QFileInfo missing(parent);
        folder = platform::FolderHandle::open(missing.path()).makeChild(missing.fileName());
    }
    if (!folder.isOpen() || !folder.makeChild(name).isOpen()) {
        qWarning().noquote() << "Nothing is written into" << name << "in" << parent
                             << ": a link or no folder stands at that name.";
        return QString();
    }
    return folder.path() + QLatin1Char('/') + name;
}
