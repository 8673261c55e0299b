#include "global_state.h"
#include "raw/raw_input.h"
#include "temp_file.h"

#include <QDir>
#include <QtTest>

#include <cstring>
#include <random>

// RawInput::find answers every search of a sequence as a byte-by-byte
// search of the file does, whatever earlier searches of the same input have
// learnt about where their pairs occur: searches that share a leading pair,
// start before, inside or after what was searched before, stop early at a
// bound, or look for a pair too frequent to be recorded.
class RawInputFindTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void searchSequence_data();
    void searchSequence();
};

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// Byte-by-byte: the first p in [from, min(to, size)) where a pattern begins,
// bytes past the end reading as zero; -1 when there is none.
qint64 expectedFind(const QByteArray& file, quint64 from, quint64 to, const BytePatterns& patterns)
{
    const QByteArray padded = file + QByteArray(RawInput::kMaxPatternLength, '\0');
    const quint64 last = std::min<quint64>(to, quint64(file.size()));
    for (quint64 p = from; p < last; ++p) {
        for (const QByteArray& pattern : patterns) {
            if (std::memcmp(padded.constData() + p, pattern.constData(), std::size_t(pattern.size())) == 0)
                return qint64(p);
        }
    }
    return -1;
}

QByteArray placed(QByteArray file, const QVector<QPair<int, QByteArray>>& places)
{
    for (const auto& place : places)
        file.replace(place.first, place.second.size(), place.second);
    return file;
}

QByteArray repeated(const QByteArray& unit, int size)
{
    QByteArray bytes;
    while (bytes.size() < size)
        bytes += unit;
    return bytes.left(size);
}

} // namespace

void RawInputFindTest::init()
{
    g_state.stopRequested = 0;
}

void RawInputFindTest::searchSequence_data()
{
    QTest::addColumn<QByteArray>("file");

    constexpr int kChunk = 256 * 1024;
    const QByteArray starts = hex("FFD8FFDB");
    QTest::newRow("sparse markers across chunk edges")
        << placed(QByteArray(700 * 1024, '\x33'),
                  {{kChunk - 2, starts}, {kChunk - 1 + 8, hex("FFD8FFC4")}, {300000, hex("FFD9")},
                   {2 * kChunk - 1, hex("FFD8FFE1")}, {2 * kChunk + 40, hex("49492A00")},
                   {600000, hex("FFD8FFDBFFD9")}, {650000, hex("FFFFFFD8")}, {700 * 1024 - 3, hex("FFD8FF")}});
    QTest::newRow("all FF")
        << placed(QByteArray(600 * 1024, '\xFF'), {{400000, starts}, {500000, hex("FFD9")}, {500100, hex("FFD9")}});
    QTest::newRow("FF 3F pairs")
        << placed(repeated(hex("FF3F"), 600 * 1024), {{kChunk, starts}, {kChunk + 9000, hex("FFD9")}});
    QTest::newRow("pair too frequent to record")
        << placed(repeated(hex("FFD8"), 300 * 1024), {{200000, starts}, {250000, hex("FFD8FFE1")}, {299990, hex("FFD9")}});
    QTest::newRow("tiny file") << hex("FFD8FFDB00FFD9");
}

void RawInputFindTest::searchSequence()
{
    QFETCH(QByteArray, file);

    const QString path = QDir::tempPath() + QStringLiteral("/find.bin");
    QVERIFY(writeFileBytes(path, file));
    RawInput input;
    QVERIFY(input.open(path));
    const QVector<BytePatterns> searches = {
        {hex("FFD8FFDB"), hex("FFD8FFC4")}, {hex("FFD8FFE1")}, {hex("FFD8")}, {hex("FFD9")},
        {hex("49492A00"), hex("4D4D002A")}, {hex("FF")}, {hex("FFD8FFDBFFD9")},
    };
    std::mt19937 random(5);
    const quint64 size = quint64(file.size());
    for (int i = 0; i < 300; ++i) {
        const BytePatterns& patterns = searches[int(random() % unsigned(searches.size()))];
        const quint64 from = random() % 4 == 0 ? 0 : random() % (size + 8);
        const quint64 to = random() % 2 == 0 ? size : from + random() % (size + 1);
        const qint64 found = input.find(from, to, patterns, StopPolling::Poll);
        const QByteArray what = "search " + QByteArray::number(i) + " from " + QByteArray::number(from)
            + " to " + QByteArray::number(to) + " for " + patterns.first().toHex();
        QVERIFY2(found == expectedFind(file, from, to, patterns), what.constData());
    }
    // Walks from each find to the next, as the marker scans do.
    for (const BytePatterns& patterns : searches) {
        qint64 expected = expectedFind(file, 0, size, patterns);
        for (int step = 0; step < 40 && expected >= 0; ++step) {
            const quint64 from = quint64(expected) + 1;
            expected = expectedFind(file, from, size, patterns);
            QCOMPARE(input.find(from, patterns, StopPolling::Poll), expected);
        }
    }
}

QTEST_GUILESS_MAIN(RawInputFindTest)
#include "tst_raw_input_find.moc"
