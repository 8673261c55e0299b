#pragma once

#include <QSize>
#include <QString>

#include <memory>

#include <sys/types.h>

// An X server of the test's own (Xvfb) that stands in for a user's monitor
// of the given DPI. Started before the application object, it is the
// display the process uses: DISPLAY names it and the toolkit's platform is
// set to X. The server ends with the object.
class VirtualDisplay {
public:
    explicit VirtualDisplay(unsigned dpi, QSize size = QSize(1920, 1200));
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Empty once the server runs, else what went wrong.
    QString error() const { return m_error; }

    // Time within which the server must report its display.
    static constexpr int kBoundMs = 30000;

private:
    pid_t m_server = -1;
    QString m_error;
};

// The program's start on a monitor of its own: an X server of that DPI and
// size, for which the interface scale and the toolkit's font DPI are chosen
// as the program's start chooses them, before the application object exists.
// Null, with the reason written to the error output, when the server did not
// start.
std::unique_ptr<VirtualDisplay> startOnMonitor(unsigned dpi, QSize size = QSize(1920, 1200));
