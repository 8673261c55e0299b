#include "quantization_standard_6_8_9_10_12.h"

Quantization_standard_6_8_9_10_12::Quantization_standard_6_8_9_10_12() = default;

Quantization_standard_6_8_9_10_12::~Quantization_standard_6_8_9_10_12() = default;

const quint8* Quantization_standard_6_8_9_10_12::MatchPrefix(int prefixLength)
{
    return quant::matchGrouped(quant::standard6to18Catalogue(), prefixLength);
}
