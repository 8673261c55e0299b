// The start-up clean-up of scratch and update folders: a folder
// "Velmora-..." or "updatetmp-..." in the program's temporary folder whose
// process is gone is removed with all it holds, hidden entries included; one
// still in use, one of another user, a link and anything not named so stay
// as they are.
#include "scratch_folder.h"
#include "scratch_like.h"
#include "temp_file.h"
#include "temp_folder.h"
#include "update_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <unistd.h>

namespace {

QString inProgramFolder(const QString& name)
{
    return platform::tempFolder() + QLatin1Char('/') + name;
}

} // namespace

class ScratchCleanupTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void staleFoldersGoOthersStay_data();
    void staleFoldersGoOthersStay();
    void ownScratchFolderStays();
    void ownUpdateFolderStays();
};

void ScratchCleanupTest::cleanup()
{
    for (const QString& name : {QStringLiteral("Other-a1b2c3"), QStringLiteral("Velmora-a1b2c3"),
                                QStringLiteral("updatetmp-a1b2c3"), QStringLiteral(".Velmora-a1b2c3"),
                                QStringLiteral(".updatetmp-a1b2c3")}) {
        QFile::remove(inProgramFolder(name));
        QDir(inProgramFolder(name)).removeRecursively();
    }
    QDir(QDir::tempPath() + "/outside-folder").removeRecursively();
}

void ScratchCleanupTest::staleFoldersGoOthersStay_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("removed");
    for (const QString prefix : {QStringLiteral("Velmora"), QStringLiteral("updatetmp")}) {
        const auto row = [&prefix](const char* name) -> QTestData& {
            return QTest::addRow("%s: %s", qPrintable(prefix), name) << prefix;
        };
        row("left by a run, no process") << "stale" << true;
        row("left before it had its name") << "unnamed" << true;
        row("held by a process that was killed") << "killed holder" << true;
        row("held by a running process") << "running holder" << false;
        row("named otherwise") << "other name" << false;
        row("link named like a scratch folder") << "link" << false;
        row("folder of another user") << "other user" << false;
    }
}

void ScratchCleanupTest::staleFoldersGoOthersStay()
{
    QFETCH(QString, prefix);
    QFETCH(QString, kind);
    QFETCH(bool, removed);
    const QString outside = QDir::tempPath() + "/outside-folder";
    QString folder = inProgramFolder(kind == QLatin1String("other name") ? "Other-a1b2c3"
                                     : kind == QLatin1String("unnamed")  ? "." + prefix + "-a1b2c3"
                                                                         : prefix + "-a1b2c3");
    QProcess holder;
    if (kind == QLatin1String("link")) {
        QVERIFY(makeScratchLike(outside));
        QVERIFY(QFile::link(outside, folder));
    } else {
        QVERIFY(makeScratchLike(folder));
    }
    if (kind == QLatin1String("other user")) {
        if (::geteuid() != 0)
            QSKIP("giving a folder to another user needs root; this run is not root");
        QVERIFY(::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0);
    }
    if (kind.endsWith(QLatin1String("holder")))
        QVERIFY2(startLockHolder(holder, folder), "flock did not take the folder's lock within 20 s");
    if (kind == QLatin1String("killed holder")) {
        holder.kill();
        QVERIFY2(holder.waitForFinished(20000), "the holder did not end within 20 s of being killed");
    }

    if (prefix == QLatin1String("Velmora"))
        removeStaleScratchFolders();
    else
        RemoveStaleUpdateFolders();

    QCOMPARE(!QFileInfo::exists(folder) && !QFileInfo(folder).isSymLink(), removed);
    if (!removed && kind != QLatin1String("link"))
        QCOMPARE(readFileBytes(folder + "/Thumbnail Repaired/IMG_1_[T1].jpg"), QByteArray("copy of a thumbnail"));
    if (kind == QLatin1String("link"))
        QCOMPARE(readFileBytes(outside + "/IMG_1.jpg"), QByteArray("copy of a photo"));

    if (holder.state() != QProcess::NotRunning) {
        holder.kill();
        QVERIFY2(holder.waitForFinished(20000), "the holder did not end within 20 s of being killed");
    }
}

void ScratchCleanupTest::ownScratchFolderStays()
{
    const QString own = makeScratchFolder();
    QVERIFY(!own.isEmpty());
    QVERIFY(writeFileBytes(own + "/temp.jpg", "in use"));
    removeStaleScratchFolders();
    QCOMPARE(readFileBytes(own + "/temp.jpg"), QByteArray("in use"));
    QCOMPARE(makeScratchFolder(), own);
    QFile::remove(own + "/temp.jpg");
}

void ScratchCleanupTest::ownUpdateFolderStays()
{
    SetUpdateFilePaths();
    QVERIFY(!UpdateFolder().isEmpty());
    QVERIFY(writeFileBytes(g_updateInfoPath, "9.0.0.0"));
    RemoveStaleUpdateFolders();
    QCOMPARE(readFileBytes(g_updateInfoPath), QByteArray("9.0.0.0"));
    RemoveUpdateFolder();
}

QTEST_MAIN(ScratchCleanupTest)
#include "tst_scratch_cleanup.moc"
