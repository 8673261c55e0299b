#include "global_state.h"
#include "huffman_lookup.h"
#include "tables/huffman/known_dht_segment.h"
#include "tables/huffman/typical_huffman_tables.h"

#include <QtTest>

#include <map>
#include <set>

using namespace typical_huffman;

namespace {

// Entries per length field, in catalogue order: the tables of each entry as
// "class/identifier:value count".
const std::map<int, QStringList>& expectedLayouts()
{
    static const std::map<int, QStringList> layouts = [] {
        std::map<int, QStringList> m;
        auto single = [&m](std::initializer_list<int> lengths, const QStringList& classes) {
            for (int length : lengths)
                for (const QString& c : classes)
                    m[length] << QString("%1:%2").arg(c).arg(length - 19);
        };
        single({25}, {"01", "01"});
        single({26}, {"01", "01", "01"});
        single({27}, {"00", "01", "01"});
        single({28}, {"00", "00", "00", "00", "00"});
        single({29}, {"00", "00", "00", "00", "00", "00"});
        single({30}, {"01", "01"});
        single({31}, {"00", "01", "00", "00"});
        single({32, 34, 35, 37, 38, 40, 41, 43, 46, 47, 49, 50, 57, 65}, {"11"});
        single({42, 45, 48, 53, 54, 55}, {"11", "11"});
        single({51, 60, 62, 64, 82, 87, 94, 105}, {"10"});
        single({56, 181}, {"10", "11"});
        single({58, 61, 63, 71, 74, 75, 84}, {"10", "10"});
        single({69, 76, 79}, {"10", "10", "10"});
        single({70, 73, 78}, {"10", "11", "10"});
        m[152] << "00:10 01:6 10:44 11:22";
        m[156] << "00:8 01:5 10:46 11:27";
        m[158] << "00:9 01:7 10:50 11:22";
        m[162] << "00:9 01:7 10:52 11:24";
        m[163] << "00:10 01:8 10:44 11:31";
        m[165] << "00:8 01:5 10:53 11:29" << "00:8 01:7 10:51 11:29";
        m[166] << "00:10 01:7 10:52 11:27";
        m[167] << "00:9 01:8 10:45 11:35";
        m[169] << "00:8 01:7 10:56 11:28";
        m[173] << "00:9 01:7 10:53 11:34";
        m[175] << "00:9 01:9 10:46 11:41";
        m[176] << "00:9 01:8 10:57 11:32";
        m[186] << "00:9 01:6 10:63 11:38";
        m[188] << "00:9 01:6 10:79 11:24";
        m[190] << "00:9 01:8 10:65 11:38";
        m[191] << "00:11 10:67 01:7 11:36";
        m[192] << "00:10 01:8 10:64 11:40";
        m[194] << "00:8 01:7 10:67 11:42";
        m[197] << "00:9 01:9 10:59 11:50";
        m[202] << "00:10 10:68 01:9 11:45";
        m[206] << "00:12 01:11 10:55 11:58";
        m[210] << "00:12 01:11 10:58 11:59";
        m[212] << "00:12 10:72 01:10 11:48" << "00:12 10:71 01:10 11:49";
        m[216] << "00:12 01:11 10:63 11:60";
        m[217] << "00:12 01:10 10:68 11:57";
        m[221] << "00:12 10:73 01:11 11:55";
        m[234] << "00:12 01:11 10:79 11:62";
        m[238] << "00:12 10:79 01:11 11:66";
        m[239] << "00:9 01:7 10:33 11:52 12:10 13:24";
        m[244] << "00:10 01:6 10:35 11:65 12:41";
        m[248] << "00:10 01:9 10:33 11:61 12:48";
        m[251] << "00:10 01:7 10:34 11:55 12:18 13:23";
        m[252] << "00:12 01:10 10:97 11:63";
        m[257] << "00:10 01:8 10:37 11:69 12:46";
        m[259] << "00:9 01:7 10:36 11:56 12:23 13:24";
        m[295] << "00:12 01:11 10:122 11:80";
        m[319] << "00:12 01:12 10:114 11:111";
        m[418] << "00:12 10:162 01:12 11:162";
        for (int i = 0; i < 2; ++i)
            m[418] << "00:12 01:12 10:162 11:162";
        m[418] << "01:12 11:162 00:12 10:162";
        for (int i = 0; i < 3; ++i)
            m[418] << "00:12 01:12 10:162 11:162";
        return m;
    }();
    return layouts;
}

int expectedKeyLength(int lengthField)
{
    static const std::map<int, int> special{{25, 27}, {26, 28}, {27, 29}, {28, 29}, {29, 29}, {30, 25},
                                            {32, 25}, {31, 24}, {181, 24}, {212, 24}};
    const auto it = special.find(lengthField);
    return it == special.end() ? 21 : it->second;
}

struct ParsedTable {
    int classAndId;
    QByteArray counts;
    QByteArray values;
};

// The tables of a segment; an empty list when they do not fill it exactly.
QVector<ParsedTable> tablesOf(const QByteArray& segment)
{
    QVector<ParsedTable> tables;
    int pos = 4;
    while (pos + 17 <= segment.size()) {
        ParsedTable table{quint8(segment[pos]), segment.mid(pos + 1, 16), {}};
        int valueCount = 0;
        for (char c : table.counts)
            valueCount += quint8(c);
        table.values = segment.mid(pos + 17, valueCount);
        if (table.values.size() != valueCount)
            return {};
        tables.append(table);
        pos += 17 + valueCount;
    }
    return pos == segment.size() ? tables : QVector<ParsedTable>();
}

QString layoutOf(const QVector<ParsedTable>& tables)
{
    QStringList items;
    for (const ParsedTable& t : tables)
        items << QString("%1:%2").arg(t.classAndId, 2, 16, QChar('0')).arg(t.values.size());
    return items.join(' ');
}

// A prefix code whose all-ones code of the longest length stays unused, as
// ISO/IEC 10918-1 requires.
bool countsFormValidCode(const QByteArray& counts)
{
    qint64 used = 0;
    for (int length = 1; length <= 16; ++length)
        used += qint64(quint8(counts[length - 1])) << (16 - length);
    return used < (qint64(1) << 16);
}

bool valuesAreValid(const ParsedTable& table)
{
    const bool dc = (table.classAndId >> 4) == 0;
    std::set<int> seen;
    for (char c : table.values) {
        const int v = quint8(c);
        const int size = v & 0x0F;
        const bool valid = dc ? v <= 11 : (v == 0x00 || v == 0xF0 || (size >= 1 && size <= 10));
        if (!valid || !seen.insert(v).second)
            return false;
    }
    return true;
}

QByteArray entryBytes(const KnownDhtSegment& entry)
{
    return QByteArray(reinterpret_cast<const char*>(entry.segment), entry.size());
}

// Index in the catalogue of entry 'number' (from 1) of a length field.
int indexOf(int lengthField, int number)
{
    int seen = 0;
    for (std::size_t i = 0; i < kKnownDhtSegments.size(); ++i)
        if (int(kKnownDhtSegments[i].lengthField()) == lengthField && ++seen == number)
            return int(i);
    return -1;
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

} // namespace

// The catalogue as data: its entries per length, their layouts, keys and
// codes, its fixed members, and that every entry is found for itself.
class HuffmanCatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void entriesPerLength();
    void layoutsAndKeys();
    void everyTableIsAValidCode();
    void typicalEntries_data();
    void typicalEntries();
    void fixedLeadingBytes_data();
    void fixedLeadingBytes();
    void segmentEqualToAnEntry_data();
    void segmentEqualToAnEntry();
    void shortSegmentsWithChangedLastValues_data();
    void shortSegmentsWithChangedLastValues();
};

