#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// Guards against a second running instance. The guard is released when its
// process ends in any way, a crash or a kill included, so a dead instance
// never locks the user out. The guard lives in the program's temporary
// folder (platform::tempFolder), a folder of the user's own that every start
// finds again, so no other user can hold it or move it aside.
class SingleInstanceGuard {
public:
    SingleInstanceGuard();
    ~SingleInstanceGuard();

    // False when another live process holds the guard of this key.
    bool acquire(const QString& key);
    // The same for the guard that lives in folder (a private folder of this
    // user, the program's temporary folder or one like it).
    bool acquireIn(const QString& folder, const QString& key);

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace platform
