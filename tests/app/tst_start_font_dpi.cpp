#include "global_state.h"
#include "startup.h"
#include "virtual_display.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

// The program's start on a monitor of its own: the scale it chooses and the
// font DPI the toolkit then draws text at agree, whatever DPI the X server
// reports and also when only the DPI is given. Each monitor is a process of
// its own (PICTAVO_TEST_MONITOR_DPI, a plain X server's 100 when not set),
// since the toolkit reads it once.
class StartFontDpiTest : public QObject {
    Q_OBJECT
private slots:
    void fontDpiFollowsScale();
};

void StartFontDpiTest::fontDpiFollowsScale()
{
    const qreal fontDpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    qInfo("scale %.2f, font DPI %.1f", double(g_startScale), fontDpi);
    QCOMPARE(fontDpi, qreal(g_startScale * 96.0f));
    QCOMPARE(g_startScale, qEnvironmentVariable("PICTAVO_TEST_EXPECTED_SCALE", QStringLiteral("1")).toFloat());
}

int main(int argc, char* argv[])
{
    const auto display = startOnMonitor(qEnvironmentVariable("PICTAVO_TEST_MONITOR_DPI", QStringLiteral("100")).toUInt());
    if (!display)
        return 1;
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    StartFontDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_start_font_dpi.moc"
