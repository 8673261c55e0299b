#include "about_dlg.h"
#include "back_application_dlg.h"
#include "browse_repair_dlg.h"
#include "close_application_dlg.h"
#include "dialog_driver.h"
#include "global_state.h"
#include "screen_metrics.h"
#include "startup.h"
#include "virtual_display.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <cstdio>

// The program's start on a monitor of its own (an X server of the DPI and
// size given by PICTAVO_TEST_MONITOR_DPI and PICTAVO_TEST_MONITOR_SIZE, a
// laptop's 120 DPI on 1366x768 when not set; one process each, since the
// toolkit reads the screen once): the scale it chooses, and that the main
// window and the dialogs it opens lie wholly on the work area that scale was
// chosen for, title strip included. The runs cover each scale step at the
// smallest work area it is chosen for, and work areas that do not start at
// the top of the screen.
class StartPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void scaleIsTheExpectedStep();
    void mainWindowInsideWorkArea();
    void questionsInsideWorkArea_data();
    void questionsInsideWorkArea();
    void aboutBoxInsideWorkArea();
    void cleanupTestCase();

private:
    std::unique_ptr<BrowseRepairDlg> m_window;
    QRect m_workArea;
};

namespace {

QString describe(const QRect& rect)
{
    return QStringLiteral("%1x%2 at (%3, %4)").arg(rect.width()).arg(rect.height()).arg(rect.x()).arg(rect.y());
}

QByteArray outside(const char* what, const QRect& frame, const QRect& area)
{
    return QStringLiteral("%1 %2 is not inside the work area %3")
        .arg(QString::fromLatin1(what), describe(frame), describe(area))
        .toUtf8();
}

} // namespace

void StartPlacementTest::initTestCase()
{
    m_workArea = platform::placementWorkArea();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY2(screen.contains(m_workArea), outside("the screen", screen, m_workArea));
    m_window = std::make_unique<BrowseRepairDlg>(nullptr);
    CenterOnDesktop(m_window.get());
    m_window->show();
    QVERIFY2(QTest::qWaitForWindowExposed(m_window.get()), "the main window was not shown on the X server");
}

void StartPlacementTest::scaleIsTheExpectedStep()
{
    qInfo("work area %s, scale %.2f", qPrintable(describe(m_workArea)), double(g_state.uiScale));
    QCOMPARE(g_startScale, qEnvironmentVariable("PICTAVO_TEST_EXPECTED_SCALE", QStringLiteral("1.25")).toFloat());
    // The window is never fitted again after the start: the scale it was
    // laid out for is the one it keeps.
    QCOMPARE(g_state.uiScale, g_startScale);
}

void StartPlacementTest::mainWindowInsideWorkArea()
{
    const QRect frame = m_window->frameGeometry();
    QVERIFY2(m_workArea.contains(frame), outside("the main window", frame, m_workArea));
}

void StartPlacementTest::questionsInsideWorkArea_data()
{
    QTest::addColumn<QString>("question");
    QTest::newRow("exit") << QStringLiteral("CloseApplicationDlg");
    QTest::newRow("back") << QStringLiteral("BackApplicationDlg");
}

void StartPlacementTest::questionsInsideWorkArea()
{
    QFETCH(QString, question);
    QRect frame;
    ModalDriver driver(question, [&frame](QWidget* modal) {
        frame = modal->frameGeometry();
        auto* no = modal->findChild<QPushButton*>(QStringLiteral("NoBtn"));
        if (!no)
            return false;
        no->click();
        return true;
    });
    if (question == QLatin1String("CloseApplicationDlg"))
        m_window->close();
    else
        QMetaObject::invokeMethod(m_window.get(), "OnClickedBackBtn");
    QVERIFY2(driver.answered(), qPrintable(question + QLatin1String(" did not open")));
    QVERIFY2(m_workArea.contains(frame), outside(qPrintable(question), frame, m_workArea));
    QVERIFY(m_window->isVisible());
}

void StartPlacementTest::aboutBoxInsideWorkArea()
{
    QMetaObject::invokeMethod(m_window.get(), "onAbtDlg");
    auto* about = m_window->findChild<AboutDlg*>();
    QVERIFY2(about && QTest::qWaitForWindowExposed(about), "the about box was not shown");
    const QRect frame = about->frameGeometry();
    about->close();
    QVERIFY2(m_workArea.contains(frame), outside("the about box", frame, m_workArea));
}

void StartPlacementTest::cleanupTestCase()
{
    m_window->hide();
    m_window.reset();
}

int main(int argc, char* argv[])
{
    const QStringList size =
        qEnvironmentVariable("PICTAVO_TEST_MONITOR_SIZE", QStringLiteral("1366x768")).split(QLatin1Char('x'));
    if (size.size() != 2) {
        std::fprintf(stderr, "PICTAVO_TEST_MONITOR_SIZE must be <width>x<height>\n");
        return 1;
    }
    const auto display = startOnMonitor(qEnvironmentVariable("PICTAVO_TEST_MONITOR_DPI", QStringLiteral("120")).toUInt(),
                                        QSize(size[0].toInt(), size[1].toInt()));
    if (!display)
        return 1;
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    ApplyStartSettings();
    StartPlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_start_placement.moc"
