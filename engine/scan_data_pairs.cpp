#include "scan_data_pairs.h"

#include "file_window.h"
#include "jpeg_markers.h"

bool isPossibleInScanData(FileWindow& in, qint64 q)
{
    const quint16 pair = in.le16(q);
    const quint8 code = jpeg::codeOf(pair);
    if (code == 0x00 || (code >= 0xD0 && code <= 0xD7) || pair == jpeg::kEOI)
        return true;
    const qint64 length = in.be16(q + 2);
    if (pair == jpeg::kSOS) {
        const qint64 components = in.byteAt(q + 4);
        return components >= 1 && components <= 4 && length == 6 + 2 * components;
    }
    if (pair == jpeg::kDRI || pair == jpeg::kDNL)
        return length == 4;
    const bool segment = pair == jpeg::kDHT || pair == jpeg::kDQT || pair == jpeg::kDAC
        || pair == jpeg::kCOM || jpeg::isApp(pair);
    return segment && length >= 2 && in.byteAt(q + 2 + length) == 0xFF;
}
