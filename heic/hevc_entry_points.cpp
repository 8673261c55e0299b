#include "hevc_entry_points.h"

#include "hevc_bits.h"

#include <QHash>

#include <algorithm>

namespace {

constexpr int kIdrWithLeading = 19;
constexpr int kIdrWithoutLeading = 20;
constexpr quint32 kSliceTypeI = 2;
constexpr quint32 kMaxParameterSetId = 63;

void skipScalingListData(HevcBitReader& reader)
{
    for (int sizeId = 0; sizeId < 4 && !reader.failed(); ++sizeId) {
        for (int matrixId = 0; matrixId < 6; matrixId += sizeId == 3 ? 3 : 1) {
            if (!reader.flag()) {
                reader.ue(); // predicted from another matrix
                continue;
            }
            const int coefficients = std::min(64, 1 << (4 + (sizeId << 1)));
            if (sizeId > 1)
                reader.se();
            for (int i = 0; i < coefficients && !reader.failed(); ++i)
                reader.se();
        }
    }
}

// What a slice header of an I slice depends on in its sequence parameter set.
struct SpsFields {
    int chromaArrayType = 0;
    bool separateColourPlanes = false;
    bool sampleAdaptiveOffset = false;
    int ctbSize = 0;
    int heightInCtbs = 0;
    int widthInCtbs = 0;
};

std::optional<std::pair<quint32, SpsFields>> readSps(const QByteArray& nal)
{
    const QByteArray payload = hevcRbsp(nal);
    HevcBitReader reader(payload);
    const std::optional<SpsStart> start = readSpsStart(reader);
    if (!start)
        return std::nullopt;
    SpsFields sps;
    sps.separateColourPlanes = start->separateColourPlanes;
    sps.chromaArrayType = start->separateColourPlanes ? 0 : int(start->chromaFormat);
    if (reader.flag()) { // conformance window
        for (int i = 0; i < 4; ++i)
            reader.ue();
    }
    reader.ue(); // bit depths
    reader.ue();
    reader.ue(); // picture order count bits
    const bool orderingForAll = reader.flag();
    const int subLayers = int(payload.isEmpty() ? 0 : (quint8(payload[0]) >> 1) & 7);
    for (int i = orderingForAll ? 0 : subLayers; i <= subLayers; ++i) {
        for (int k = 0; k < 3; ++k)
            reader.ue();
    }
    const quint32 minCbLog2 = reader.ue() + 3;
    const quint32 ctbLog2 = minCbLog2 + reader.ue();
    for (int i = 0; i < 4; ++i)
        reader.ue(); // transform block sizes and depths
    if (reader.flag() && reader.flag())
        skipScalingListData(reader);
    reader.skip(1); // asymmetric motion partitions
    sps.sampleAdaptiveOffset = reader.flag();
    if (reader.failed() || ctbLog2 < 4 || ctbLog2 > 6)
        return std::nullopt;
    sps.ctbSize = 1 << ctbLog2;
    sps.widthInCtbs = (start->coded.width() + sps.ctbSize - 1) / sps.ctbSize;
    sps.heightInCtbs = (start->coded.height() + sps.ctbSize - 1) / sps.ctbSize;
    return std::make_pair(start->id, sps);
}

// What a slice header depends on in its picture parameter set.
struct PpsFields {
    quint32 spsId = 0;
    bool outputFlagPresent = false;
    int extraSliceHeaderBits = 0;
    bool sliceChromaQpOffsets = false;
    bool tiles = false;
    bool wavefronts = false;
    int tileCount = 1;
    bool loopFilterAcrossSlices = false;
    bool deblockingOverride = false;
    bool deblockingDisabled = false;
    bool extensions = false;
};

std::optional<std::pair<quint32, PpsFields>> readPps(const QByteArray& nal)
{
    const QByteArray payload = hevcRbsp(nal);
    HevcBitReader reader(payload);
    PpsFields pps;
    const quint32 id = reader.ue();
    pps.spsId = reader.ue();
    reader.skip(1); // dependent slice segments
    pps.outputFlagPresent = reader.flag();
    pps.extraSliceHeaderBits = int(reader.bits(3));
    reader.skip(2); // sign data hiding, cabac init present
    reader.ue(); // default reference counts
    reader.ue();
    reader.se(); // initial qp
    reader.skip(2); // constrained intra, transform skip
    if (reader.flag())
        reader.ue(); // qp delta depth
    reader.se(); // chroma qp offsets
    reader.se();
    pps.sliceChromaQpOffsets = reader.flag();
    reader.skip(3); // weighted prediction, bi-prediction, transquant bypass
    pps.tiles = reader.flag();
    pps.wavefronts = reader.flag();
    if (pps.tiles) {
        const quint32 columns = reader.ue() + 1;
        const quint32 rows = reader.ue() + 1;
        if (columns > 64 || rows > 64)
            return std::nullopt;
        pps.tileCount = int(columns * rows);
        if (!reader.flag()) { // explicit spacing
            for (quint32 i = 0; i + 2 < columns + rows; ++i)
                reader.ue();
        }
        reader.skip(1); // loop filter across tiles
    }
    pps.loopFilterAcrossSlices = reader.flag();
    if (reader.flag()) { // deblocking control
        pps.deblockingOverride = reader.flag();
        pps.deblockingDisabled = reader.flag();
        if (!pps.deblockingDisabled) {
            reader.se();
            reader.se();
        }
    }
    if (reader.flag())
        skipScalingListData(reader);
    reader.skip(1); // lists modification
    reader.ue();    // parallel merge level
    reader.skip(1); // slice header extension
    pps.extensions = reader.flag();
    if (reader.failed() || id > kMaxParameterSetId)
        return std::nullopt;
    return std::make_pair(id, pps);
}

// The number of entry points the slice's header lists; -1 when it cannot be
// read, -2 when it is not judged.
int listedEntryPoints(const QByteArray& slice, const QHash<quint32, SpsFields>& spsById,
                      const QHash<quint32, PpsFields>& ppsById, int* demanded)
{
    const QByteArray payload = hevcRbsp(slice);
    HevcBitReader reader(payload);
    if (!reader.flag()) // not the picture's first slice segment
        return -2;
    reader.skip(1); // no output of prior pictures (IDR)
    const quint32 ppsId = reader.ue();
    if (reader.failed() || !ppsById.contains(ppsId) || !spsById.contains(ppsById[ppsId].spsId))
        return -1;
    const PpsFields pps = ppsById[ppsId];
    const SpsFields sps = spsById[pps.spsId];
    if (pps.extensions || (!pps.tiles && !pps.wavefronts) || (pps.tiles && pps.wavefronts))
        return -2;
    *demanded = pps.wavefronts ? sps.heightInCtbs - 1 : pps.tileCount - 1;
    reader.skip(pps.extraSliceHeaderBits);
    if (reader.ue() != kSliceTypeI)
        return reader.failed() ? -1 : -2;
    if (pps.outputFlagPresent)
        reader.skip(1);
    if (sps.separateColourPlanes)
        reader.skip(2);
    bool saoLuma = false;
    bool saoChroma = false;
    if (sps.sampleAdaptiveOffset) {
        saoLuma = reader.flag();
        saoChroma = sps.chromaArrayType != 0 && reader.flag();
    }
    reader.se(); // qp delta
    if (pps.sliceChromaQpOffsets) {
        reader.se();
        reader.se();
    }
    bool deblockingDisabled = pps.deblockingDisabled;
    if (pps.deblockingOverride && reader.flag()) {
        deblockingDisabled = reader.flag();
        if (!deblockingDisabled) {
            reader.se();
            reader.se();
        }
    }
    if (pps.loopFilterAcrossSlices && (saoLuma || saoChroma || !deblockingDisabled))
        reader.skip(1);
    const quint32 listed = reader.ue();
    return reader.failed() || listed > 0xFFFF ? -1 : int(listed);
}

} // namespace

bool sliceEntryPointsFit(const QVector<QByteArray>& parameterSets, const QByteArray& slice)
{
    const int type = hevcNalType(slice);
    if (type != kIdrWithLeading && type != kIdrWithoutLeading)
        return true;
    QHash<quint32, SpsFields> spsById;
    QHash<quint32, PpsFields> ppsById;
    for (const QByteArray& unit : parameterSets) {
        if (hevcNalType(unit) == kHevcSpsType) {
            if (const auto sps = readSps(unit))
                spsById.insert(sps->first, sps->second);
        } else if (hevcNalType(unit) == kHevcPpsType) {
            if (const auto pps = readPps(unit))
                ppsById.insert(pps->first, pps->second);
        }
    }
    int demanded = 0;
    const int listed = listedEntryPoints(slice, spsById, ppsById, &demanded);
    return listed == -2 || listed == demanded;
}
