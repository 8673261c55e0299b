#include "program_launch.h"

#include "folder_handle.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace {

// With the test variable set, appends the program to its record and says so.
bool recordLaunch(const QString& program)
{
    const QString record = qEnvironmentVariable(kLaunchRecordVariable);
    if (record.isEmpty())
        return false;
    QFile file(record);
    if (file.open(QIODevice::Append | QIODevice::Text))
        file.write(program.toUtf8() + '\n');
    return true;
}

// The child side of launchProgramIn: only calls that are safe after fork.
// A first child detaches into a session of its own and leaves at once; its
// child enters the folder by its descriptor and becomes the program, or
// writes its errno into the report pipe.
[[noreturn]] void becomeProgram(int folder, const char* program, int report)
{
    ::setsid();
    const pid_t child = ::fork();
    if (child > 0)
        ::_exit(0);
    // The program keeps the folder's descriptor, and with it the folder's
    // lock: while it runs, nobody takes the folder for one left behind.
    if (child == 0 && ::fchdir(folder) == 0 && ::fcntl(folder, F_SETFD, 0) == 0) {
        char* const arguments[] = {const_cast<char*>(program), nullptr};
        ::execv(program, arguments);
    }
    const int error = errno;
    (void)!::write(report, &error, sizeof error);
    ::_exit(127);
}

} // namespace

bool launchProgram(const QString& fileName)
{
    const QString program = QDir::current().absoluteFilePath(fileName);
    if (recordLaunch(program))
        return true;
    return QProcess::startDetached(program, {});
}

bool launchProgramIn(const FolderHandle& folder, const QString& name)
{
    if (recordLaunch(folder.path() + QLatin1Char('/') + name))
        return true;
    if (!folder.isOpen() || name.isEmpty() || name.contains(QLatin1Char('/')))
        return false;
    const QByteArray program = "./" + QFile::encodeName(name);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t starter = ::fork();
    if (starter == 0)
        becomeProgram(folder.descriptor(), program.constData(), report[1]);
    ::close(report[1]);
    int status = 0;
    while (starter > 0 && ::waitpid(starter, &status, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes without a word when the program has replaced the
    // child (close-on-exec); an errno arrives when it could not.
    int error = 0;
    ssize_t got = 0;
    do {
        got = starter > 0 ? ::read(report[0], &error, sizeof error) : -1;
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    return starter > 0 && got == 0;
}

} // namespace platform
