#include "global_state.h"
#include "language_rows.h"
#include "language_table.h"
#include "single_instance.h"
#include "scale_steps.h"
#include "start_scale.h"
#include "translation_folder.h"
#include "startup.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <QtTest>

#include <cmath>
#include <csignal>

namespace {

const char* const kHoldArgument = "--hold-instance-guard";
const QString kTestKey = QStringLiteral("0c1d2e3f-4a5b-4c6d-8e7f-901a2b3c4d5e");

// Run as a child process: takes the guard and keeps it until killed.
int holdGuard()
{
    platform::SingleInstanceGuard guard;
    if (!guard.acquire(kTestKey))
        return 3;
    std::puts("held");
    std::fflush(stdout);
    QThread::sleep(120);
    return 0;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void nextLowerScaleStep_data();
    void nextLowerScaleStep();
    void startScale_data();
    void startScale();
    void scalingEnvironment_data();
    void scalingEnvironment();
    void resizeForDpiWrittenWhenMissing();
    void startLanguage_data();
    void startLanguage();
    void storedLanguageInstallsTranslators_data();
    void storedLanguageInstallsTranslators();
    void startPosition_data();
    void startPosition();
    void secondInstanceRefusedUntilFirstDies();
};

void StartupTest::nextLowerScaleStep_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("expected");
    QTest::newRow("1.25 steps to 1.0") << 1.25f << 1.0f;
    QTest::newRow("just above 1.25") << 1.2501f << 1.25f;
    QTest::newRow("1.5") << 1.5f << 1.25f;
    QTest::newRow("2.0") << 2.0f << 1.75f;
    QTest::newRow("1.1") << 1.1f << 1.0f;
    QTest::newRow("5.0") << 5.0f << 4.75f;
    QTest::newRow("zero gives one") << 0.0f << 1.0f;
    QTest::newRow("1.0 itself") << 1.0f << 0.0f;
    QTest::newRow("below one") << 0.75f << 0.0f;
    QTest::newRow("above five") << 6.0f << 0.0f;
    QTest::newRow("not a number") << std::nanf("") << 0.0f;
}

void StartupTest::nextLowerScaleStep()
{
    QFETCH(float, x);
    QFETCH(float, expected);
    QCOMPARE(NextLowerScaleStep(x), expected);
}

void StartupTest::startScale_data()
{
    QTest::addColumn<unsigned>("dpi");
    QTest::addColumn<QSize>("workArea");
    QTest::addColumn<float>("expected");
    QTest::newRow("96 dpi, no fit test") << 96u << QSize(100, 100) << 1.0f;
    QTest::newRow("144 on 1280x680 falls to 1.0") << 144u << QSize(1280, 680) << 1.0f;
    QTest::newRow("120 on 1920x1040 fits") << 120u << QSize(1920, 1040) << 1.25f;
    QTest::newRow("168 on 1600x900 falls to 1.5") << 168u << QSize(1600, 900) << 1.5f;
    QTest::newRow("192 on 3840x2160 fits") << 192u << QSize(3840, 2160) << 2.0f;
    QTest::newRow("72 fits and stays") << 72u << QSize(1920, 1080) << 0.75f;
    QTest::newRow("72 does not fit") << 72u << QSize(600, 400) << 1.0f;
    QTest::newRow("576 on a small area") << 576u << QSize(1920, 1080) << 1.0f;
    QTest::newRow("empty work area") << 144u << QSize() << 1.0f;
}

void StartupTest::startScale()
{
    QFETCH(unsigned, dpi);
    QFETCH(QSize, workArea);
    QFETCH(float, expected);
    QCOMPARE(ComputeStartScale(dpi, workArea), expected);
}

void StartupTest::scalingEnvironment_data()
{
    QTest::addColumn<bool>("resize");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QByteArray>("fontDpi");
    QTest::addColumn<QByteArray>("scaleFactor");
    QTest::addColumn<QByteArray>("autoScreen");
    QTest::newRow("fixed size") << false << 1.0f << QByteArray("102") << QByteArray("1") << QByteArray("0");
    QTest::newRow("1.0") << true << 1.0f << QByteArray("96") << QByteArray() << QByteArray();
    QTest::newRow("1.25") << true << 1.25f << QByteArray("120") << QByteArray() << QByteArray();
    QTest::newRow("1.75") << true << 1.75f << QByteArray("168") << QByteArray() << QByteArray();
}

void StartupTest::scalingEnvironment()
{
    QFETCH(bool, resize);
    QFETCH(float, scale);
    QFETCH(QByteArray, fontDpi);
    QFETCH(QByteArray, scaleFactor);
    QFETCH(QByteArray, autoScreen);
    const QByteArray keptScale = qgetenv("QT_SCALE_FACTOR");
    const QByteArray keptAuto = qgetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
    PrepareScalingEnvironment(resize, scale);
    QCOMPARE(qgetenv("QT_FONT_DPI"), fontDpi);
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), scaleFactor);
    QCOMPARE(qgetenv("QT_AUTO_SCREEN_SCALE_FACTOR"), autoScreen);
    qputenv("QT_SCALE_FACTOR", keptScale);
    qputenv("QT_AUTO_SCREEN_SCALE_FACTOR", keptAuto);
}

