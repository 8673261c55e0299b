// Writes the Huffman table catalogue source: every entry of the catalogue
// layout filled with tables that cjpeg's optimized coding produced, and the
// typical-table entries taken from tables/huffman/typical_huffman_tables.h.
#include "catalogue_layout.h"
#include "encoded_tables.h"
#include "table_choice.h"
#include "test_images.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <map>

namespace {

struct BuiltEntry {
    EntrySlot slot;
    QByteArray segment;
    QStringList sources;
};

std::vector<HuffmanTable> drawnTables()
{
    std::vector<HuffmanTable> tables;
    const QList<QStringList> modes{{"-sample", "2x2"}, {"-sample", "1x1"}, {"-grayscale"}};
    for (const NamedImage& drawn : drawnImages())
        for (int quality : {10, 30, 50, 75, 90, 100})
            for (const QStringList& mode : modes) {
                const QStringList options = QStringList{"-quality", QString::number(quality)} + mode;
                const QString source = "cjpeg -optimize " + options.join(' ') + ": " + drawn.name;
                for (const HuffmanTable& table : tablesOfJpeg(encodeWithCjpeg(drawn.image, options), source))
                    tables.push_back(table);
            }
    return tables;
}

QByteArray withHeader(const QByteArray& tables)
{
    const int lengthField = tables.size() + 2;
    return QByteArray("\xFF\xC4", 2) + char(lengthField >> 8) + char(lengthField) + tables;
}

int countSum(const QByteArray& segment, int countsAt)
{
    int sum = 0;
    for (int i = countsAt; i < countsAt + 16 && i < segment.size(); ++i)
        sum += quint8(segment[i]);
    return sum;
}

// Whether an earlier entry would be chosen for a file whose only DHT segment
// equals this one.
bool shadowsInOneSegmentMode(const QByteArray& earlier, const QByteArray& entry)
{
    if (earlier.left(21) != entry.left(21))
        return false;
    int offset = 21 + countSum(entry, 5);
    for (int i = 0; i < 3; ++i) {
        if (offset + 17 > earlier.size() || earlier.mid(offset, 17) != entry.mid(offset, 17))
            return false;
        offset += 17 + countSum(entry, offset + 1);
    }
    return true;
}

bool keyIsFixed(const EntrySlot& slot)
{
    return !slot.typicalSegment.isEmpty() || !slot.tables.front().fixedCounts.isEmpty();
}

std::optional<BuiltEntry> buildEntry(const EntrySlot& slot, const std::vector<BuiltEntry>& sameLength,
                                     TableSource& source)
{
    if (!slot.typicalSegment.isEmpty())
        return BuiltEntry{slot, slot.typicalSegment, {"typical tables of ITU-T T.81 Annex K.3"}};
    for (int attempt = 0; attempt < 20; ++attempt) {
        BuiltEntry built{slot, {}, {}};
        QByteArray tables;
        for (std::size_t t = 0; t < slot.tables.size(); ++t) {
            const TableSlot& tableSlot = slot.tables[t];
            // The first table decides the key: it must not repeat an earlier key
            // unless the position's key is fixed.
            auto acceptable = [&](const HuffmanTable& table) {
                if (t != 0 || keyIsFixed(slot))
                    return true;
                const QByteArray key = withHeader(table.bytes(tableSlot.classAndId)).left(slot.keyLength);
                return std::none_of(sameLength.begin(), sameLength.end(), [&](const BuiltEntry& e) {
                    return e.segment.left(slot.keyLength) == key;
                });
            };
            const std::optional<HuffmanTable> table = source.tableFor(tableSlot, acceptable);
            if (!table)
                return std::nullopt;
            tables += table->bytes(tableSlot.classAndId);
            built.sources << QString("%1: %2").arg(tableSlot.classAndId, 2, 16, QChar('0')).arg(table->source);
        }
        built.segment = withHeader(tables);
        const bool shadowed = slot.tables.size() > 1 &&
                              std::any_of(sameLength.begin(), sameLength.end(), [&](const BuiltEntry& e) {
                                  return shadowsInOneSegmentMode(e.segment, built.segment);
                              });
        if (!shadowed && built.segment.size() == slot.lengthField + 2)
            return built;
    }
    return std::nullopt;
}

QString arrayName(const BuiltEntry& entry, int number)
{
    return QString("kLength%1Entry%2").arg(entry.slot.lengthField).arg(number);
}

void writeSource(const std::vector<BuiltEntry>& entries, QTextStream& out)
{
    out << "// Known-good DHT segments, grouped by length field in ascending order; within\n"
           "// one length the order is the match priority. Written by tools/dht_catalogue\n"
           "// from the optimized Huffman tables that cjpeg (libjpeg-turbo) produced for\n"
           "// images the tool draws; each entry names the encoding of each of its tables.\n"
           "#include \"known_dht_segment.h\"\n"
           "#include \"typical_huffman_tables.h\"\n\nnamespace {\n";
    std::map<int, int> numbers;
    std::vector<QString> references;
    for (const BuiltEntry& entry : entries) {
        const int number = ++numbers[entry.slot.lengthField];
        if (entry.slot.typicalName) {
            references.push_back(QString("typical_huffman::%1.data()").arg(entry.slot.typicalName));
            continue;
        }
        out << "\n// Length " << entry.slot.lengthField << ", entry " << number << ".\n";
        for (const QString& source : entry.sources)
            out << "// " << source << "\n";
        out << "constexpr quint8 " << arrayName(entry, number) << "[] = {";
        for (int i = 0; i < entry.segment.size(); ++i)
            out << (i % 12 == 0 ? "\n    " : " ") << QString("0x%1,").arg(quint8(entry.segment[i]), 2, 16, QChar('0')).toUpper().replace("0X", "0x");
        out << "\n};\n";
        references.push_back(arrayName(entry, number));
    }
    out << "\n} // namespace\n\n"
           "const std::array<KnownDhtSegment, kKnownDhtSegmentCount> kKnownDhtSegments = {{\n";
    for (std::size_t i = 0; i < entries.size(); ++i)
        out << "    {" << references[i] << ", " << entries[i].slot.keyLength << "},\n";
    out << "}};\n";
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dht_catalogue <output.cpp>\n");
        return 2;
    }
    std::mt19937 random(20261210);
    std::vector<HuffmanTable> drawn = drawnTables();
    std::fprintf(stderr, "%zu tables from drawn images\n", drawn.size());
    TableSource source(std::move(drawn), random);
    std::fprintf(stderr, "%zu AC block designs ready\n", source.designCount());
    std::vector<BuiltEntry> entries;
    std::map<int, std::vector<BuiltEntry>> byLength;
    for (const EntrySlot& slot : catalogueLayout()) {
        const std::optional<BuiltEntry> built = buildEntry(slot, byLength[slot.lengthField], source);
        if (!built) {
            std::fprintf(stderr, "no tables for an entry of length %d\n", slot.lengthField);
            return 1;
        }
        entries.push_back(*built);
        byLength[slot.lengthField].push_back(*built);
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream out(&file);
    writeSource(entries, out);
    std::fprintf(stderr, "%zu entries written\n", entries.size());
    return 0;
}