void HuffmanCatalogueTest::entriesPerLength()
{
    std::map<int, int> counts;
    int previous = 0;
    for (const KnownDhtSegment& entry : kKnownDhtSegments) {
        QVERIFY2(int(entry.lengthField()) >= previous, "entries are grouped by ascending length");
        previous = int(entry.lengthField());
        ++counts[previous];
    }
    QCOMPARE(int(counts.size()), 88);
    for (const auto& [length, layouts] : expectedLayouts())
        QCOMPARE(counts[length], layouts.size());
    QCOMPARE(int(kKnownDhtSegments.size()), 141);
}

void HuffmanCatalogueTest::layoutsAndKeys()
{
    std::map<int, int> number;
    for (const KnownDhtSegment& entry : kKnownDhtSegments) {
        const int length = int(entry.lengthField());
        const QString where = QString("length %1 entry %2").arg(length).arg(number[length] + 1);
        QCOMPARE(entry.segment[0], quint8(0xFF));
        QCOMPARE(entry.segment[1], quint8(0xC4));
        QVERIFY2(entry.size() <= 420, qPrintable(where));
        QVERIFY2(entry.keyLength == expectedKeyLength(length), qPrintable(where));
        QVERIFY2(entry.keyLength <= qMin(29, entry.size()), qPrintable(where));
        const QVector<ParsedTable> tables = tablesOf(entryBytes(entry));
        QVERIFY2(!tables.isEmpty(), qPrintable(where + ": tables do not fill the segment"));
        QCOMPARE(layoutOf(tables), expectedLayouts().at(length).at(number[length]++));
        QCOMPARE(entry.holdsSeveralTables(), tables.size() > 1);
    }
}

