#include "file_open.h"
#include "private_folder.h"
#include "program_launch.h"
#include "screen_metrics.h"
#include "settings_store.h"
#include "temp_file.h"
#include "temp_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>
#include <sys/stat.h>

// The platform layer: settings redirected by the environment, the temporary
// folder, private folders, program starts, file opening by any path, and the
// monitor DPI the interface uses.
class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void settingsFollowOverride();
    void tempFolderFollowsEnvironment();
    void openFileByPath_data();
    void openFileByPath();
    void privateFolderIsNewAndOwnerOnly();
    void privateFolderTest_data();
    void privateFolderTest();
    void launchTellsWhetherTheProgramStarted();
    void openFileRefusesWhatIsNotARegularFile_data();
    void openFileRefusesWhatIsNotARegularFile();
    void exclusiveCreationNeverWritesThroughALink();
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
    QCOMPARE(QFileInfo(platform::tempFolder()).dir().canonicalPath(), QDir(dir.path()).canonicalPath());
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

void PlatformTest::privateFolderIsNewAndOwnerOnly()
{
    QTemporaryDir parent;
    // A folder of the plain name, made beforehand by someone else, is not used.
    QVERIFY(QDir(parent.path()).mkdir(QStringLiteral("updatetmp")));
    const QString first = platform::createPrivateFolder(parent.path(), QStringLiteral("updatetmp"));
    const QString second = platform::createPrivateFolder(parent.path(), QStringLiteral("updatetmp"));
    QVERIFY(!first.isEmpty());
    QVERIFY(first != second);
    QVERIFY(QFileInfo(first).fileName().startsWith(QLatin1String("updatetmp-")));
    QVERIFY(first != parent.filePath(QStringLiteral("updatetmp")));
    const QFileDevice::Permissions owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QCOMPARE(QFileInfo(first).permissions() & (owner | others), owner);
    QVERIFY(QDir(first).isEmpty());
    QVERIFY(platform::isPrivateFolder(first));
    QVERIFY(platform::createPrivateFolder(parent.filePath(QStringLiteral("missing")), QStringLiteral("x")).isEmpty());
}

void PlatformTest::privateFolderTest_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("isPrivate");
    QTest::newRow("owner-only folder") << "private" << true;
    QTest::newRow("link to an owner-only folder") << "link" << false;
    QTest::newRow("folder others may enter") << "open" << false;
    QTest::newRow("folder of another user") << "foreign" << false;
    QTest::newRow("plain file") << "file" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("empty path") << "" << false;
}

void PlatformTest::privateFolderTest()
{
    QFETCH(QString, kind);
    QTemporaryDir parent;
    const QString folder = platform::createPrivateFolder(parent.path(), QStringLiteral("f"));
    QString path = folder;
    if (kind == QLatin1String("link")) {
        path = parent.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(folder, path));
    } else if (kind == QLatin1String("open")) {
        QVERIFY(QFile::setPermissions(folder, QFileInfo(folder).permissions() | QFileDevice::ReadOther
                                                  | QFileDevice::ExeOther));
    } else if (kind == QLatin1String("foreign")) {
        if (geteuid() != 0)
            QSKIP("giving a folder to another user needs root");
        QCOMPARE(chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
    } else if (kind == QLatin1String("file")) {
        path = parent.filePath(QStringLiteral("file"));
        QVERIFY(writeFileBytes(path, "x"));
    } else if (kind == QLatin1String("missing")) {
        path = parent.filePath(QStringLiteral("missing"));
    } else if (kind.isEmpty()) {
        path.clear();
    }
    QTEST(platform::isPrivateFolder(path), "isPrivate");
}

void PlatformTest::launchTellsWhetherTheProgramStarted()
{
    QTemporaryDir dir;
    const QByteArray saved = qgetenv(platform::kLaunchRecordVariable);
    qunsetenv(platform::kLaunchRecordVariable);
    QVERIFY(!platform::launchProgram(dir.filePath(QStringLiteral("missing.exe"))));
    // A file that is no program does not start either.
    const QString notAProgram = dir.filePath(QStringLiteral("data.exe"));
    QVERIFY(writeFileBytes(notAProgram, QByteArray(64, 'x')));
    QVERIFY(!platform::launchProgram(notAProgram));
    QVERIFY(platform::launchProgram(QStringLiteral("/bin/true")));

    // Recorded starts count as started.
    const QString record = dir.filePath(QStringLiteral("launches.txt"));
    qputenv(platform::kLaunchRecordVariable, record.toUtf8());
    QVERIFY(platform::launchProgram(dir.filePath(QStringLiteral("missing.exe"))));
    QCOMPARE(readFileBytes(record), dir.filePath(QStringLiteral("missing.exe")).toUtf8() + '\n');
    qputenv(platform::kLaunchRecordVariable, saved);
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
    // Nor through a link at its folder's name.
    QVERIFY(QDir().mkdir(dir.filePath("folder")));
    QVERIFY(QFile::link(dir.filePath("folder"), dir.filePath("linked folder")));
    QVERIFY(!platform::openFile(dir.filePath("linked folder/new.jpg"), "wb+x"));
    QVERIFY(!platform::openFile(dir.filePath("linked folder//new.jpg"), "wb+x"));
    QVERIFY(!QFile::exists(dir.filePath("folder/new.jpg")));
    FILE* created = platform::openFile(dir.filePath("new.jpg"), "wb+x");
    QVERIFY(created);
    std::fclose(created);
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
