#include "cut_at_access.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/fanotify.h>
#include <unistd.h>

namespace {

QString lastError(const char* what)
{
    return QString::fromLatin1(what) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

void closeIfOpen(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

CutAtAccess::CutAtAccess(const QString& path, Access access, int ordinal, qint64 size)
    : m_path(path), m_access(access), m_ordinal(ordinal), m_size(size)
{
}

CutAtAccess::~CutAtAccess()
{
    stop();
}

QString CutAtAccess::start()
{
    const QByteArray name = QFile::encodeName(m_path);
    // Opened before the watch begins, so the watcher never waits for itself.
    m_target = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
    if (m_target < 0)
        return lastError("open");
    m_watch = fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC, O_RDONLY);
    if (m_watch < 0)
        return lastError("fanotify_init");
    if (fanotify_mark(m_watch, FAN_MARK_ADD, FAN_OPEN_PERM | FAN_ACCESS_PERM, AT_FDCWD, name.constData()) != 0)
        return lastError("fanotify_mark");
    if (::pipe2(m_wake, O_CLOEXEC) != 0)
        return lastError("pipe2");
    m_thread = std::thread(&CutAtAccess::watch, this);
    return QString();
}

void CutAtAccess::stop()
{
    if (m_thread.joinable()) {
        const char stopByte = 0;
        while (::write(m_wake[1], &stopByte, 1) < 0 && errno == EINTR) {}
        m_thread.join();
    }
    // Closing the group lets an access that still waits go ahead.
    closeIfOpen(m_watch);
    closeIfOpen(m_target);
    closeIfOpen(m_wake[0]);
    closeIfOpen(m_wake[1]);
}

void CutAtAccess::count(std::atomic<int>& counter, Access access)
{
    const int ordinal = ++counter;
    if (access == m_access && ordinal == m_ordinal && ::ftruncate(m_target, m_size) == 0)
        m_cutMade = true;
}

void CutAtAccess::watch()
{
    alignas(fanotify_event_metadata) char events[4096];
    for (;;) {
        pollfd fds[2] = {{m_watch, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[1].revents != 0)
            return;
        if ((fds[0].revents & POLLIN) == 0)
            continue;
        ssize_t length = ::read(m_watch, events, sizeof events);
        if (length <= 0)
            continue;
        for (auto* event = reinterpret_cast<fanotify_event_metadata*>(events); FAN_EVENT_OK(event, length);
             event = FAN_EVENT_NEXT(event, length)) {
            if (event->mask & FAN_OPEN_PERM)
                count(m_opens, Open);
            if (event->mask & FAN_ACCESS_PERM)
                count(m_reads, Read);
            const fanotify_response allow{event->fd, FAN_ALLOW};
            while (::write(m_watch, &allow, sizeof allow) < 0 && errno == EINTR) {}
            if (event->fd >= 0)
                ::close(event->fd);
        }
    }
}
