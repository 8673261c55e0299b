// The wipe of a folder tree under the temporary folder: files cut to zero
// and deleted, folders kept, links removed without touching their targets.
#include "temp_file.h"
#include "temp_folder.h"
#include "wipe_folder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedPointer>
#include <QTest>
#include <QThread>

#include <atomic>
#include <unistd.h>

namespace {

QString tempPath(const QString& relative)
{
    return platform::tempFolder() + "/" + relative;
}

} // namespace

class WipeFolderTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void wipesEveryFileAndKeepsFolders();
    void emptyOrMissingNameDoesNothing();
    void hiddenFilesAreNotListed();
    void keptFilesStay();
    void linksAreRemovedWithoutTouchingTargets();
    void linkedFolderItselfIsRemovedNotWiped();
    void linkToggledDuringWipeNeverEmptiesItsTarget();
};

void WipeFolderTest::cleanup()
{
    QDir(tempPath("Velmora")).removeRecursively();
    QDir(tempPath("outside")).removeRecursively();
}

void WipeFolderTest::wipesEveryFileAndKeepsFolders()
{
    writeFileBytes(tempPath("Velmora/a.jpg"), "abc");
    writeFileBytes(tempPath("Velmora/Thumbnail Repaired/b_[T1].jpg"), "defg");
    writeFileBytes(tempPath("Velmora/x/y/z.bin"), QByteArray(5000, 'z'));

    QVERIFY(FolderWiper().WipeFolder("Velmora"));

    QCOMPARE(QDir(tempPath("Velmora")).entryList(QDir::Files), QStringList());
    QVERIFY(QFileInfo(tempPath("Velmora/Thumbnail Repaired")).isDir());
    QVERIFY(QFileInfo(tempPath("Velmora/x/y")).isDir());
    QVERIFY(!QFile::exists(tempPath("Velmora/Thumbnail Repaired/b_[T1].jpg")));
    QVERIFY(!QFile::exists(tempPath("Velmora/x/y/z.bin")));
}

void WipeFolderTest::emptyOrMissingNameDoesNothing()
{
    writeFileBytes(tempPath("keep.txt"), "keep");
    QVERIFY(FolderWiper().WipeFolder(QString()));
    QVERIFY(FolderWiper().WipeFolder("NoSuchFolder"));
    QCOMPARE(readFileBytes(tempPath("keep.txt")), QByteArray("keep"));
    QVERIFY(!QFileInfo::exists(tempPath("NoSuchFolder")));
    QFile::remove(tempPath("keep.txt"));
}

void WipeFolderTest::hiddenFilesAreNotListed()
{
    writeFileBytes(tempPath("Velmora/.hidden"), "stays");
    writeFileBytes(tempPath("Velmora/shown"), "goes");
    FolderWiper().WipeFolder("Velmora");
    QCOMPARE(readFileBytes(tempPath("Velmora/.hidden")), QByteArray("stays"));
    QVERIFY(!QFile::exists(tempPath("Velmora/shown")));
}

// Files named to the wiper stay whole, also when named through another path
// to them; everything else goes.
void WipeFolderTest::keptFilesStay()
{
    writeFileBytes(tempPath("Velmora/mine.jpg"), "mine");
    writeFileBytes(tempPath("Velmora/Thumbnail Repaired/also mine.jpg"), "also");
    writeFileBytes(tempPath("Velmora/work.jpg"), "work");
    QVERIFY(QFile::link(tempPath("Velmora/Thumbnail Repaired"), tempPath("outside-link")));

    FolderWiper({tempPath("Velmora/mine.jpg"), tempPath("outside-link/also mine.jpg"), tempPath("missing.jpg")})
        .WipeFolder("Velmora");

    QCOMPARE(readFileBytes(tempPath("Velmora/mine.jpg")), QByteArray("mine"));
    QCOMPARE(readFileBytes(tempPath("Velmora/Thumbnail Repaired/also mine.jpg")), QByteArray("also"));
    QVERIFY(!QFile::exists(tempPath("Velmora/work.jpg")));
    QFile::remove(tempPath("outside-link"));
}

