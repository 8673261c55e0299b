// The picture's evidence on its quantization table: a value wrong by a
// large factor shows as its frequency's strength out of line with its
// neighbours' by that factor, whatever the table's level and shape, and the
// lowest values show at the block borders; the file's own table fits.
#include "bounded_decoder.h"
#include "encoder_tables.h"
#include "jpeg_fixture.h"
#include "photo_fixture.h"
#include "quant_table_evidence.h"
#include "temp_file.h"

#include <QDir>
#include <QTest>

Q_DECLARE_METATYPE(fixture::TableSet)

namespace {

// The photo encoded with `set` as its tables, unscaled, in 4:4:4.
QByteArray photoWith(const fixture::TableSet& set)
{
    return fixture::cjpegWithTables(fixture::photoPicture(480, 360, 5), set,
                                    {"-quality", "50", "-sample", "1x1"});
}

fixture::TableSet flat(int value)
{
    return {QString("flat %1").arg(value), {QVector<int>(64, value), QVector<int>(64, value)}};
}

fixture::TableSet webSet(const QString& name)
{
    for (const fixture::TableSet& set : fixture::webEncoderTableSets()) {
        if (set.name == name)
            return set;
    }
    return {};
}

// The luminance table with the value at `position` (natural order)
// multiplied by `factor`.
QVector<int> withValueScaled(const fixture::TableSet& set, int position, double factor)
{
    QVector<int> table = set.tables.first();
    table[position] = qBound(1, qRound(table[position] * factor), 255);
    return table;
}

} // namespace

class QuantTableEvidenceTest : public QObject {
    Q_OBJECT
private slots:
    void wrongValueIsFoundAtAnyLevel_data();
    void wrongValueIsFoundAtAnyLevel();
    void wrongLowestValuesShowAtTheBorders_data();
    void wrongLowestValuesShowAtTheBorders();

private:
    QString filePath(const QByteArray& jpeg);
};

QString QuantTableEvidenceTest::filePath(const QByteArray& jpeg)
{
    const QString path = QDir::tempPath() + "/evidence/photo.jpg";
    return writeFileBytes(path, jpeg) ? path : QString();
}

void QuantTableEvidenceTest::wrongValueIsFoundAtAnyLevel_data()
{
    QTest::addColumn<fixture::TableSet>("set");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("factor");
    for (const fixture::TableSet& set : {flat(4), flat(8), flat(16), webSet("annex k"), webSet("peterson")}) {
        for (int position : {10, 17, 26}) {
            for (double factor : {8.0, 0.125})
                QTest::addRow("%s, value %d times %g", qPrintable(set.name), position, factor)
                    << set << position << factor;
        }
    }
}

// Exactly the wrong value is shown damaged; the table as written is not.
void QuantTableEvidenceTest::wrongValueIsFoundAtAnyLevel()
{
    QFETCH(fixture::TableSet, set);
    QFETCH(int, position);
    QFETCH(double, factor);
    BoundedDecoder image(filePath(photoWith(set)));
    QVERIFY(image.readCoefficients());
    const TableSpread spread = spreadOf(image, 0);

    QCOMPARE(judgeAcValues(set.tables.first().constData(), spread).damaged, QVector<int>());
    const QVector<int> wrong = withValueScaled(set, position, factor);
    QCOMPARE(judgeAcValues(wrong.constData(), spread).damaged, QVector<int>({position}));
}

void QuantTableEvidenceTest::wrongLowestValuesShowAtTheBorders_data()
{
    QTest::addColumn<fixture::TableSet>("set");
    QTest::addColumn<int>("position");
    for (const fixture::TableSet& set : {flat(4), flat(16), webSet("annex k"), webSet("robidoux")}) {
        for (int position : kBorderJudged)
            QTest::addRow("%s, value %d", qPrintable(set.name), position) << set << position;
    }
}

// The DC value and the first AC values: the file's own fit the borders,
// four times them does not.
void QuantTableEvidenceTest::wrongLowestValuesShowAtTheBorders()
{
    QFETCH(fixture::TableSet, set);
    QFETCH(int, position);
    BoundedDecoder image(filePath(photoWith(set)));
    QVERIFY(image.readCoefficients());
    const QVector<int> own = set.tables.first();
    QVERIFY(tableFitsPicture(image, 0, own.constData(), nullptr));
    const QVector<int> wrong = withValueScaled(set, position, 4);
    QVERIFY(!tableFitsPicture(image, 0, wrong.constData(), nullptr));
}

QTEST_MAIN(QuantTableEvidenceTest)
#include "tst_quant_table_evidence.moc"
