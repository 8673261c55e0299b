#include "file_open.h"
#include "file_window.h"
#include "temp_file.h"

#include <QDir>
#include <QtTest>

// FileWindow::find over a file read through a small window, so that hits
// lie in later windows and the search crosses window edges.
class FileWindowFindTest : public QObject {
    Q_OBJECT
private slots:
    void find_data();
    void find();
};

void FileWindowFindTest::find_data()
{
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<qint64>("expected");

    // The file holds 0x7F at 5, 40 and 99 of 100 bytes; zeros elsewhere.
    QTest::newRow("first hit") << qint64(0) << qint64(100) << qint64(5);
    QTest::newRow("hit is the start") << qint64(5) << qint64(100) << qint64(5);
    QTest::newRow("hit in a later window") << qint64(6) << qint64(100) << qint64(40);
    QTest::newRow("last byte of the file") << qint64(41) << qint64(100) << qint64(99);
    QTest::newRow("end stops the search") << qint64(6) << qint64(40) << qint64(40);
    QTest::newRow("none before end") << qint64(6) << qint64(30) << qint64(30);
    QTest::newRow("end past the file") << qint64(100) << qint64(500) << qint64(500);
    QTest::newRow("from before the file") << qint64(-8) << qint64(100) << qint64(5);
    QTest::newRow("from after end") << qint64(60) << qint64(50) << qint64(50);
}

void FileWindowFindTest::find()
{
    QFETCH(qint64, from);
    QFETCH(qint64, end);
    QFETCH(qint64, expected);

    QByteArray bytes(100, '\0');
    bytes[5] = bytes[40] = bytes[99] = char(0x7F);
    const QString path = QDir::tempPath() + "/find.bin";
    QVERIFY(writeFileBytes(path, bytes));
    FILE* file = platform::openFile(path, "rb");
    QVERIFY(file);
    FileWindow window(file, 16);
    window.byteAt(70); // the window starts somewhere else
    QCOMPARE(window.find(0x7F, from, end), expected);
    QCOMPARE(window.byteAt(40), quint8(0x7F));
    std::fclose(file);
}

QTEST_GUILESS_MAIN(FileWindowFindTest)
#include "tst_file_window_find.moc"
