#include "heic_box_order.h"

#include "file_window.h"
#include "hevc_units.h"
#include "word_scan.h"

namespace {

// Reads tags and box sizes of one file; a tag at or past the end is no tag.
class BoxReader {
public:
    BoxReader(FILE* file, char bigEndian) : m_window(file), m_bigEndian(bigEndian) {}

    quint32 size() const { return quint32(m_window.size()); }
    FileWindow& window() { return m_window; }

    bool tagIs(quint32 tagPos, quint32 tag)
    {
        return tagPos < size() && m_window.be32(tagPos) == tag;
    }

    quint32 lengthAt(quint32 pos) { return readLength(m_window, pos, m_bigEndian); }

    // Steps from the tag at tagPos over its box to the tag of the next box.
    quint32 nextTag(quint32 tagPos) { return tagPos + lengthAt(tagPos - 4); }

    // Steps box by box from tagPos and compares each following tag in turn.
    bool followedBy(quint32& tagPos, std::initializer_list<quint32> tags)
    {
        for (const quint32 tag : tags) {
            tagPos = nextTag(tagPos);
            if (!tagIs(tagPos, tag))
                return false;
        }
        return true;
    }

private:
    FileWindow m_window;
    char m_bigEndian;
};

bool metaFirstOrder(BoxReader& reader, quint32 metaStart, int* metaOffset, int* iinfDistance)
{
    *metaOffset = int(metaStart);
    const WordScanHit iinf = scanForWords(reader.window(), metaStart + 8, reader.size(),
                                          {fourCC("iinf")}, false);
    if (!iinf.found())
        return false;
    *iinfDistance = int(iinf.pos - metaStart);
    quint32 tagPos = iinf.pos;
    return reader.followedBy(tagPos, {fourCC("iref"), fourCC("iprp"), fourCC("idat"), fourCC("iloc")});
}

bool mdatFirstOrder(BoxReader& reader, quint32 mdatStart)
{
    if (!reader.tagIs(mdatStart + 4, fourCC("mdat")))
        return false;
    const quint32 metaStart = mdatStart + reader.lengthAt(mdatStart);
    // The rebuild's template has a 34-byte hdlr box right after the meta header.
    quint32 tagPos = metaStart + 50;
    if (!reader.tagIs(metaStart + 4, fourCC("meta")) || !reader.tagIs(tagPos, fourCC("iinf")))
        return false;
    if (!reader.followedBy(tagPos, {fourCC("pitm"), fourCC("iprp"), fourCC("iloc")}))
        return false;
    const quint32 afterIloc = tagPos;
    if (reader.followedBy(tagPos, {fourCC("iref"), fourCC("idat")}))
        return true;
    tagPos = afterIloc;
    return reader.followedBy(tagPos, {fourCC("idat"), fourCC("iref")});
}

} // namespace

std::optional<HeicBoxLayout> checkHeicBoxOrder(FILE* file, char bigEndian, int* metaOffset,
                                               int* iinfDistance)
{
    BoxReader reader(file, bigEndian);
    if (reader.size() == 0)
        return std::nullopt;
    const WordScanHit ftyp = scanForWords(reader.window(), 0, reader.size(), {fourCC("ftyp")}, true);
    if (!ftyp.found())
        return std::nullopt;
    // The ftyp box is taken to start at 0, so its size is where the next box starts.
    const quint32 next = reader.lengthAt(ftyp.pos - 4);
    if (reader.tagIs(next + 4, fourCC("meta"))) {
        if (metaFirstOrder(reader, next, metaOffset, iinfDistance))
            return HeicBoxLayout::MetaFirst;
        return std::nullopt;
    }
    if (mdatFirstOrder(reader, next))
        return HeicBoxLayout::MdatFirst;
    return std::nullopt;
}
