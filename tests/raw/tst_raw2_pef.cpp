#include "global_state.h"
#include "raw2_fixture.h"

#include <QtTest>

// PEF writes the maker note's preview ("_1") and the second directory's JPEG
// ("_2"), named with ".jpeg".
class Raw2PefTest : public QObject {
    Q_OBJECT
private slots:
    void init() { g_state.stopRequested = 0; }
    void pef_data();
    void pef() { verifyExtractionRow(&jpg_repair::ExtractPEF); }
};

namespace {

const QByteArray kTail(16, 0x11);

// Where the maker note's tag-3 words stand.
enum class TagThree { At32, At44, At32And64, Missing };

QVector<int> tagThreeDistances(TagThree where)
{
    switch (where) {
    case TagThree::At32: return {32};
    case TagThree::At44: return {44};
    case TagThree::At32And64: return {32, 64};
    case TagThree::Missing: break;
    }
    return {};
}

// "AOC" maker note in the file's byte order but with big-endian tag words,
// as the camera stores it: entries from +8; a tag-3 word at a given distance
// is followed 8 bytes later by the preview length and 20 bytes later by its
// start.
QByteArray makerNote(bool bigEndian, TagThree where)
{
    ByteLayout note(bigEndian);
    note.append(hexBytes("414F 4300 4D4D"));
    note.append16(7);
    for (int entry = 0; entry < 7; ++entry)
        note.append(hexBytes("0010 0004 0000 0001 0000 0000"));
    for (int at : tagThreeDistances(where))
        note.put(quint32(at), hexBytes("0003"));
    return note.bytes();
}

// First directory: ExifIFD; Exif directory: MakerNote; second directory:
// the JPEG pointer pair.
QByteArray pefFile(bool bigEndian, TagThree where, const QByteArray& preview, const QByteArray& pointed,
                   bool bitsPerSampleFirst = false)
{
    ByteLayout file(bigEndian);
    file.appendTiffHeader();
    const quint32 first = file.appendDirectory({{0x0100, 24}, {0x8769, 0}});
    QVector<IfdEntry> secondEntries{{0x0201, 0}, {0x0202, quint32(pointed.size())}};
    if (bitsPerSampleFirst)
        secondEntries.prepend({0x0102, 8});
    const quint32 second = file.appendDirectory(secondEntries);
    file.put32(ByteLayout::nextField(first, 2), second);
    const quint32 exif = file.appendDirectory({{0x927C, 0}});
    file.put32(ByteLayout::valueField(first, 1), exif);
    const quint32 note = file.size();
    file.put32(ByteLayout::valueField(exif, 0), note);
    file.append(makerNote(bigEndian, where));
    file.append(kTail);
    const quint32 previewAt = file.append(preview);
    const QVector<int> distances = tagThreeDistances(where);
    if (!distances.isEmpty()) {
        file.put32(note + quint32(distances.last() + 8), quint32(preview.size()));
        file.put32(note + quint32(distances.last() + 20), previewAt);
    }
    file.append(kTail);
    file.put32(ByteLayout::valueField(second, bitsPerSampleFirst ? 1 : 0), file.append(pointed));
    file.append(kTail);
    return file.bytes();
}

} // namespace

void Raw2PefTest::pef_data()
{
    addExtractionColumns();
    const QByteArray preview = fixtureJpeg(JpegStart::Quantization, 1);
    const QByteArray pointed = fixtureJpeg(JpegStart::Quantization, 2);
    const QStringList both{"IMGP_1.jpeg", "IMGP_2.jpeg"};
    const QByteArrayList outputs{preview, pointed};

    QTest::newRow("big-endian, tag 3 at +44") << "IMGP.PEF" << pefFile(true, TagThree::At44, preview, pointed) << both << outputs;
    QTest::newRow("little-endian, tag 3 at +32") << "IMGP.PEF" << pefFile(false, TagThree::At32, preview, pointed) << both << outputs;
    QTest::newRow("second tag 3 at +64 wins") << "IMGP.PEF" << pefFile(false, TagThree::At32And64, preview, pointed) << both << outputs;

    QByteArray damaged = pefFile(false, TagThree::At44, preview, pointed);
    damaged[0] = 0;
    damaged[1] = 0;
    QTest::newRow("damaged header read as little-endian") << "IMGP.PEF" << damaged << both << outputs;

    QTest::newRow("no tag 3: second directory only") << "IMGP.PEF" << pefFile(true, TagThree::Missing, preview, pointed)
        << QStringList{"IMGP_2.jpeg"} << QByteArrayList{pointed};
    // BitsPerSample stored 02 01 ahead of the pointer is taken for it and
    // dropped by the start check.
    QTest::newRow("BitsPerSample first") << "IMGP.PEF" << pefFile(false, TagThree::At44, preview, pointed, true)
        << QStringList{"IMGP_1.jpeg"} << QByteArrayList{preview};

    // Fallback: a quantization segment followed by a frame header or another
    // quantization table starts a JPEG; one followed by a Huffman table does
    // not. The end may lie in the last four bytes of the file.
    const QByteArray single = singleTableJpeg();
    QTest::newRow("fallback: table then frame") << "IMGP.PEF" << kTail + single
        << QStringList{"IMGP_1.jpeg"} << QByteArrayList{single};
    QTest::newRow("fallback: huffman first refused") << "IMGP.PEF" << kTail + fixtureJpeg(JpegStart::Huffman, 3) + kTail
        << QStringList() << QByteArrayList();

    QByteArray truncated = pefFile(true, TagThree::At44, preview, pointed);
    truncated.chop(kTail.size() + 1);
    QTest::newRow("truncated second JPEG") << "IMGP.PEF" << truncated << QStringList{"IMGP_1.jpeg"} << QByteArrayList{preview};
}

QTEST_GUILESS_MAIN(Raw2PefTest)
#include "tst_raw2_pef.moc"
