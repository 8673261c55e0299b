#include "global_state.h"

#include <QtTest>

#include <algorithm>

namespace {

template <typename T, std::size_t N>
bool allZero(const T (&area)[N])
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(area);
    return std::all_of(bytes, bytes + sizeof area, [](unsigned char b) { return b == 0; });
}

} // namespace

// The record as it stands before anything has run: only the quantization
// search flag starts at 1.
class GlobalStateTest : public QObject {
    Q_OBJECT
private slots:
    void freshRecordIsEmpty();
};

void GlobalStateTest::freshRecordIsEmpty()
{
    const GlobalState& s = g_state;
    QCOMPARE(s.dqtSearchPending, 1);
    QCOMPARE(s.stopRequested.load(), 0);
    QVERIFY(s.workFolder.isEmpty());
    QVERIFY(s.inputPath.isEmpty());
    QVERIFY(s.fileName.isEmpty());
    QVERIFY(s.producedFiles.isEmpty());
    QVERIFY(s.inputFile == nullptr);
    QVERIFY(s.segmentHead == nullptr);
    QVERIFY(s.strayMarkerHead == nullptr);
    QCOMPARE(s.uiScale, 0.0f);
    QCOMPARE(s.langEnglish + s.langGerman + s.langDutch, 0);
    QVERIFY(allZero(s.dqtSignature));
    QVERIFY(allZero(s.dqtReplacement3));
    QVERIFY(allZero(s.dhtReplacement));
    QVERIFY(allZero(s.dhtTableOffset));
    QVERIFY(allZero(s.heicLayoutFlags));
    QCOMPARE(s.dhtReplacementSize, 0);
    QCOMPARE(s.thirdComponentTable, quint8(0));
}

QTEST_GUILESS_MAIN(GlobalStateTest)
#include "tst_global_state.moc"
