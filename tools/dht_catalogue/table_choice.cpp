#include "table_choice.h"

#include <QStringList>

#include <algorithm>
#include <map>

namespace {

const QStringList kExactOptions{"-quality", "100", "-dct", "float"};
const QString kExactSource = "cjpeg -optimize -quality 100 -dct float: ";

int valueCount(const QByteArray& counts)
{
    int sum = 0;
    for (char c : counts)
        sum += quint8(c);
    return sum;
}

// Code values per code length for fixed counts: the leading values first,
// then the smallest free categories, ascending within each length as an
// optimizing encoder lists them.
std::optional<std::vector<std::vector<int>>> valuesByLength(const TableSlot& slot)
{
    std::vector<std::vector<int>> byLength(17);
    std::set<int> used;
    int leading = 0;
    for (int length = 1; length <= 16; ++length)
        for (int i = 0; i < quint8(slot.fixedCounts[length - 1]); ++i) {
            int value = -1;
            if (leading < slot.leadingValues.size()) {
                value = quint8(slot.leadingValues[leading++]);
            } else {
                const int after = byLength[length].empty() ? -1 : byLength[length].back();
                for (int v = after + 1; v <= 11 && value < 0; ++v)
                    if (!used.count(v))
                        value = v;
            }
            if (value < 0 || used.count(value))
                return std::nullopt;
            used.insert(value);
            byLength[length].push_back(value);
        }
    return byLength;
}

std::optional<HuffmanTable> dcTableOf(const QImage& image, const QString& name)
{
    const QByteArray jpeg = encodeWithCjpeg(image, kExactOptions);
    for (const HuffmanTable& table : tablesOfJpeg(jpeg, kExactSource + name))
        if (table.isDc())
            return table;
    return std::nullopt;
}

} // namespace

TableSource::TableSource(std::vector<HuffmanTable> drawnTables, std::mt19937& random)
    : m_drawn(std::move(drawnTables)), m_designs(acBlockDesigns(random)), m_random(random)
{
}

std::optional<HuffmanTable> TableSource::tableFor(const TableSlot& slot, const Acceptable& acceptable)
{
    if (!slot.fixedCounts.isEmpty())
        return dcWithFixedCounts(slot, acceptable);
    if (std::optional<HuffmanTable> drawn = fromDrawn(slot, acceptable))
        return drawn;
    return (slot.classAndId >> 4) == 0 ? dcWithValueCount(slot, acceptable) : acWithValueCount(slot, acceptable);
}

std::optional<HuffmanTable> TableSource::take(const std::vector<HuffmanTable>& candidates, const TableSlot& slot,
                                              const Acceptable& acceptable)
{
    for (const HuffmanTable& table : candidates) {
        const QByteArray key = table.counts + table.values;
        if (table.values.size() != slot.valueCount || m_used.count(key) || !acceptable(table))
            continue;
        m_used.insert(key);
        return table;
    }
    return std::nullopt;
}

std::optional<HuffmanTable> TableSource::fromDrawn(const TableSlot& slot, const Acceptable& acceptable)
{
    // Prefer a table that the encoder wrote for the same class and identifier.
    std::vector<HuffmanTable> sameClass, otherId;
    for (const HuffmanTable& table : m_drawn) {
        if ((table.classAndId >> 4) != (slot.classAndId >> 4))
            continue;
        (table.classAndId == slot.classAndId ? sameClass : otherId).push_back(table);
    }
    if (std::optional<HuffmanTable> table = take(sameClass, slot, acceptable))
        return table;
    return take(otherId, slot, acceptable);
}

std::optional<HuffmanTable> TableSource::dcWithFixedCounts(const TableSlot& slot, const Acceptable& acceptable)
{
    const std::optional<std::vector<std::vector<int>>> byLength = valuesByLength(slot);
    if (!byLength)
        return std::nullopt;
    // Frequencies that halve with each code length give exactly these code
    // lengths; the encoder's reserved code takes the last place.
    int longest = 16;
    while (slot.fixedCounts[longest - 1] == 0)
        --longest;
    std::map<int, int> frequency;
    QString profile;
    for (int length = 1; length <= longest; ++length)
        for (int value : (*byLength)[length]) {
            frequency[value] = 1 << (longest - length);
            profile += QString(" %1:%2").arg(value).arg(frequency[value]);
        }
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QImage image = dcCategoryImage(frequency, m_random);
        if (image.isNull())
            continue;
        const std::optional<HuffmanTable> table = dcTableOf(image, "blocks with DC difference category:count" + profile);
        // Positions with fixed counts may share a table, so it is not marked as used.
        if (table && table->counts == slot.fixedCounts && table->values.startsWith(slot.leadingValues) &&
            acceptable(*table))
            return table;
    }
    return std::nullopt;
}

std::optional<HuffmanTable> TableSource::dcWithValueCount(const TableSlot& slot, const Acceptable& acceptable)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        std::vector<int> categories{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        std::shuffle(categories.begin(), categories.end(), m_random);
        categories.resize(std::size_t(slot.valueCount));
        std::map<int, int> frequency;
        QString profile;
        for (int category : categories) {
            frequency[category] = std::uniform_int_distribution<int>(1, 48)(m_random);
            profile += QString(" %1:%2").arg(category).arg(frequency[category]);
        }
        const QImage image = dcCategoryImage(frequency, m_random);
        if (image.isNull())
            continue;
        if (const std::optional<HuffmanTable> table =
                dcTableOf(image, "blocks with DC difference category:count" + profile))
            if (std::optional<HuffmanTable> taken = take({*table}, slot, acceptable))
                return taken;
    }
    return std::nullopt;
}

std::optional<HuffmanTable> TableSource::acWithValueCount(const TableSlot& slot, const Acceptable& acceptable)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        std::vector<const AcBlockDesign*> order;
        for (const AcBlockDesign& design : m_designs)
            order.push_back(&design);
        std::shuffle(order.begin(), order.end(), m_random);
        // Designs whose symbols together make exactly the slot's number of codes.
        std::set<int> symbols;
        std::vector<const AcBlockDesign*> chosen;
        for (const AcBlockDesign* design : order) {
            std::set<int> with = symbols;
            with.insert(design->symbols.begin(), design->symbols.end());
            if (int(with.size()) > slot.valueCount || with.size() == symbols.size())
                continue;
            symbols = with;
            chosen.push_back(design);
        }
        if (int(symbols.size()) != slot.valueCount)
            continue;
        std::vector<int> weights;
        for (std::size_t i = 0; i < chosen.size(); ++i)
            weights.push_back(std::uniform_int_distribution<int>(1, 24)(m_random));
        const QImage image = acDesignImage(chosen, weights, m_random);
        const QString name = QString("blocks built for %1 AC codes, seed %2").arg(slot.valueCount).arg(attempt);
        const QByteArray jpeg = encodeWithCjpeg(image, kExactOptions);
        for (const HuffmanTable& table : tablesOfJpeg(jpeg, kExactSource + name))
            if (!table.isDc())
                if (std::optional<HuffmanTable> taken = take({table}, slot, acceptable))
                    return taken;
    }
    return std::nullopt;
}
