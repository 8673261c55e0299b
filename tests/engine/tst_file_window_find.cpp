#include "byte_pair_search.h"
#include "file_open.h"
#include "file_window.h"
#include "temp_file.h"

#include <QDir>
#include <QtTest>

#include <random>

// FileWindow::find and findPair over a file read through a small window, so
// that hits lie in later windows and the search crosses window edges.
class FileWindowFindTest : public QObject {
    Q_OBJECT
private slots:
    void find_data();
    void find();
    void findPair_data();
    void findPair();
};

namespace {

// Whether bytes p and p + 1 of the file form pair; the byte after the
// file's last reads as 0.
bool pairAt(const QByteArray& bytes, qint64 p, const BytePair& pair)
{
    const quint8 second = p + 1 < bytes.size() ? quint8(bytes[int(p + 1)]) : 0;
    if (quint8(bytes[int(p)]) != pair.first)
        return false;
    switch (pair.rule) {
    case BytePair::SecondIs:
        return second == pair.second;
    case BytePair::SecondIsNot:
        return second != pair.second;
    case BytePair::AnySecond:
        return true;
    case BytePair::SecondInRange:
        return second >= pair.second && second <= pair.secondLast;
    }
    return false;
}

qint64 walkedHit(const QByteArray& bytes, qint64 from, qint64 end, const BytePair& pair)
{
    for (qint64 p = std::max<qint64>(from, 0); p < std::min<qint64>(end, bytes.size()); ++p) {
        if (pairAt(bytes, p, pair))
            return p;
    }
    return end;
}

} // namespace

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

void FileWindowFindTest::findPair_data()
{
    QTest::addColumn<QByteArray>("alphabet");
    QTest::addColumn<QByteArray>("lastBytes");
    QTest::addColumn<quint8>("first");
    QTest::addColumn<quint8>("second");
    QTest::addColumn<int>("rule");

    const QByteArray denseFF = QByteArray::fromHex("ffffffff00d8d9");
    QTest::newRow("FF D8 among runs of FF") << denseFF << QByteArray::fromHex("ffd8") << quint8(0xFF)
                                            << quint8(0xD8) << int(BytePair::SecondIs);
    QTest::newRow("FF not before 00, file ends in FF")
        << denseFF << QByteArray::fromHex("00ff") << quint8(0xFF) << quint8(0x00) << int(BytePair::SecondIsNot);
    QTest::newRow("FF before 00, file ends in FF")
        << denseFF << QByteArray::fromHex("d8ff") << quint8(0xFF) << quint8(0x00) << int(BytePair::SecondIs);
    QTest::newRow("FF D8 only at the end") << QByteArray::fromHex("ff") << QByteArray::fromHex("ffd8") << quint8(0xFF)
                                           << quint8(0xD8) << int(BytePair::SecondIs);
}

// Every start near the window edges and every end up to past the file give
// the position a byte-by-byte walk gives, whatever the window held before.
void FileWindowFindTest::findPair()
{
    QFETCH(QByteArray, alphabet);
    QFETCH(QByteArray, lastBytes);
    QFETCH(quint8, first);
    QFETCH(quint8, second);
    QFETCH(int, rule);

    std::mt19937 random(7);
    QByteArray bytes(150, '\0');
    for (char& b : bytes)
        b = alphabet.at(int(random() % unsigned(alphabet.size())));
    bytes += lastBytes;
    const QString path = QDir::tempPath() + "/find_pair.bin";
    QVERIFY(writeFileBytes(path, bytes));
    FILE* file = platform::openFile(path, "rb");
    QVERIFY(file);
    const BytePair pair{first, second, BytePair::Rule(rule)};
    for (const std::size_t windowSize : {16, 17, 64}) {
        FileWindow window(file, windowSize);
        for (qint64 from = -2; from < bytes.size() + 2; ++from) {
            for (const qint64 end : {from + 1, from + 16, from + 40, qint64(bytes.size()) - 1, qint64(bytes.size()), qint64(500)}) {
                // The window starts somewhere else, or just after from.
                for (const qint64 held : {(from * 37) % bytes.size(), from + 1}) {
                    window.byteAt(held);
                    QCOMPARE(window.findPair(&pair, 1, from, end), walkedHit(bytes, from, end, pair));
                }
            }
        }
    }
    std::fclose(file);
}

QTEST_GUILESS_MAIN(FileWindowFindTest)
#include "tst_file_window_find.moc"