void HuffmanCatalogueTest::everyTableIsAValidCode()
{
    for (const KnownDhtSegment& entry : kKnownDhtSegments)
        for (const ParsedTable& table : tablesOf(entryBytes(entry))) {
            const QString where = QString("length %1, table %2").arg(entry.lengthField()).arg(table.classAndId, 2, 16);
            QVERIFY2(countsFormValidCode(table.counts), qPrintable(where));
            QVERIFY2(valuesAreValid(table), qPrintable(where));
        }
}

void HuffmanCatalogueTest::typicalEntries_data()
{
    QTest::addColumn<int>("lengthField");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("segment");
    QTest::newRow("31/1 K.3") << 31 << 1 << toBytes(kLuminanceDcSegment);
    QTest::newRow("31/2 K.4") << 31 << 2 << toBytes(kChrominanceDcSegment);
    QTest::newRow("181/1 K.5") << 181 << 1 << toBytes(kLuminanceAcSegment);
    QTest::newRow("181/2 K.6") << 181 << 2 << toBytes(kChrominanceAcSegment);
    QTest::newRow("418/1") << 418 << 1 << toBytes(kLuminancePairFirstSegment);
    QTest::newRow("418/4") << 418 << 4 << toBytes(kChrominancePairFirstSegment);
    QTest::newRow("418/6") << 418 << 6 << toBytes(kDcTablesFirstSegment);
}

void HuffmanCatalogueTest::typicalEntries()
{
    QFETCH(int, lengthField);
    QFETCH(int, number);
    QFETCH(QByteArray, segment);
    QCOMPARE(entryBytes(kKnownDhtSegments[std::size_t(indexOf(lengthField, number))]), segment);
}

void HuffmanCatalogueTest::fixedLeadingBytes_data()
{
    QTest::addColumn<int>("lengthField");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("leading");
    QTest::newRow("25/1") << 25 << 1 << hex("ffc400190100030101010000000000000000000000010203040005");
    QTest::newRow("25/2") << 25 << 2 << hex("ffc400190101010101010100000000000000000000000102030405");
    QTest::newRow("30/1") << 30 << 1 << hex("ffc4001e010001050101010101000000000000000003000102");
    QTest::newRow("31/3") << 31 << 3 << hex("ffc4001f0000010402030101000000000000000000040203");
    QTest::newRow("165/1") << 165 << 1 << hex("ffc400a50000020301010100000000000000000000");
    QTest::newRow("165/2") << 165 << 2 << hex("ffc400a50000020301010100000000000000000000");
    QTest::newRow("212/1") << 212 << 1 << hex("ffc400d40000000603010101000000000000000000000102");
    QTest::newRow("212/2") << 212 << 2 << hex("ffc400d40000000603010101000000000000000000000104");
    QTest::newRow("418/2") << 418 << 2 << hex("ffc401a20000000602030100000000000000000000");
    QTest::newRow("418/5") << 418 << 5 << hex("ffc401a20000000602030100000000000000000000");
    QTest::newRow("418/7") << 418 << 7 << hex("ffc401a2000001050101010101010000000000000003000102");
}

