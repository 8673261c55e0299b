#include "file_open.h"
#include "settings_store.h"
#include "temp_file.h"
#include "temp_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// The platform layer: settings redirected by the environment, the temporary
// folder, and file opening by any path.
class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void settingsFollowOverride();
    void tempFolderFollowsEnvironment();
    void openFileByPath_data();
    void openFileByPath();
    void openFileRefusesWhatIsNotARegularFile_data();
    void openFileRefusesWhatIsNotARegularFile();
    void exclusiveCreationNeverWritesThroughALink();
    void privateFolderIsNewAndOwnerOnly();
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

// A pipe is refused without waiting for a writer (a blocking open would
// hang here), as are a folder and a device.
void PlatformTest::openFileRefusesWhatIsNotARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("mode");
    for (const char* mode : {"rb", "rb+", "wb+"}) {
        QTest::newRow(qPrintable(QString("pipe ") + mode)) << "pipe" << mode;
        QTest::newRow(qPrintable(QString("folder ") + mode)) << "folder" << mode;
        QTest::newRow(qPrintable(QString("device ") + mode)) << "device" << mode;
    }
}

void PlatformTest::openFileRefusesWhatIsNotARegularFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, mode);
    QTemporaryDir dir;
    QString path = dir.filePath("photo.jpg");
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else
        path = "/dev/null";
    FILE* file = platform::openFile(path, mode.toLatin1().constData());
    QVERIFY(!file);
}

void PlatformTest::exclusiveCreationNeverWritesThroughALink()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("target.jpg");
    QVERIFY(writeFileBytes(target, "keep"));
    QVERIFY(QFile::link(target, dir.filePath("link.jpg")));
    QVERIFY(QFile::link(dir.filePath("nowhere.jpg"), dir.filePath("dangling.jpg")));
    QVERIFY(!platform::openFile(dir.filePath("link.jpg"), "wb+x"));
    QVERIFY(!platform::openFile(dir.filePath("dangling.jpg"), "wb+x"));
    QCOMPARE(readFileBytes(target), QByteArray("keep"));
    QVERIFY(!QFile::exists(dir.filePath("nowhere.jpg")));
    FILE* created = platform::openFile(dir.filePath("new.jpg"), "wb+x");
    QVERIFY(created);
    std::fclose(created);
}

void PlatformTest::privateFolderIsNewAndOwnerOnly()
{
    QTemporaryDir dir;
    const QString first = platform::makePrivateFolder(dir.path(), "Velmora-");
    const QString second = platform::makePrivateFolder(dir.path(), "Velmora-");
    QVERIFY(first.startsWith(dir.path() + "/Velmora-"));
    QVERIFY(first != second);
    QVERIFY(platform::isPrivateFolder(first));
    QVERIFY(QFile::link(first, dir.filePath("link")));
    QVERIFY(!platform::isPrivateFolder(dir.filePath("link")));
    QVERIFY(QFile::setPermissions(second, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                              | QFile::ReadOther | QFile::ExeOther));
    QVERIFY(!platform::isPrivateFolder(second));
    QVERIFY(platform::makePrivateFolder(dir.filePath("missing"), "Velmora-").isEmpty());
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
