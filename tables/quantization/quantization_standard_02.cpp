#include "quantization_standard_02.h"

Quantization_standard_02::Quantization_standard_02() = default;

Quantization_standard_02::~Quantization_standard_02() = default;

const quint8* Quantization_standard_02::MatchPrefix(int prefixLength)
{
    return quant::matchFlat(quant::standard02Catalogue(), prefixLength);
}