void WipeFolderTest::linksAreRemovedWithoutTouchingTargets()
{
    writeFileBytes(tempPath("outside/photo.jpg"), "the user's photo");
    writeFileBytes(tempPath("outside/album/one.jpg"), "another photo");
    QDir().mkpath(tempPath("Velmora"));
    QVERIFY(QFile::link(tempPath("outside/photo.jpg"), tempPath("Velmora/photo.jpg")));
    QVERIFY(QFile::link(tempPath("outside/album"), tempPath("Velmora/album")));

    FolderWiper().WipeFolder("Velmora");

    QVERIFY(!QFileInfo(tempPath("Velmora/photo.jpg")).isSymLink());
    QVERIFY(!QFileInfo(tempPath("Velmora/album")).isSymLink());
    QCOMPARE(readFileBytes(tempPath("outside/photo.jpg")), QByteArray("the user's photo"));
    QCOMPARE(readFileBytes(tempPath("outside/album/one.jpg")), QByteArray("another photo"));
}

void WipeFolderTest::linkedFolderItselfIsRemovedNotWiped()
{
    writeFileBytes(tempPath("outside/photo.jpg"), "the user's photo");
    QVERIFY(QFile::link(tempPath("outside"), tempPath("Velmora")));

    FolderWiper().WipeFolder("Velmora");

    QVERIFY(!QFileInfo(tempPath("Velmora")).isSymLink());
    QCOMPARE(readFileBytes(tempPath("outside/photo.jpg")), QByteArray("the user's photo"));
}

// A second thread swaps a work file for a link to a photo outside the work
// folder and back, again and again, while the wipe runs over and over: the
// wipe may meet the entry in either form at any step, and the photo is
// never cut. Each swap is one rename, so the name is never missing.
void WipeFolderTest::linkToggledDuringWipeNeverEmptiesItsTarget()
{
    const QByteArray photo(4096, 'p');
    const QString target = QDir::tempPath() + "/outside-target/precious.jpg";
    QVERIFY(writeFileBytes(target, photo));
    const QString folder = tempPath("RepairedFiles");
    QVERIFY(QDir().mkpath(folder));
    // Hidden names are not wiped, so the staged entry waits there.
    const QByteArray staged = QFile::encodeName(folder + "/.staged");
    const QByteArray entry = QFile::encodeName(folder + "/photo.jpg");
    const QByteArray link = QFile::encodeName(target);
    std::atomic<bool> done{false};
    std::atomic<int> swaps{0};
    QScopedPointer<QThread> toggler(QThread::create([&] {
        for (int i = 0; !done.load(); ++i) {
            ::unlink(staged.constData());
            if (i % 2 == 0) {
                if (::symlink(link.constData(), staged.constData()) != 0)
                    continue;
            } else if (!writeFileBytes(QFile::decodeName(staged), "work file")) {
                continue;
            }
            if (::rename(staged.constData(), entry.constData()) == 0)
                ++swaps;
        }
    }));
    toggler->start();
    // The wipes go on until the entry has been swapped many times while they
    // ran, however the two threads happen to be scheduled.
    QDeadlineTimer bound(60000);
    int swapsWhileWiping = 0;
    for (int round = 0; (round < 3000 || swapsWhileWiping < 200) && !bound.hasExpired(); ++round) {
        const int before = swaps.load();
        FolderWiper().WipeFolder("RepairedFiles");
        swapsWhileWiping += swaps.load() - before;
    }
    done = true;
    QVERIFY2(toggler->wait(30000), "the thread that swaps the entry did not end within 30 s");
    QVERIFY2(swapsWhileWiping >= 200,
             qPrintable(QString("the entry was swapped only %1 times during the wipes within 60 s").arg(swapsWhileWiping)));
    QCOMPARE(readFileBytes(target), photo);
    QDir(QDir::tempPath() + "/outside-target").removeRecursively();
    QDir(folder).removeRecursively();
}

QTEST_MAIN(WipeFolderTest)
#include "tst_wipe_folder.moc"
