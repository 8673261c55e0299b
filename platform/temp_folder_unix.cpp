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

QString userFolderName()
{
    return QStringLiteral("Pictavo-%1").arg(::geteuid());
}

QString chooseFolder()
{
    const QString runtime = runtimeFolder();
    if (!runtime.isEmpty())
        return runtime;
    const QString system = QDir::tempPath();
    const QString usual = system + QLatin1Char('/') + userFolderName();
    if (ensurePrivate(usual))
        return usual;
    // Taken by someone else (or not a folder): a new private folder whose
    // name nobody could have taken beforehand.
    return createPrivateFolder(system, userFolderName());
}

} // namespace

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
