#include "byte_pair_search.h"

#include <QVector>
#include <QtTest>

#include <random>
#include <vector>

Q_DECLARE_METATYPE(QVector<BytePair>)

// findBytePair against a byte-by-byte search, over data where the first
// byte of a pair is rare or dense, from every start near the 64-byte steps
// of the search and up to ends inside and at the edge of the data.
class BytePairSearchTest : public QObject {
    Q_OBJECT
private slots:
    void search_data();
    void search();
    void distinctPairs();
};

namespace {

bool pairAt(const quint8* at, const BytePair& pair)
{
    if (at[0] != pair.first)
        return false;
    if (pair.rule == BytePair::SecondIs)
        return at[1] == pair.second;
    if (pair.rule == BytePair::SecondIsNot)
        return at[1] != pair.second;
    if (pair.rule == BytePair::SecondInRange)
        return at[1] >= pair.second && at[1] <= pair.secondLast;
    return true;
}

qsizetype expectedHit(const std::vector<quint8>& data, qsizetype from, qsizetype end,
                      const QVector<BytePair>& pairs)
{
    for (qsizetype p = from; p < end; ++p) {
        for (const BytePair& pair : pairs) {
            if (pairAt(data.data() + p, pair))
                return p;
        }
    }
    return end;
}

// Random bytes from `alphabet`; one more byte than searched, readable past the end.
std::vector<quint8> bytesFrom(const QByteArray& alphabet, std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<quint8> data(size + 1);
    for (quint8& b : data)
        b = quint8(alphabet.at(int(random() % unsigned(alphabet.size()))));
    return data;
}

BytePair pairOf(quint8 first, quint8 second, BytePair::Rule rule, quint8 secondLast = 0)
{
    BytePair pair;
    pair.first = first;
    pair.second = second;
    pair.rule = rule;
    pair.secondLast = secondLast;
    return pair;
}

} // namespace

void BytePairSearchTest::search_data()
{
    QTest::addColumn<QByteArray>("alphabet");
    QTest::addColumn<QVector<BytePair>>("pairs");

    const QByteArray sparse = QByteArray::fromHex("ffd8d93f00") + QByteArray(40, 'x');
    const QByteArray denseFF = QByteArray::fromHex("ffffffff3f00d8d9");
    const QVector<BytePair> startOfImage{pairOf(0xFF, 0xD8, BytePair::SecondIs)};
    const QVector<BytePair> marker{pairOf(0xFF, 0x00, BytePair::SecondIsNot)};
    const QVector<BytePair> anyAfter{pairOf(0xD9, 0, BytePair::AnySecond)};
    const QVector<BytePair> mixed{pairOf(0xFF, 0xD8, BytePair::SecondIs), pairOf(0x3F, 0xFF, BytePair::SecondIs),
                                  pairOf(0x00, 0xD9, BytePair::SecondIs)};

    QTest::newRow("FF D8 in sparse data") << sparse << startOfImage;
    QTest::newRow("FF D8 among runs of FF") << denseFF << startOfImage;
    QTest::newRow("FF not before 00, sparse") << sparse << marker;
    QTest::newRow("FF not before 00, dense") << denseFF << marker;
    QTest::newRow("first byte alone") << denseFF << anyAfter;
    const QVector<BytePair> twoStarts{pairOf(0xFF, 0xD8, BytePair::SecondIs), pairOf(0x3F, 0xD9, BytePair::SecondIs)};
    const QVector<BytePair> fourPairs{pairOf(0xFF, 0xD8, BytePair::SecondIs), pairOf(0x3F, 0xFF, BytePair::SecondIs),
                                      pairOf(0x00, 0xD9, BytePair::SecondIs), pairOf(0xD9, 0xFF, BytePair::SecondIs)};
    const QVector<BytePair> mixedRules{pairOf(0xFF, 0xD8, BytePair::SecondIs), pairOf(0xD9, 0, BytePair::AnySecond)};
    QTest::newRow("two pairs") << sparse << twoStarts;
    QTest::newRow("three pairs") << denseFF << mixed;
    QTest::newRow("four pairs") << denseFF << fourPairs;
    QTest::newRow("pairs of different rules") << denseFF << mixedRules;
    QTest::newRow("five pairs") << denseFF << (fourPairs + QVector<BytePair>{pairOf(0xD8, 0xD9, BytePair::SecondIs)});
    QTest::newRow("no pair at all") << QByteArray::fromHex("ff3f") << startOfImage;
    // Marker codes DA to EF after FF, among runs of FF, stuffed FF 00 and
    // the codes just outside the range.
    const QByteArray markerCodes = QByteArray::fromHex("ffffffffff00d9daeff0e5");
    QTest::newRow("second in a range") << markerCodes
                                       << QVector<BytePair>{pairOf(0xFF, 0xDA, BytePair::SecondInRange, 0xEF)};
    QTest::newRow("second in a range up to FF")
        << markerCodes << QVector<BytePair>{pairOf(0xFF, 0xF0, BytePair::SecondInRange, 0xFF)};
    QTest::newRow("second in a range of one") << markerCodes
                                              << QVector<BytePair>{pairOf(0xFF, 0x00, BytePair::SecondInRange, 0x00)};
    QTest::newRow("second in an empty range")
        << markerCodes << QVector<BytePair>{pairOf(0xFF, 0xEF, BytePair::SecondInRange, 0xDA)};
    QTest::newRow("a range among other pairs")
        << markerCodes
        << QVector<BytePair>{pairOf(0xFF, 0xDA, BytePair::SecondInRange, 0xEF), pairOf(0xF0, 0xE5, BytePair::SecondIs)};
}

void BytePairSearchTest::search()
{
    QFETCH(QByteArray, alphabet);
    QFETCH(QVector<BytePair>, pairs);

    constexpr qsizetype kSize = 4000;
    const std::vector<quint8> data = bytesFrom(alphabet, kSize, 11);
    const quint8* base = data.data();
    for (qsizetype from = 0; from < 140; ++from) {
        for (const qsizetype end : {from, from + 1, from + 63, from + 64, from + 65, from + 200, kSize}) {
            if (end > kSize)
                continue;
            const quint8* hit = findBytePair(base + from, base + end, pairs.constData(), pairs.size());
            QCOMPARE(qsizetype(hit - base), expectedHit(data, from, end, pairs));
        }
    }
}

void BytePairSearchTest::distinctPairs()
{
    BytePairs pairs;
    addDistinctPair(pairs, pairOf(0xFF, 0xD8, BytePair::SecondIs));
    addDistinctPair(pairs, pairOf(0xFF, 0xD8, BytePair::SecondIs));
    addDistinctPair(pairs, pairOf(0xFF, 0xD8, BytePair::AnySecond));
    addDistinctPair(pairs, pairOf(0xFF, 0xC4, BytePair::SecondIs));
    QCOMPARE(pairs.size(), 3);
    QCOMPARE(pairs[2].second, quint8(0xC4));
}

QTEST_GUILESS_MAIN(BytePairSearchTest)
#include "tst_byte_pair_search.moc"
