#pragma once

#include "prefix_matcher.h"

// Known-good DQT segments for files whose first table begins with 3, 4 or 5.
class Quantization_standard_3_4_5 {
public:
    Quantization_standard_3_4_5();
    virtual ~Quantization_standard_3_4_5();

    // Looks the signature rows up in this class's catalogue at one prefix
    // length; answers through the global repair state.
    const quint8* MatchPrefix(int prefixLength);
};

namespace quant {
const GroupedCatalogue& standard345Catalogue();
}
