#pragma once

#include "prefix_matcher.h"

// Known-good DQT segments for files whose first table begins with 10, 11,
// 12, 13, 20, 21, 27, 32, 33, 43, 50 or 80.
class Quantization_standard_15_21_50_others {
public:
    Quantization_standard_15_21_50_others();
    virtual ~Quantization_standard_15_21_50_others();

    // Looks the signature rows up in this class's catalogue at one prefix
    // length; answers through the global repair state.
    const quint8* MatchPrefix(int prefixLength);
};

namespace quant {
const GroupedCatalogue& standard10to80Catalogue();
}
