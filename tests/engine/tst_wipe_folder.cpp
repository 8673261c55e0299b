// The wipe of a folder tree under the temporary folder: files deleted (cut
// to zero when no other name holds them), hidden ones too, folders kept,
// links removed without touching their targets.
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
    void hiddenEntriesAreWiped();
    void fileWithAnotherNameKeepsItsBytes_data();
    void fileWithAnotherNameKeepsItsBytes();
    void hardLinkMadeDuringWipeNeverEmptiesTheFile();
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

// Names starting with "." are work files like any other: the outputs of an
// input named ".x.jpg" and what a hidden folder holds.
void WipeFolderTest::hiddenEntriesAreWiped()
{
    writeFileBytes(tempPath("Velmora/.x.jpg"), "output of a hidden input");
    writeFileBytes(tempPath("Velmora/Thumbnail Repaired/.x_[T1].jpg"), "its thumbnail");
    writeFileBytes(tempPath("Velmora/.hidden folder/photo.jpg"), "deeper");
    writeFileBytes(tempPath("Velmora/shown"), "goes");
    FolderWiper().WipeFolder("Velmora");
    QCOMPARE(QDir(tempPath("Velmora")).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(tempPath("Velmora/Thumbnail Repaired")).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(tempPath("Velmora/.hidden folder")).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void WipeFolderTest::fileWithAnotherNameKeepsItsBytes_data()
{
    QTest::addColumn<QString>("call");
    QTest::newRow("folder wipe") << "WipeFolder";
    QTest::newRow("tree wipe") << "WipeFolderTree";
    QTest::newRow("single output removed") << "WipeFile";
}

// The user kept an output under a second name (ln): the wipe removes its
// own name and leaves the file's bytes to the other one; a file without
// another name is cut and removed as before.
void WipeFolderTest::fileWithAnotherNameKeepsItsBytes()
{
    QFETCH(QString, call);
    const QByteArray photo(3000, 'k');
    const QString output = tempPath("Velmora/IMG_1.jpg");
    const QString kept = tempPath("outside/kept.jpg");
    QVERIFY(writeFileBytes(output, photo));
    QVERIFY(QDir().mkpath(tempPath("outside")));
    QVERIFY(::link(QFile::encodeName(output).constData(), QFile::encodeName(kept).constData()) == 0);
    // A descriptor of a file without another name: it sees the cut.
    const QString alone = tempPath("Velmora/alone.jpg");
    QVERIFY(writeFileBytes(alone, photo));
    QFile aloneOpen(alone);
    QVERIFY(aloneOpen.open(QIODevice::ReadOnly));

    if (call == "WipeFolder") {
        FolderWiper().WipeFolder("Velmora");
    } else if (call == "WipeFolderTree") {
        FolderWiper().WipeFolderTree(tempPath("Velmora"));
    } else {
        FolderWiper().WipeFile(output);
        FolderWiper().WipeFile(alone);
    }

    QVERIFY(!QFileInfo::exists(output));
    QVERIFY(!QFileInfo::exists(alone));
    QCOMPARE(readFileBytes(kept), photo);
    QCOMPARE(aloneOpen.size(), qint64(0));
}

// A second thread gives a work file a second name again and again while the
// wipe runs: whenever the link was made, the second name never holds a cut
// file.
void WipeFolderTest::hardLinkMadeDuringWipeNeverEmptiesTheFile()
{
    const QByteArray photo(2048, 'h');
    const QString folder = tempPath("RepairedFiles");
    const QByteArray entry = QFile::encodeName(folder + "/photo.jpg");
    const QByteArray second = QFile::encodeName(tempPath("outside/second.jpg"));
    QVERIFY(QDir().mkpath(tempPath("outside")));
    std::atomic<bool> done{false};
    std::atomic<int> links{0};
    QScopedPointer<QThread> linker(QThread::create([&] {
        while (!done.load()) {
            if (::link(entry.constData(), second.constData()) == 0)
                ++links;
        }
    }));
    QDeadlineTimer bound(60000);
    int emptied = 0;
    int linkedRounds = 0;
    linker->start();
    for (int round = 0; (round < 500 || linkedRounds < 100) && !bound.hasExpired(); ++round) {
        ::unlink(second.constData());
        const int before = links.load();
        writeFileBytes(QFile::decodeName(entry), photo);
        FolderWiper().WipeFolder("RepairedFiles");
        if (links.load() == before)
            continue;
        ++linkedRounds;
        if (QFileInfo::exists(QFile::decodeName(second)) && readFileBytes(QFile::decodeName(second)) != photo)
            ++emptied;
    }
    done = true;
    QVERIFY2(linker->wait(30000), "the thread that makes the links did not end within 30 s");
    QVERIFY2(linkedRounds >= 100,
             qPrintable(QString("a link was made in only %1 rounds within 60 s").arg(linkedRounds)));
    QCOMPARE(emptied, 0);
    QDir(folder).removeRecursively();
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
    // Staged outside the wiped folder, on the same file system.
    QVERIFY(QDir().mkpath(tempPath("staging")));
    const QByteArray staged = QFile::encodeName(tempPath("staging/entry"));
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
    QDir(tempPath("staging")).removeRecursively();
    QDir(folder).removeRecursively();
}

QTEST_MAIN(WipeFolderTest)
#include "tst_wipe_folder.moc"
