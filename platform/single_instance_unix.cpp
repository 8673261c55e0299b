#include "single_instance.h"

#include "temp_folder.h"

#include <QLockFile>

namespace platform {

SingleInstanceGuard::SingleInstanceGuard() = default;

SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::acquire(const QString& key)
{
    // A lock file whose owner process no longer exists counts as stale and
    // is taken over.
    m_lock = std::make_unique<QLockFile>(tempFolder() + QStringLiteral("/") + key + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

} // namespace platform
