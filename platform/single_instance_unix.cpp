#include "single_instance.h"

#include "temp_folder.h"

#include <QLockFile>

namespace platform {

SingleInstanceGuard::SingleInstanceGuard() = default;

SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::acquire(const QString& key)
{
    // The lock lives in the user's private folder, never where others may
    // write and plant it. Without such a folder there is no guard to take,
    // and a second instance is a lesser harm than a program that never starts.
    return acquireIn(tempFolder(), key);
}

bool SingleInstanceGuard::acquireIn(const QString& folder, const QString& key)
{
    if (folder.isEmpty())
        return true;
    // A lock file whose owner process no longer exists counts as stale and
    // is taken over.
    m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/") + key + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

} // namespace platform
