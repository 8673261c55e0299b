#include "file_open.h"
#include "screen_metrics.h"
#include "settings_store.h"
#include "temp_file.h"
#include "temp_folder.h"

#include <QTemporaryDir>
#include <QtTest>

// The platform layer: settings redirected by the environment, the temporary
// folder, file opening by any path, and the monitor DPI the interface uses.
class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void settingsFollowOverride();
    void tempFolderFollowsEnvironment();
    void openFileByPath_data();
    void openFileByPath();
    void dpiRoundsToStep_data();
    void dpiRoundsToStep();
};

void PlatformTest::settingsFollowOverride()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("sub/settings.ini");
    qputenv(platform::kSettingsFileVariable, file.toUtf8());
    QCOMPARE(platform::settingsFilePath(), file);
    {
        auto settings = platform::openSettings("HKEY_LOCAL_MACHINE\\Software\\Any");
        settings->setValue("LanguageType", 3);
    }
    QVERIFY(QFile::exists(file));
    QCOMPARE(platform::openSettings(QString())->value("LanguageType").toInt(), 3);
}

void PlatformTest::tempFolderFollowsEnvironment()
{
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", dir.path().toUtf8());
    QCOMPARE(QDir(platform::tempFolder()).canonicalPath(), QDir(dir.path()).canonicalPath());
    qputenv("TMPDIR", saved);
}

void PlatformTest::openFileByPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ascii") << "photo.jpg";
    QTest::newRow("spaces") << "my photo 1.jpg";
    QTest::newRow("accents") << QString::fromUtf8("Ferien \xc3\xbc\xc3\xa9.jpg");
    QTest::newRow("cjk") << QString::fromUtf8("\xe5\x86\x99\xe7\x9c\x9f.jpg");
}

void PlatformTest::openFileByPath()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    FILE* out = platform::openFile(path, "wb+");
    QVERIFY(out);
    std::fputs("abc", out);
    std::fclose(out);
    QCOMPARE(readFileBytes(path), QByteArray("abc"));
    FILE* in = platform::openFile(path, "rb");
    QVERIFY(in);
    std::fclose(in);
    QVERIFY(!platform::openFile(dir.filePath("missing.jpg"), "rb"));
    QVERIFY(!platform::openFile(QString(), "rb"));
}

void PlatformTest::dpiRoundsToStep_data()
{
    QTest::addColumn<qreal>("reported");
    QTest::addColumn<unsigned>("used");
    QTest::newRow("96 kept") << 96.0 << 96u;
    QTest::newRow("typical X server 100") << 100.0 << 96u;
    QTest::newRow("101.6 from a measured screen") << 101.6 << 96u;
    QTest::newRow("107.9 still 96") << 107.9 << 96u;
    QTest::newRow("108 halfway rounds up") << 108.0 << 120u;
    QTest::newRow("110") << 110.0 << 120u;
    QTest::newRow("120 kept") << 120.0 << 120u;
    QTest::newRow("131") << 131.0 << 120u;
    QTest::newRow("140") << 140.0 << 144u;
    QTest::newRow("144 kept") << 144.0 << 144u;
    QTest::newRow("192") << 192.0 << 192u;
    QTest::newRow("72 kept") << 72.0 << 72u;
    QTest::newRow("tiny keeps one step") << 5.0 << 24u;
}

void PlatformTest::dpiRoundsToStep()
{
    QFETCH(qreal, reported);
    QFETCH(unsigned, used);
    QCOMPARE(platform::nearestDpiStep(reported), used);
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
