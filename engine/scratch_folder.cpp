#include "scratch_folder.h"

#include "file_open.h"
#include "private_folder.h"
#include "temp_folder.h"
#include "wipe_folder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Removes the process's scratch folder at exit when it is empty.
struct ScratchFolderHolder {
    QString path;
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
    QString& path = holder().path;
    const QString parent = platform::tempFolder();
    if (!platform::isPrivateFolder(path) || QFileInfo(path).path() != QDir(parent).path())
        path = platform::createPrivateFolder(parent, QStringLiteral("Velmora"));
    return path;
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
