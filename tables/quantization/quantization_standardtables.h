#pragma once

#include "prefix_matcher.h"

// Known-good DQT segments for files whose first table begins with 1.
class Quantization_StandardTables {
public:
    Quantization_StandardTables();
    virtual ~Quantization_StandardTables();

    // Looks the signature rows up in this class's catalogue at one prefix
    // length; answers through the global repair state.
    const quint8* MatchPrefix(int prefixLength);
};

namespace quant {
const FlatCatalogue& standardTablesCatalogue();
}
