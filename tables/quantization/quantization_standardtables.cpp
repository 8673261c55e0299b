#include "quantization_standardtables.h"

Quantization_StandardTables::Quantization_StandardTables() = default;

Quantization_StandardTables::~Quantization_StandardTables() = default;

const quint8* Quantization_StandardTables::MatchPrefix(int prefixLength)
{
    return quant::matchFlat(quant::standardTablesCatalogue(), prefixLength);
}
