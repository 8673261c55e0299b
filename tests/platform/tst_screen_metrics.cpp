#include "screen_metrics.h"
#include "virtual_display.h"

#include <QtTest>

// The monitor is read from the X server itself, with no application object,
// so that the font DPI the program sets afterwards still takes.
class ScreenMetricsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void serverMonitor_data();
    void serverMonitor();
    void otherPlatformGivesDefaults();

private:
    QByteArray m_platform;
};

void ScreenMetricsTest::init()
{
    m_platform = qgetenv("QT_QPA_PLATFORM");
}

void ScreenMetricsTest::cleanup()
{
    qputenv("QT_QPA_PLATFORM", m_platform);
    qunsetenv(platform::kScreenDpiVariable);
    qunsetenv(platform::kWorkAreaVariable);
}

void ScreenMetricsTest::serverMonitor_data()
{
    QTest::addColumn<unsigned>("serverDpi");
    QTest::addColumn<QByteArray>("dpiOverride");
    QTest::addColumn<QByteArray>("areaOverride");
    QTest::addColumn<unsigned>("dpi");
    QTest::addColumn<QRect>("workArea");
    const QRect screen(0, 0, 1920, 1200);
    QTest::newRow("96") << 96u << QByteArray() << QByteArray() << 96u << screen;
    QTest::newRow("100 is laid out at 96") << 100u << QByteArray() << QByteArray() << 96u << screen;
    QTest::newRow("110 at 120") << 110u << QByteArray() << QByteArray() << 120u << screen;
    QTest::newRow("120") << 120u << QByteArray() << QByteArray() << 120u << screen;
    QTest::newRow("130 at 120") << 130u << QByteArray() << QByteArray() << 120u << screen;
    QTest::newRow("144") << 144u << QByteArray() << QByteArray() << 144u << screen;
    QTest::newRow("DPI given, area read") << 100u << QByteArray("144") << QByteArray() << 144u << screen;
    QTest::newRow("area given, DPI read") << 110u << QByteArray() << QByteArray("1000x700") << 120u
                                          << QRect(0, 0, 1000, 700);
    QTest::newRow("area below a panel given") << 96u << QByteArray() << QByteArray("1366x738+0+30") << 96u
                                              << QRect(0, 30, 1366, 738);
    QTest::newRow("area not understood") << 96u << QByteArray() << QByteArray("1366x") << 96u << QRect();
}

void ScreenMetricsTest::serverMonitor()
{
    QFETCH(unsigned, serverDpi);
    QFETCH(QByteArray, dpiOverride);
    QFETCH(QByteArray, areaOverride);
    QFETCH(unsigned, dpi);
    QFETCH(QRect, workArea);
    VirtualDisplay display(serverDpi);
    QVERIFY2(display.error().isEmpty(), qPrintable(display.error()));
    if (!dpiOverride.isEmpty())
        qputenv(platform::kScreenDpiVariable, dpiOverride);
    if (!areaOverride.isEmpty())
        qputenv(platform::kWorkAreaVariable, areaOverride);
    const platform::ScreenMetrics metrics = platform::primaryScreenMetrics();
    QCOMPARE(metrics.dpi, dpi);
    QCOMPARE(metrics.workArea, workArea);
}

void ScreenMetricsTest::otherPlatformGivesDefaults()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const platform::ScreenMetrics metrics = platform::primaryScreenMetrics();
    QCOMPARE(metrics.dpi, 96u);
    QVERIFY(metrics.workArea.isEmpty());
}

QTEST_GUILESS_MAIN(ScreenMetricsTest)
#include "tst_screen_metrics.moc"
