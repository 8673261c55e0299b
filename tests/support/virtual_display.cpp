#include "virtual_display.h"

#include "global_state.h"
#include "startup.h"

#include <QByteArray>
#include <cstdio>

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Reads the display number the server writes on `fd` once it accepts
// clients; empty when it did not within the bound.
QByteArray readDisplayNumber(int fd)
{
    QByteArray number;
    pollfd ready{fd, POLLIN, 0};
    while (!number.endsWith('\n') && poll(&ready, 1, VirtualDisplay::kBoundMs) == 1) {
        char c = 0;
        if (read(fd, &c, 1) != 1)
            break;
        number.append(c);
    }
    return number.endsWith('\n') ? number.trimmed() : QByteArray();
}

} // namespace

VirtualDisplay::VirtualDisplay(unsigned dpi, QSize size)
{
    int channel[2];
    if (pipe(channel) != 0) {
        m_error = QStringLiteral("no pipe for the X server");
        return;
    }
    const QByteArray fd = QByteArray::number(channel[1]);
    const QByteArray dpiText = QByteArray::number(dpi);
    const QByteArray screen = QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height()) + "x24";
    m_server = fork();
    if (m_server == 0) {
        close(channel[0]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.constData(), "-dpi", dpiText.constData(), "-screen", "0",
               screen.constData(), "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(channel[1]);
    const QByteArray number = m_server > 0 ? readDisplayNumber(channel[0]) : QByteArray();
    close(channel[0]);
    if (number.isEmpty()) {
        m_error = QStringLiteral("Xvfb at %1 DPI did not report a display within %2 ms").arg(dpi).arg(kBoundMs);
        return;
    }
    qputenv("DISPLAY", ":" + number);
    qputenv("QT_QPA_PLATFORM", "xcb");
}

VirtualDisplay::~VirtualDisplay()
{
    if (m_server <= 0)
        return;
    kill(m_server, SIGTERM);
    waitpid(m_server, nullptr, 0);
}

std::unique_ptr<VirtualDisplay> startOnMonitor(unsigned dpi, QSize size)
{
    auto display = std::make_unique<VirtualDisplay>(dpi, size);
    if (!display->error().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(display->error()));
        return nullptr;
    }
    g_state.settingsPath = QString::fromLatin1(kSettingsPath);
    PrepareStartScale();
    return display;
}
