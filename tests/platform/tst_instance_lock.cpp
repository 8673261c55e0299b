#include "single_instance.h"
#include "temp_folder.h"
#include "temp_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
const QString kKey = QStringLiteral("lock-test-key");
} // namespace

// The single-instance lock lives in a folder of the user's own, so nobody
// else can plant it and keep the program from starting.
class InstanceLockTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lockFolder_data();
    void lockFolder();

private:
    QByteArray m_runtime;
};

void InstanceLockTest::init()
{
    m_runtime = qgetenv("XDG_RUNTIME_DIR");
}

void InstanceLockTest::cleanup()
{
    qputenv("XDG_RUNTIME_DIR", m_runtime);
}

void InstanceLockTest::lockFolder_data()
{
    QTest::addColumn<QString>("runtime"); // what XDG_RUNTIME_DIR names
    QTest::addColumn<bool>("inRuntime");  // the lock lands there, else in the user's folder under TMPDIR
    QTest::newRow("private runtime folder") << "private" << true;
    QTest::newRow("runtime folder others may write, lock planted") << "shared" << false;
    QTest::newRow("no runtime folder") << "" << false;
}

void InstanceLockTest::lockFolder()
{
    QFETCH(QString, runtime);
    QFETCH(bool, inRuntime);
    QTemporaryDir root;
    const QString runtimeFolder = root.filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(runtimeFolder));
    const QString planted = runtimeFolder + QLatin1Char('/') + kKey + QStringLiteral(".lock");
    if (runtime == QLatin1String("shared")) {
        QVERIFY(::chmod(QFile::encodeName(runtimeFolder).constData(), 01777) == 0);
        // Someone else's file under the lock's name.
        QVERIFY(writeFileBytes(planted, "planted"));
    } else {
        QVERIFY(::chmod(QFile::encodeName(runtimeFolder).constData(), 0700) == 0);
    }
    qputenv("XDG_RUNTIME_DIR", runtime.isEmpty() ? QByteArray() : QFile::encodeName(runtimeFolder));

    platform::SingleInstanceGuard first;
    QVERIFY(first.acquire(kKey));
    const QString folder = platform::tempFolder();
    QCOMPARE(folder.startsWith(runtimeFolder + QLatin1Char('/')), inRuntime);
    const QString lock = folder + QLatin1Char('/') + kKey + QStringLiteral(".lock");
    QVERIFY2(QFile::exists(lock), qPrintable(lock));
    QCOMPARE(QFileInfo(folder).permissions() & (QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther
                                                | QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                                | QFileDevice::ExeGroup),
             QFileDevice::Permissions());
    if (runtime == QLatin1String("shared"))
        QCOMPARE(readFileBytes(planted), QByteArray("planted"));
    // A second guard of the same key is refused while the first holds.
    platform::SingleInstanceGuard second;
    QVERIFY(!second.acquire(kKey));
}

QTEST_MAIN(InstanceLockTest)
#include "tst_instance_lock.moc"
