#include "maker_note_chain.h"

#include "tiff_directory.h"

quint64 makerNotePosition(RawInput& input, quint64 header)
{
    const quint32 exif = tiff::entryValue(input, header + 8, TagMatch::eitherOrder(tiff::kExifTag));
    if (exif == 0)
        return 0;
    const quint32 makerNote = tiff::entryValue(input, header + exif, TagMatch::eitherOrder(tiff::kMakerNoteTag));
    return makerNote == 0 ? 0 : header + makerNote;
}
