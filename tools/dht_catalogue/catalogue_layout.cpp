#include "catalogue_layout.h"

#include "tables/huffman/typical_huffman_tables.h"

#include <QStringList>

#include <map>

using namespace typical_huffman;

namespace {

int keyLengthFor(int lengthField)
{
    switch (lengthField) {
    case 25: return 27;
    case 26: return 28;
    case 27: case 28: case 29: return 29;
    case 30: case 32: return 25;
    case 31: case 181: case 212: return 24;
    default: return 21;
    }
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray countsOf(std::initializer_list<int> values)
{
    QByteArray out = bytes(values);
    out.append(QByteArray(16 - out.size(), 0));
    return out;
}

template <typename Segment>
QByteArray segmentBytes(const Segment& segment)
{
    return QByteArray(reinterpret_cast<const char*>(segment.data()), int(segment.size()));
}

// Class/identifier bytes of the one-table lengths, one per entry in order.
const std::map<int, std::vector<int>>& singleTableClasses()
{
    static const std::map<int, std::vector<int>> classes = [] {
        std::map<int, std::vector<int>> m{
            {25, {0x01, 0x01}}, {26, {0x01, 0x01, 0x01}}, {27, {0x00, 0x01, 0x01}},
            {28, {0x00, 0x00, 0x00, 0x00, 0x00}}, {29, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
            {30, {0x01, 0x01}}, {31, {0x00, 0x01, 0x00, 0x00}}, {56, {0x10, 0x11}}, {181, {0x10, 0x11}}};
        for (int l : {32, 34, 35, 37, 38, 40, 41, 43, 46, 47, 49, 50, 57, 65})
            m[l] = {0x11};
        for (int l : {42, 45, 48, 53, 54, 55})
            m[l] = {0x11, 0x11};
        for (int l : {51, 60, 62, 64, 82, 87, 94, 105})
            m[l] = {0x10};
        for (int l : {58, 61, 63, 71, 74, 75, 84})
            m[l] = {0x10, 0x10};
        for (int l : {69, 76, 79})
            m[l] = {0x10, 0x10, 0x10};
        for (int l : {70, 73, 78})
            m[l] = {0x10, 0x11, 0x10};
        return m;
    }();
    return classes;
}

// Table layouts of the multi-table lengths, one string per entry.
const std::map<int, std::vector<const char*>>& multiTableLayouts()
{
    static const std::map<int, std::vector<const char*>> layouts{
        {152, {"00:10 01:6 10:44 11:22"}}, {156, {"00:8 01:5 10:46 11:27"}},
        {158, {"00:9 01:7 10:50 11:22"}}, {162, {"00:9 01:7 10:52 11:24"}},
        {163, {"00:10 01:8 10:44 11:31"}},
        {165, {"00:8 01:5 10:53 11:29", "00:8 01:7 10:51 11:29"}},
        {166, {"00:10 01:7 10:52 11:27"}}, {167, {"00:9 01:8 10:45 11:35"}},
        {169, {"00:8 01:7 10:56 11:28"}}, {173, {"00:9 01:7 10:53 11:34"}},
        {175, {"00:9 01:9 10:46 11:41"}}, {176, {"00:9 01:8 10:57 11:32"}},
        {186, {"00:9 01:6 10:63 11:38"}}, {188, {"00:9 01:6 10:79 11:24"}},
        {190, {"00:9 01:8 10:65 11:38"}}, {191, {"00:11 10:67 01:7 11:36"}},
        {192, {"00:10 01:8 10:64 11:40"}}, {194, {"00:8 01:7 10:67 11:42"}},
        {197, {"00:9 01:9 10:59 11:50"}}, {202, {"00:10 10:68 01:9 11:45"}},
        {206, {"00:12 01:11 10:55 11:58"}}, {210, {"00:12 01:11 10:58 11:59"}},
        {212, {"00:12 10:72 01:10 11:48", "00:12 10:71 01:10 11:49"}},
        {216, {"00:12 01:11 10:63 11:60"}}, {217, {"00:12 01:10 10:68 11:57"}},
        {221, {"00:12 10:73 01:11 11:55"}}, {234, {"00:12 01:11 10:79 11:62"}},
        {238, {"00:12 10:79 01:11 11:66"}},
        {239, {"00:9 01:7 10:33 11:52 12:10 13:24"}}, {244, {"00:10 01:6 10:35 11:65 12:41"}},
        {248, {"00:10 01:9 10:33 11:61 12:48"}}, {251, {"00:10 01:7 10:34 11:55 12:18 13:23"}},
        {252, {"00:12 01:10 10:97 11:63"}}, {257, {"00:10 01:8 10:37 11:69 12:46"}},
        {259, {"00:9 01:7 10:36 11:56 12:23 13:24"}}, {295, {"00:12 01:11 10:122 11:80"}},
        {319, {"00:12 01:12 10:114 11:111"}},
        {418, {"", "00:12 01:12 10:162 11:162", "00:12 01:12 10:162 11:162", "",
               "00:12 01:12 10:162 11:162", "", "00:12 01:12 10:162 11:162"}}};
    return layouts;
}

std::vector<TableSlot> parseLayout(const char* layout)
{
    std::vector<TableSlot> tables;
    for (const QString& item : QString(layout).split(' ', Qt::SkipEmptyParts)) {
        TableSlot slot;
        slot.classAndId = quint8(item.section(':', 0, 0).toInt(nullptr, 16));
        slot.valueCount = item.section(':', 1, 1).toInt();
        tables.push_back(slot);
    }
    return tables;
}

void fixFirstTable(EntrySlot& entry, const QByteArray& counts, const QByteArray& leading = {})
{
    entry.tables.front().fixedCounts = counts;
    entry.tables.front().leadingValues = leading;
}

void setTypical(EntrySlot& entry, const QByteArray& segment, const char* name)
{
    entry.tables.clear();
    entry.typicalSegment = segment;
    entry.typicalName = name;
}

} // namespace

std::vector<EntrySlot> catalogueLayout()
{
    std::map<int, std::vector<EntrySlot>> byLength;
    for (const auto& [length, classes] : singleTableClasses())
        for (int classAndId : classes) {
            EntrySlot entry;
            entry.lengthField = length;
            entry.keyLength = keyLengthFor(length);
            entry.tables.push_back({quint8(classAndId), length - 19, {}, {}});
            byLength[length].push_back(entry);
        }
    for (const auto& [length, layouts] : multiTableLayouts())
        for (const char* layout : layouts) {
            EntrySlot entry;
            entry.lengthField = length;
            entry.keyLength = keyLengthFor(length);
            entry.tables = parseLayout(layout);
            byLength[length].push_back(entry);
        }

    const QByteArray k3Counts(reinterpret_cast<const char*>(kLuminanceDc.counts), 16);
    fixFirstTable(byLength[25][0], countsOf({0, 3, 1, 1, 1}), bytes({1, 2, 3, 4, 0, 5}));
    fixFirstTable(byLength[25][1], countsOf({1, 1, 1, 1, 1, 1}), bytes({0, 1, 2, 3, 4, 5}));
    fixFirstTable(byLength[30][0], countsOf({0, 1, 5, 1, 1, 1, 1, 1}), bytes({3, 0, 1, 2}));
    fixFirstTable(byLength[31][2], countsOf({0, 1, 4, 2, 3, 1, 1}), bytes({4, 2, 3}));
    fixFirstTable(byLength[165][0], countsOf({0, 2, 3, 1, 1, 1}));
    fixFirstTable(byLength[165][1], countsOf({0, 2, 3, 1, 1, 1}));
    fixFirstTable(byLength[212][0], countsOf({0, 0, 6, 3, 1, 1, 1}), bytes({0, 1, 2}));
    fixFirstTable(byLength[212][1], countsOf({0, 0, 6, 3, 1, 1, 1}), bytes({0, 1, 4}));
    fixFirstTable(byLength[418][1], countsOf({0, 0, 6, 2, 3, 1}));
    fixFirstTable(byLength[418][4], countsOf({0, 0, 6, 2, 3, 1}));
    fixFirstTable(byLength[418][6], k3Counts, bytes({3, 0, 1, 2}));

    setTypical(byLength[31][0], segmentBytes(kLuminanceDcSegment), "kLuminanceDcSegment");
    setTypical(byLength[31][1], segmentBytes(kChrominanceDcSegment), "kChrominanceDcSegment");
    setTypical(byLength[181][0], segmentBytes(kLuminanceAcSegment), "kLuminanceAcSegment");
    setTypical(byLength[181][1], segmentBytes(kChrominanceAcSegment), "kChrominanceAcSegment");
    setTypical(byLength[418][0], segmentBytes(kLuminancePairFirstSegment), "kLuminancePairFirstSegment");
    setTypical(byLength[418][3], segmentBytes(kChrominancePairFirstSegment), "kChrominancePairFirstSegment");
    setTypical(byLength[418][5], segmentBytes(kDcTablesFirstSegment), "kDcTablesFirstSegment");

    std::vector<EntrySlot> layout;
    for (auto& [length, entries] : byLength)
        for (EntrySlot& entry : entries)
            layout.push_back(entry);
    return layout;
}
