#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// Guards against a second running instance. The guard is released when its
// process ends in any way, a crash or a kill included, so a dead instance
// never locks the user out. The guard lives in a folder of the user's own
// (XDG_RUNTIME_DIR, else a private folder in the user's cache folder), so no
// other user can hold it.
class SingleInstanceGuard {
public:
    SingleInstanceGuard();
    ~SingleInstanceGuard();

    // False when another live process holds the guard of this key.
    bool acquire(const QString& key);

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace platform