void StartupTest::resizeForDpiWrittenWhenMissing()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    qputenv("PICTAVO_SETTINGS_FILE", file.toUtf8());
    QVERIFY(ReadResizeForDpi());
    QSettings written(file, QSettings::IniFormat);
    QCOMPARE(written.value("ResizeAppforDPI").toBool(), true);
    written.setValue("ResizeAppforDPI", false);
    written.sync();
    QVERIFY(!ReadResizeForDpi());
}

void StartupTest::startLanguage_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expectedFlagIndex"); // -1: no flag
    QTest::newRow("missing is English") << QVariant() << 0;
    QTest::newRow("German") << QVariant(1) << 1;
    QTest::newRow("Hindi") << QVariant(10) << 10;
    QTest::newRow("11 sets nothing") << QVariant(11) << -1;
    QTest::newRow("-1 sets nothing") << QVariant(-1) << -1;
}

void StartupTest::startLanguage()
{
    QFETCH(QVariant, stored);
    QFETCH(int, expectedFlagIndex);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    qputenv("PICTAVO_SETTINGS_FILE", file.toUtf8());
    {
        QSettings settings(file, QSettings::IniFormat);
        if (stored.isValid())
            settings.setValue("LanguageType", stored);
        settings.setValue("OptionShowAsDisabled", 2);
    }
    ApplyStartSettings();
    QCOMPARE(g_state.showAsDisabled, 2);
    QCOMPARE(g_state.settingsPath, QString::fromLatin1(kSettingsPath));
    int flagsSet = 0;
    for (int type = 0; type < kLanguageCount; ++type) {
        const int flag = g_state.*FindLanguage(type)->flag;
        flagsSet += flag;
        QCOMPARE(flag, type == expectedFlagIndex ? 1 : 0);
    }
    QCOMPARE(flagsSet, expectedFlagIndex < 0 ? 0 : 1);
}

void StartupTest::storedLanguageInstallsTranslators_data()
{
    addLanguageRows();
}

void StartupTest::storedLanguageInstallsTranslators()
{
    QFETCH(int, type);
    QFETCH(QString, exitQuestion);
    QFETCH(QString, toolkitCancel);
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    qputenv("PICTAVO_SETTINGS_FILE", file.toUtf8());
    useBuiltCatalogues();
    QSettings(file, QSettings::IniFormat).setValue("LanguageType", type);

    ApplyStartSettings();
    const LanguageInfo& language = *FindLanguage(type);
    QCOMPARE(QCoreApplication::translate("CloseApplicationDlg", "Are you sure you want to exit?"), exitQuestion);
    QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), toolkitCancel);
    // English and Hindi have no toolkit catalogue; every other language has.
    QCOMPARE(language.toolkitTranslator->isEmpty(), toolkitCancel == QLatin1String("Cancel"));

    QCoreApplication::removeTranslator(language.toolkitTranslator);
    QCoreApplication::removeTranslator(language.applicationTranslator);
    QCOMPARE(QCoreApplication::translate("CloseApplicationDlg", "Are you sure you want to exit?"),
             QStringLiteral("Are you sure you want to exit?"));
}

void StartupTest::startPosition_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("room above: 25 higher") << QSize(1062, 750) << QRect(0, 0, 1920, 1040) << QPoint(429, 120);
    QTest::newRow("laptop at 1.25: top edge, not above it") << QSize(1062, 750) << QRect(0, 0, 1366, 768)
                                                            << QPoint(152, 0);
    QTest::newRow("some room above: raised by what is free") << QSize(1062, 750) << QRect(0, 0, 1366, 790)
                                                             << QPoint(152, 0);
    QTest::newRow("exactly as high as the area") << QSize(1062, 750) << QRect(0, 0, 1062, 750) << QPoint(0, 0);
    QTest::newRow("area below a panel") << QSize(1275, 900) << QRect(0, 30, 1920, 1050) << QPoint(322, 80);
    QTest::newRow("area right of a panel") << QSize(850, 600) << QRect(64, 0, 1216, 1024)
                                           << QPoint(247, 187);
    QTest::newRow("higher than the area: title strip at its top") << QSize(850, 600) << QRect(0, 24, 800, 576)
                                                                   << QPoint(-25, 24);
}

void StartupTest::startPosition()
{
    QFETCH(QSize, window);
    QFETCH(QRect, workArea);
    QFETCH(QPoint, expected);
    QCOMPARE(StartPosition(window, workArea), expected);
}

void StartupTest::secondInstanceRefusedUntilFirstDies()
{
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kHoldArgument)});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

    platform::SingleInstanceGuard second;
    QVERIFY(!second.acquire(kTestKey));

    ::kill(pid_t(holder.processId()), SIGKILL);
    QVERIFY(holder.waitForFinished(10000));

    platform::SingleInstanceGuard afterKill;
    QVERIFY(afterKill.acquire(kTestKey));
}

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], kHoldArgument) == 0)
        return holdGuard();
    QApplication app(argc, argv);
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
