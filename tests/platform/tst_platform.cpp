#include "file_open.h"
#include "settings_store.h"
#include "temp_file.h"
#include "temp_folder.h"

#include <QTemporaryDir>
#include <QtTest>

// The platform layer: settings redirected by the environment, the temporary
// folder, and file opening by any path.
class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void settingsFollowOverride();
    void tempFolderFollowsEnvironment();
    void openFileByPath_data();
    void openFileByPath();
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

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