void HuffmanCatalogueTest::fixedLeadingBytes()
{
    QFETCH(int, lengthField);
    QFETCH(int, number);
    QFETCH(QByteArray, leading);
    QVERIFY(leading.size() >= 21);
    QCOMPARE(entryBytes(kKnownDhtSegments[std::size_t(indexOf(lengthField, number))]).left(leading.size()), leading);
}

// A segment equal to an entry gets that entry, except where an earlier entry
// has the same key: with several DHT segments in the file the key alone
// decides; with one, the further table headers tell the entries apart.
void HuffmanCatalogueTest::segmentEqualToAnEntry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("segmentCount");
    QTest::addColumn<int>("expected");
    const std::map<std::pair<int, int>, int> keyTakenEarlier{
        {{165, 2}, 1}, {{418, 5}, 2}, {{418, 6}, 1}, {{418, 7}, 1}};
    std::map<int, int> number;
    for (int i = 0; i < int(kKnownDhtSegments.size()); ++i) {
        const int length = int(kKnownDhtSegments[std::size_t(i)].lengthField());
        const int n = ++number[length];
        const auto earlier = keyTakenEarlier.find({length, n});
        const int severalExpected = earlier == keyTakenEarlier.end() ? i : indexOf(length, earlier->second);
        QTest::addRow("%d/%d, several segments", length, n) << i << 4 << severalExpected;
        QTest::addRow("%d/%d, one segment", length, n) << i << 1 << i;
    }
}

void HuffmanCatalogueTest::segmentEqualToAnEntry()
{
    QFETCH(int, index);
    QFETCH(int, segmentCount);
    QFETCH(int, expected);
    lookUpDhtSegment(entryBytes(kKnownDhtSegments[std::size_t(index)]), segmentCount);
    QCOMPARE(dhtReplacement(), entryBytes(kKnownDhtSegments[std::size_t(expected)]));
}

// The shortest segments are keyed by all or nearly all of their bytes: a
// changed value inside the key finds nothing, one past it is restored.
void HuffmanCatalogueTest::shortSegmentsWithChangedLastValues_data()
{
    QTest::addColumn<int>("lengthField");
    QTest::addColumn<int>("changedValues");
    QTest::addColumn<bool>("restored");
    QTest::newRow("25, last value") << 25 << 1 << false;
    QTest::newRow("26, last value") << 26 << 1 << false;
    QTest::newRow("27, last value") << 27 << 1 << false;
    QTest::newRow("28, last value") << 28 << 1 << true;
    QTest::newRow("28, last two values") << 28 << 2 << false;
    QTest::newRow("29, last two values") << 29 << 2 << true;
    QTest::newRow("29, last three values") << 29 << 3 << false;
}

void HuffmanCatalogueTest::shortSegmentsWithChangedLastValues()
{
    QFETCH(int, lengthField);
    QFETCH(int, changedValues);
    QFETCH(bool, restored);
    const QByteArray entry = entryBytes(kKnownDhtSegments[std::size_t(indexOf(lengthField, 1))]);
    QByteArray changed = entry;
    for (int i = 1; i <= changedValues; ++i)
        changed[changed.size() - i] = char(0x0E);  // no DC category
    lookUpDhtSegment(changed, 4);
    QCOMPARE(dhtReplacement(), restored ? entry : QByteArray());
}

QTEST_GUILESS_MAIN(HuffmanCatalogueTest)
#include "tst_huffman_catalogue.moc"
