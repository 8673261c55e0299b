#pragma once

#include "prefix_matcher.h"

// Known-good DQT segments for files whose first table begins with 6, 7, 8,
// 9, 16 or 18 (the digits of the class name do not list its DC values).
class Quantization_standard_6_8_9_10_12 {
public:
    Quantization_standard_6_8_9_10_12();
    virtual ~Quantization_standard_6_8_9_10_12();

    // Looks the signature rows up in this class's catalogue at one prefix
    // length; answers through the global repair state.
    const quint8* MatchPrefix(int prefixLength);
};

namespace quant {
const GroupedCatalogue& standard6to18Catalogue();
}
