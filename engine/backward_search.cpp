#include "backward_search.h"

#include "file_window.h"

#include <algorithm>
#include <vector>

qint64 findLastPair(FileWindow& file, qint64 from, qint64 lowest, quint8 first, quint8 second)
{
    constexpr qint64 kBlock = 64 * 1024;
    lowest = std::max<qint64>(lowest, 0);
    std::vector<quint8> block(std::size_t(kBlock) + 1);
    qint64 end = from; // highest candidate still to look at
    while (end >= lowest) {
        const qint64 start = std::max(lowest, end - kBlock + 1);
        const std::size_t count = std::size_t(end - start + 2);
        file.read(start, block.data(), count);
        for (qint64 o = end; o >= start; --o) {
            const std::size_t i = std::size_t(o - start);
            if (block[i] == first && block[i + 1] == second)
                return o;
        }
        end = start - 1;
    }
    return -1;
}
