#include "scratch_folder.h"

#include "file_open.h"
#include "private_folder.h"
#include "stale_folders.h"
#include "temp_folder.h"
#include "wipe_folder.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kScratchPrefix = QStringLiteral("Velmora");

// The process's scratch folder, locked while the process lives so that
// the start-up clean-up of a later run can tell it is in use; removed at
// exit when it is empty.
struct ScratchFolderHolder {
    QString path;
    platform::FolderHandle lock;
    ~ScratchFolderHolder()
    {
        if (!path.isEmpty())
            QDir().rmdir(path);
    }
};

ScratchFolderHolder& holder()
{
    static ScratchFolderHolder instance;
    return instance;
}

} // namespace

QString makeScratchFolder()
{
    ScratchFolderHolder& held = holder();
    const QString parent = platform::tempFolder();
    if (parent.isEmpty())
        return QString();
    if (!platform::isPrivateFolder(held.path) || QFileInfo(held.path).path() != QDir(parent).path())
        held.path = platform::createLockedPrivateFolder(parent, kScratchPrefix, &held.lock);
    return held.path;
}

void removeStaleScratchFolders()
{
    removeStaleFolders(kScratchPrefix);
}

QString scratchFolder()
{
    return holder().path;
}

FILE* ScratchFiles::create(const QString& name, QString* path)
{
    path->clear();
    const QString folder = makeScratchFolder();
    if (folder.isEmpty())
        return nullptr;
    const QString file = folder + name;
    if (m_paths.contains(file))
        FolderWiper().WipeFile(file);
    // Created new: nothing already at that name is ever written through.
    FILE* out = platform::openFile(file, "wb+x");
    if (!out)
        return nullptr;
    if (!m_paths.contains(file))
        m_paths.append(file);
    *path = file;
    return out;
}

void ScratchFiles::removeAll()
{
    for (const QString& file : qAsConst(m_paths))
        FolderWiper().WipeFile(file);
    m_paths.clear();
}
