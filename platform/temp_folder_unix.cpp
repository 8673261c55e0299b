#include "temp_folder.h"

#include "private_folder.h"

#include <QDir>
#include <QFile>
#include <QMutex>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Makes the folder owner-only when it is missing; true when what stands at
// path afterwards is a private folder of this user.
bool ensurePrivate(const QString& path)
{
    ::mkdir(QFile::encodeName(path).constData(), S_IRWXU);
    return isPrivateFolder(path);
}

QString runtimeFolder()
{
    const QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (runtime.isEmpty() || !QDir::isAbsolutePath(runtime) || !isPrivateFolder(runtime))
        return QString();
    const QString folder = runtime + QStringLiteral("/Pictavo");
    return ensurePrivate(folder) ? folder : QString();
}

// The length of the ending createPrivateFolder gives a name.
constexpr int kUniqueEndingLength = 6;

QString userFolderName()
{
    return QStringLiteral("Pictavo-%1").arg(::geteuid());
}

// The private folders of this user that stand in for the usual one, named
// "Pictavo-<uid>-" + a unique ending, in name order. Nobody else can make a
// folder of this user, so what is listed here is this user's own.
QStringList fallbackFolders(const QString& system)
{
    const QString prefix = userFolderName() + QLatin1Char('-');
    QStringList found;
    for (const QString& name : FolderHandle::open(system).entries()) {
        if (name.size() == prefix.size() + kUniqueEndingLength && name.startsWith(prefix)
            && isPrivateFolder(system + QLatin1Char('/') + name))
            found << system + QLatin1Char('/') + name;
    }
    found.sort();
    return found;
}

QString chooseFolder()
{
    const QString runtime = runtimeFolder();
    if (!runtime.isEmpty())
        return runtime;
    const QString system = QDir::tempPath();
    const QString usual = system + QLatin1Char('/') + userFolderName();
    if (isPrivateFolder(usual))
        return usual;
    // A fallback made while the usual name was taken stays in use, even
    // once that name is free again: a running instance may hold its lock
    // there.
    QStringList fallbacks = fallbackFolders(system);
    if (!fallbacks.isEmpty())
        return fallbacks.first();
    if (ensurePrivate(usual))
        return usual;
    // Taken by someone else (or not a folder): a new private folder whose
    // name nobody could have taken beforehand. Two starts at the same moment
    // may each make one; both go on with the first by name, and the other
    // goes again.
    const QString made = createPrivateFolder(system, userFolderName());
    fallbacks = fallbackFolders(system);
    if (fallbacks.isEmpty())
        return made;
    if (made != fallbacks.first())
        ::rmdir(QFile::encodeName(made).constData());
    return fallbacks.first();
}

} // namespace

QStringList leftoverFallbackFolders()
{
    QStringList leftovers = fallbackFolders(QDir::tempPath());
    leftovers.removeAll(tempFolder());
    return leftovers;
}

QString tempFolder()
{
    // Asked from the user-interface thread and the repair thread alike.
    static QMutex mutex;
    const QMutexLocker locker(&mutex);
    static QString chosen;
    static QString chosenFor;
    // The choice follows the environment, so a changed TMPDIR or runtime
    // folder (tests) takes effect at once.
    const QString environment = QDir::tempPath() + QLatin1Char('\n') + QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (chosenFor != environment || !isPrivateFolder(chosen)) {
        chosen = chooseFolder();
        chosenFor = environment;
    }
    return chosen;
}

} // namespace platform
