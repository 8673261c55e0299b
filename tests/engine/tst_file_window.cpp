#include "file_window.h"
#include "file_open.h"
#include "temp_file.h"

#include <QTemporaryDir>
#include <QtTest>

// FileWindow answers any position from a refilled window; what lies outside
// the file reads as zeros.
class FileWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void read_data();
    void read();
    void integers();
    void missingStreamReadsZeros();

private:
    QTemporaryDir m_dir;
    QByteArray m_bytes;
    FILE* m_file = nullptr;
};

void FileWindowTest::initTestCase()
{
    m_bytes.resize(1000);
    for (int i = 0; i < m_bytes.size(); ++i)
        m_bytes[i] = char(i * 7 + 3);
    const QString path = m_dir.filePath("data.bin");
    QVERIFY(writeFileBytes(path, m_bytes));
    m_file = platform::openFile(path, "rb");
    QVERIFY(m_file);
}

void FileWindowTest::cleanupTestCase()
{
    if (m_file)
        std::fclose(m_file);
}

void FileWindowTest::read_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<qint64>("pos");
    QTest::addColumn<int>("length");

    QTest::newRow("inside first window") << 64 << qint64(10) << 20;
    QTest::newRow("across window edge") << 64 << qint64(50) << 30;
    QTest::newRow("longer than window") << 64 << qint64(100) << 300;
    QTest::newRow("across end of file") << 64 << qint64(990) << 20;
    QTest::newRow("at end of file") << 64 << qint64(1000) << 8;
    QTest::newRow("far past end") << 64 << qint64(5000) << 8;
    QTest::newRow("before start") << 64 << qint64(-4) << 10;
    QTest::newRow("wholly before start") << 64 << qint64(-20) << 10;
    QTest::newRow("before start, longer than window") << 64 << qint64(-4) << 300;
    QTest::newRow("longer than window, across end of file") << 64 << qint64(900) << 300;
    QTest::newRow("whole file and past both ends") << 64 << qint64(-8) << 1016;
    QTest::newRow("large window") << 4096 << qint64(0) << 1000;
    QTest::newRow("backwards after forward") << 16 << qint64(3) << 5;
}

void FileWindowTest::read()
{
    QFETCH(int, window);
    QFETCH(qint64, pos);
    QFETCH(int, length);

    FileWindow reader(m_file, std::size_t(window));
    QCOMPARE(reader.size(), qint64(m_bytes.size()));
    reader.read(900, nullptr, 0); // moves the window away first
    QByteArray got(length, char(0x55));
    reader.read(pos, got.data(), std::size_t(length));
    for (int i = 0; i < length; ++i) {
        const qint64 p = pos + i;
        const char expected = (p < 0 || p >= m_bytes.size()) ? char(0) : m_bytes[int(p)];
        QCOMPARE(got[i], expected);
    }
}

void FileWindowTest::integers()
{
    FileWindow reader(m_file, 32);
    const auto b = [this](int i) { return quint8(m_bytes[i]); };
    QCOMPARE(reader.byteAt(5), b(5));
    QCOMPARE(reader.be16(31), quint16(b(31) << 8 | b(32)));
    QCOMPARE(reader.le16(31), quint16(b(32) << 8 | b(31)));
    QCOMPARE(reader.be32(62), quint32(b(62)) << 24 | quint32(b(63)) << 16 | quint32(b(64)) << 8 | b(65));
    QCOMPARE(reader.le32(62), quint32(b(65)) << 24 | quint32(b(64)) << 16 | quint32(b(63)) << 8 | b(62));
    QCOMPARE(reader.be32(998), quint32(b(998)) << 24 | quint32(b(999)) << 16);
    QCOMPARE(reader.byteAt(5000), quint8(0));
}

void FileWindowTest::missingStreamReadsZeros()
{
    FileWindow reader(nullptr);
    QCOMPARE(reader.size(), qint64(0));
    QCOMPARE(reader.be32(0), quint32(0));
}

QTEST_GUILESS_MAIN(FileWindowTest)
#include "tst_file_window.moc"
