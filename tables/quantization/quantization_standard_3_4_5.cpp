#include "quantization_standard_3_4_5.h"

Quantization_standard_3_4_5::Quantization_standard_3_4_5() = default;

Quantization_standard_3_4_5::~Quantization_standard_3_4_5() = default;

const quint8* Quantization_standard_3_4_5::MatchPrefix(int prefixLength)
{
    return quant::matchGrouped(quant::standard345Catalogue(), prefixLength);
}
