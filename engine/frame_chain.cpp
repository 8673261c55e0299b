#include "frame_chain.h"

#include "file_window.h"
#include "image_start.h"
#include "jpeg_markers.h"

bool isHeaderSegment(quint16 word)
{
    return word == jpeg::kDQT || word == jpeg::kDHT || word == jpeg::kDAC || word == jpeg::kDRI
        || word == jpeg::kCOM || jpeg::isApp(word);
}

Frame frameFrom(FileWindow& input, qint64 point)
{
    Frame frame;
    qint64 p = point;
    for (int i = 0; i < kMaxChainSegments; ++i) {
        p = skipFillBytes(input, p);
        if (p < 0)
            return Frame();
        const quint16 marker = input.le16(p);
        const qint64 length = input.be16(p + 2);
        if (length < 2 || p + 2 + length > input.size())
            return Frame();
        if (marker == jpeg::kSOS) {
            if (frame.header >= 0) {
                frame.point = point;
                frame.scanData = p + 2 + length;
            }
            return frame;
        }
        if (jpeg::isFrame(marker)) {
            if (frame.header >= 0)
                return Frame();
            frame.header = p;
            frame.pixels = qint64(input.be16(p + 5)) * qint64(input.be16(p + 7));
        } else if (!isHeaderSegment(marker)) {
            return Frame();
        }
        p += 2 + length;
    }
    return Frame();
}
