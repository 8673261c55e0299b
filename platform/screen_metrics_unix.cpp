#include "screen_metrics.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QString>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace platform {

namespace {

// The toolkit fixes its font DPI once the first application object reads a
// screen, so the screen is read here straight from the X server, before any
// application object exists, and the font DPI chosen from it still takes.

bool toolkitUsesX()
{
    const QByteArray platformName = qgetenv("QT_QPA_PLATFORM");
    return platformName.isEmpty() || platformName.startsWith("xcb");
}

struct ConnectionCloser {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, ConnectionCloser>;

// The value of a property of the root window, or empty when it is missing.
QByteArray rootProperty(xcb_connection_t* connection, xcb_window_t root, const char* name, xcb_atom_t type)
{
    const xcb_intern_atom_cookie_t atomCookie = xcb_intern_atom(connection, 1, uint16_t(qstrlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return QByteArray();
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, root, atom->atom, type, 0, 1 << 16);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->type != type)
        return QByteArray();
    const int length = xcb_get_property_value_length(reply.get());
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
}

// "Xft.dpi" of the server's resource database, which desktops set to the
// DPI they want text drawn at; 0 when none is set.
qreal resourceDpi(xcb_connection_t* connection, xcb_window_t root)
{
    const QByteArray resources = rootProperty(connection, root, "RESOURCE_MANAGER", XCB_ATOM_STRING);
    for (const QByteArray& line : resources.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == "Xft.dpi")
            return line.mid(colon + 1).trimmed().toDouble();
    }
    return 0;
}

// The DPI the toolkit draws text at on this screen: the resource's, else the
// one the screen's size in pixels and millimetres gives.
qreal screenDpi(xcb_connection_t* connection, const xcb_screen_t* screen)
{
    const qreal resource = resourceDpi(connection, screen->root);
    if (resource > 0)
        return resource;
    if (screen->width_in_millimeters == 0)
        return 96;
    return 25.4 * screen->width_in_pixels / screen->width_in_millimeters;
}

// The window manager's work area of the first desktop, else the whole screen.
QRect workArea(xcb_connection_t* connection, const xcb_screen_t* screen)
{
    const QByteArray area = rootProperty(connection, screen->root, "_NET_WORKAREA", XCB_ATOM_CARDINAL);
    if (area.size() >= int(4 * sizeof(uint32_t))) {
        const auto* values = reinterpret_cast<const uint32_t*>(area.constData());
        return QRect(int(values[0]), int(values[1]), int(values[2]), int(values[3]));
    }
    return QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
}

// The default screen of the display the toolkit will open; the defaults
// when there is none (another platform plug-in, or no server).
ScreenMetrics serverMetrics()
{
    ScreenMetrics metrics;
    if (!toolkitUsesX())
        return metrics;
    int screenNumber = 0;
    const Connection connection(xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(connection.get()))
        return metrics;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem <= 0)
        return metrics;
    metrics.dpi = nearestDpiStep(screenDpi(connection.get(), screens.data));
    metrics.workArea = workArea(connection.get(), screens.data);
    return metrics;
}

// "<width>x<height>" at the origin, or "<width>x<height>+<x>+<y>"; an
// empty area for any other text.
QRect parseArea(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)x(\\d+)(?:\\+(\\d+)\\+(\\d+))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QRect();
    return QRect(match.captured(3).toInt(), match.captured(4).toInt(), match.captured(1).toInt(),
                 match.captured(2).toInt());
}

} // namespace

unsigned nearestDpiStep(qreal dpi)
{
    constexpr qreal kStep = 24.0;
    const qreal steps = std::floor(dpi / kStep + 0.5);
    return unsigned(kStep * qMax<qreal>(1.0, steps));
}

ScreenMetrics primaryScreenMetrics()
{
    const bool dpiSet = qEnvironmentVariableIsSet(kScreenDpiVariable);
    const bool areaSet = qEnvironmentVariableIsSet(kWorkAreaVariable);
    ScreenMetrics metrics;
    if (!dpiSet || !areaSet)
        metrics = serverMetrics();
    if (dpiSet)
        metrics.dpi = qEnvironmentVariable(kScreenDpiVariable).toUInt();
    if (areaSet)
        metrics.workArea = parseArea(qEnvironmentVariable(kWorkAreaVariable));
    return metrics;
}

QRect placementWorkArea()
{
    const QRect area = primaryScreenMetrics().workArea;
    if (!area.isEmpty())
        return area;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace platform
