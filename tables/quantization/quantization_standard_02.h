#pragma once

#include "prefix_matcher.h"

// Known-good DQT segments for files whose first table begins with 2.
class Quantization_standard_02 {
public:
    Quantization_standard_02();
    virtual ~Quantization_standard_02();

    // Looks the signature rows up in this class's catalogue at one prefix
    // length; answers through the global repair state.
    const quint8* MatchPrefix(int prefixLength);
};

namespace quant {
const FlatCatalogue& standard02Catalogue();
}
