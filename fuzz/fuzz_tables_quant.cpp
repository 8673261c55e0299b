// Arbitrary signature rows, segment kinds, indexes and flags through the
// quantization dispatcher and straight into each table class.
//
// Input: length selector, one-table segment count, index (4 bytes), the two
// fill flags, a prefix length and a class for the direct call, then up to 75
// signature bytes.
#include "engine/global_state.h"
#include "tables/quantization/quantization.h"
#include "tables/quantization/quantization_standard_02.h"
#include "tables/quantization/quantization_standard_15_21_50_others.h"
#include "tables/quantization/quantization_standard_3_4_5.h"
#include "tables/quantization/quantization_standard_6_8_9_10_12.h"
#include "tables/quantization/quantization_standardtables.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

constexpr size_t kHeader = 10;

int segmentLength(uint8_t selector)
{
    switch (selector) {
    case 0:
        return 67;
    case 1:
        return 132;
    case 2:
        return 197;
    default:
        return selector;
    }
}

void callClass(uint8_t which, int prefixLength)
{
    switch (which % 5) {
    case 0:
        Quantization_StandardTables().MatchPrefix(prefixLength);
        break;
    case 1:
        Quantization_standard_02().MatchPrefix(prefixLength);
        break;
    case 2:
        Quantization_standard_3_4_5().MatchPrefix(prefixLength);
        break;
    case 3:
        Quantization_standard_6_8_9_10_12().MatchPrefix(prefixLength);
        break;
    default:
        Quantization_standard_15_21_50_others().MatchPrefix(prefixLength);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint8_t header[kHeader] = {};
    std::memcpy(header, data, size < kHeader ? size : kHeader);
    std::memset(g_state.dqtSignature, 0, sizeof g_state.dqtSignature);
    if (size > kHeader) {
        const size_t rows = size - kHeader;
        std::memcpy(g_state.dqtSignature, data + kHeader,
                    rows < sizeof g_state.dqtSignature ? rows : sizeof g_state.dqtSignature);
    }
    int32_t index = 0;
    std::memcpy(&index, header + 2, sizeof index);
    g_state.dqtLength = segmentLength(header[0]);
    g_state.dqtSegmentCount = static_cast<int8_t>(header[1]);
    g_state.dqtIndex = index;
    g_state.dqtTwoFilled = header[6];
    g_state.dqtThreeFilled = header[7];

    g_state.dqtSearchPending = 1;
    callClass(header[9], static_cast<int8_t>(header[8]));

    g_state.dqtSearchPending = 1;
    Quantization front;
    front.MatchKnownTable();
    return 0;
}
