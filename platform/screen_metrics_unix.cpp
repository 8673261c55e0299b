#include "screen_metrics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform {

namespace {

// Asks the toolkit through a short-lived application object: the real one
// must be created after the scaling environment is prepared.
ScreenMetrics toolkitMetrics(int argc, char* argv[])
{
    ScreenMetrics metrics;
    QGuiApplication probe(argc, argv);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        metrics.dpi = nearestDpiStep(screen->logicalDotsPerInchX());
        metrics.workArea = screen->availableGeometry().size();
    }
    return metrics;
}

QSize parseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return QSize();
    return QSize(parts[0].toInt(), parts[1].toInt());
}

} // namespace

unsigned nearestDpiStep(qreal dpi)
{
    constexpr qreal kStep = 24.0;
    const qreal steps = std::floor(dpi / kStep + 0.5);
    return unsigned(kStep * qMax<qreal>(1.0, steps));
}

ScreenMetrics primaryScreenMetrics(int argc, char* argv[])
{
    const bool dpiSet = qEnvironmentVariableIsSet(kScreenDpiVariable);
    const bool areaSet = qEnvironmentVariableIsSet(kWorkAreaVariable);
    ScreenMetrics metrics;
    if (!dpiSet || !areaSet)
        metrics = toolkitMetrics(argc, argv);
    if (dpiSet)
        metrics.dpi = qEnvironmentVariable(kScreenDpiVariable).toUInt();
    if (areaSet)
        metrics.workArea = parseSize(qEnvironmentVariable(kWorkAreaVariable));
    return metrics;
}

} // namespace platform
