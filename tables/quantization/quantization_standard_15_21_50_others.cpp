#include "quantization_standard_15_21_50_others.h"

Quantization_standard_15_21_50_others::Quantization_standard_15_21_50_others() = default;

Quantization_standard_15_21_50_others::~Quantization_standard_15_21_50_others() = default;

const quint8* Quantization_standard_15_21_50_others::MatchPrefix(int prefixLength)
{
    return quant::matchGrouped(quant::standard10to80Catalogue(), prefixLength);
}
