#include "single_instance.h"

#include "private_folder.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <sys/stat.h>

namespace platform {

namespace {

// The folder of the user's own that holds the lock: XDG_RUNTIME_DIR when it
// is private, else a private folder in the user's cache folder. Never a
// folder that others may write, where anyone could plant the lock file.
QString lockFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return QString();
    const QString folder = cache + QStringLiteral("/Pictavo-instance");
    ::mkdir(QFile::encodeName(folder).constData(), S_IRWXU);
    return isPrivateFolder(folder) ? folder : QString();
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard() = default;

SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::acquire(const QString& key)
{
    const QString folder = lockFolder();
    // Without a folder of the user's own there is no guard to take, and a
    // second instance is a lesser harm than a program that never starts.
    if (folder.isEmpty())
        return true;
    // A lock file whose owner process no longer exists counts as stale and
    // is taken over.
    m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/") + key + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

} // namespace platform
