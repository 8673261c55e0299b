#include "global_state.h"
#include "jpeg_markers.h"
#include "marker_order.h"
#include "segment_lists.h"

#include <QtTest>

namespace {

quint16 markerNamed(const QString& name)
{
    static const QMap<QString, quint8> codes = {
        {"SOI", 0xD8}, {"EOI", 0xD9}, {"SOS", 0xDA}, {"DQT", 0xDB}, {"DHT", 0xC4},
        {"SOF0", 0xC0}, {"SOF1", 0xC1}, {"SOF2", 0xC2}, {"SOF3", 0xC3}, {"DRI", 0xDD},
        {"COM", 0xFE}, {"APP0", 0xE0}, {"APP1", 0xE1}, {"APP15", 0xEF}, {"RST0", 0xD0},
        {"DAC", 0xCC}, {"SOF9", 0xC9}, {"SOF10", 0xCA}, {"SOF11", 0xCB}};
    return jpeg::markerWord(codes.value(name));
}

// Builds a list from "DQT:67 SOF0 ..." : marker names, optionally with the
// recorded length (SOI and EOI default to 0, others to 132).
template <typename Node>
Node* buildList(const QString& sequence)
{
    Node* head = nullptr;
    Node* tail = nullptr;
    for (const QString& item : sequence.split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(':');
        auto* node = new Node{};
        node->marker = markerNamed(parts[0]);
        const bool bare = parts[0] == "SOI" || parts[0] == "EOI";
        node->length = quint16(parts.size() > 1 ? parts[1].toInt() : (bare ? 0 : 132));
        (head ? tail->next : head) = node;
        tail = node;
    }
    return head;
}

template <typename Node>
void freeList(Node* node)
{
    while (node) {
        Node* next = node->next;
        delete node;
        node = next;
    }
}

} // namespace

// The segment order check over recorded lists.
class MarkerOrderTest : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
};

void MarkerOrderTest::check_data()
{
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<int>("image");
    QTest::addColumn<int>("third");
    QTest::addColumn<int>("oneTableCount");
    QTest::addColumn<int>("skipOff");
    QTest::addColumn<uint>("expected");

    auto row = [](const char* name, const char* sequence, uint expected, int image = 0,
                  int third = 0, int count = 1, int skipOff = 0) {
        QTest::newRow(name) << QString(sequence) << image << third << count << skipOff << expected;
    };
    row("complete image", "SOI APP0 DQT SOF0 DHT SOS EOI", 1);
    row("no SOI node", "DQT SOF0 DHT SOS", 1);
    row("SOS before DHT passed over", "DQT SOF2 SOS DHT SOS", 1);
    row("tables in any order", "DHT DQT SOF1 SOS", 1);
    row("unlisted markers between tables", "DQT RST0 SOF0 SOF3 DAC SOI DHT SOS", 1);
    row("APP1 after the tables", "DQT SOF0 APP1 DHT SOS", 1);
    row("COM of length 0", "DQT SOF0 COM:0 DHT SOS", 1);
    row("DRI of length 0", "DQT SOF0 DRI:0 DHT SOS", 0);
    row("DQT of length 0", "SOI DQT:0 SOF0 DHT SOS", 0);
    row("SOF0 of length 0", "SOI DQT SOF0:0 DHT SOS", 0);
    row("DHT of length 0", "SOI DQT SOF0 DHT:0 SOS", 0);
    row("zero length after the accepted SOS", "DQT SOF0 DHT SOS DQT:0", 1);
    row("one-table count matches selector", "DQT:67 SOF0 DHT SOS", 1, 0, 0, 1);
    row("one-table count below selector", "DQT:67 SOF0 DHT SOS", 0, 0, 1, 3);
    row("two-table DQT ignores count", "DQT:132 SOF0 DHT SOS", 1, 0, 1, 3);
    row("selector 3 ignores count", "DQT:67 SOF0 DHT SOS", 1, 0, 3, 3);
    row("no third component", "DQT:67 SOF0 DHT SOS", 1, 0, kNoThirdComponentTable, 2);
    // An 8-bit and a 16-bit one-table DQT for selectors 0 and 1.
    row("8-bit and 16-bit one-table DQT", "DQT:67 DQT:131 SOF1 DHT SOS", 1, 0, 1, 1);
    row("16-bit one-table DQT missing", "DQT:67 SOF1 DHT SOS", 0, 0, 1, 1);
    row("no SOS", "SOI DQT SOF0 DHT EOI", 0);
    row("only SOS before DHT", "DQT SOF0 SOS DHT", 0);
    row("empty list", "", 0);
    row("no EOI after SOS", "SOI DQT SOF0 DHT SOS", 1);
    row("SOS first", "SOS DQT SOF0 DHT SOS", 1);
    // Arithmetic-coded frames need no Huffman tables; their conditioning is
    // optional.
    row("arithmetic sequential with DAC", "SOI DQT SOF9 DAC SOS EOI", 1);
    row("arithmetic progressive without DAC", "SOI DQT SOF10 SOS EOI", 1);
    row("DAC of length 0", "SOI DQT SOF9 DAC:0 SOS", 0);
    row("SOF9 of length 0", "SOI DQT SOF9:0 SOS", 0);
    row("lossless arithmetic frame is not one", "SOI DQT SOF11 SOS", 0);
    row("Huffman frame still needs DHT", "SOI DQT SOF1 DAC SOS", 0);

    const char* twoImages = "SOI DQT:0 SOF0 DHT SOS EOI SOI DQT SOF0 DHT SOS EOI";
    row("two images, main image", twoImages, 0, 0);
    row("two images, second image", twoImages, 1, 1);
    row("two images, image 2 from head", twoImages, 0, 2);
    row("second image without skip", twoImages, 0, 1, 0, 1, 1);
    row("first image has no EOI", "SOI DQT SOF0 DHT SOS SOI DQT SOF0 DHT SOS EOI", 0, 1);
    row("skip on a list without SOI", "DQT SOF0 DHT SOS EOI DQT SOF0 DHT SOS", 0, 1);
}

void MarkerOrderTest::check()
{
    QFETCH(QString, sequence);
    QFETCH(int, image);
    QFETCH(int, third);
    QFETCH(int, oneTableCount);
    QFETCH(int, skipOff);
    QFETCH(uint, expected);

    g_state.thirdComponentTable = quint8(third);
    g_state.dqtSegmentCount = oneTableCount;
    g_state.skipFirstImageOff = skipOff;
    SegmentNode* list = buildList<SegmentNode>(sequence);
    const uint result = IsSegmentOrderValid(list, image);
    freeList(list);
    QCOMPARE(result, expected);

    if (image == 1)
        return;
    EmbeddedSegmentNode* embedded = buildList<EmbeddedSegmentNode>(sequence);
    const uint embeddedResult = IsEmbeddedSegmentOrderValid(embedded);
    freeList(embedded);
    QCOMPARE(embeddedResult, expected);
}

QTEST_GUILESS_MAIN(MarkerOrderTest)
#include "tst_marker_order.moc"
