#pragma once

#include "catalogue_layout.h"
#include "encoded_tables.h"
#include "test_images.h"

#include <functional>
#include <optional>
#include <random>
#include <set>
#include <vector>

// Supplies a real encoder table for each table slot of the catalogue: first
// from the tables cjpeg wrote for the drawn images, otherwise from an image
// made to need exactly the slot's codes. A table is handed out only once.
class TableSource {
public:
    TableSource(std::vector<HuffmanTable> drawnTables, std::mt19937& random);

    using Acceptable = std::function<bool(const HuffmanTable&)>;
    std::optional<HuffmanTable> tableFor(const TableSlot& slot, const Acceptable& acceptable);
    std::size_t designCount() const { return m_designs.size(); }

private:
    std::optional<HuffmanTable> fromDrawn(const TableSlot& slot, const Acceptable& acceptable);
    std::optional<HuffmanTable> dcWithFixedCounts(const TableSlot& slot, const Acceptable& acceptable);
    std::optional<HuffmanTable> dcWithValueCount(const TableSlot& slot, const Acceptable& acceptable);
    std::optional<HuffmanTable> acWithValueCount(const TableSlot& slot, const Acceptable& acceptable);
    std::optional<HuffmanTable> take(const std::vector<HuffmanTable>& candidates, const TableSlot& slot,
                                     const Acceptable& acceptable);

    std::vector<HuffmanTable> m_drawn;
    std::vector<AcBlockDesign> m_designs;
    std::set<QByteArray> m_used;
    std::mt19937& m_random;
};
