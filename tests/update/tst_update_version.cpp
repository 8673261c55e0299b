#include "version_compare.h"

#include <QtTest>

class UpdateVersionTest : public QObject {
    Q_OBJECT
private slots:
    void compare_data();
    void compare();
    void digest_data();
    void digest();
};

void UpdateVersionTest::compare_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ignored");
    QTest::addColumn<bool>("major");
    QTest::addColumn<bool>("minor");
    QTest::addColumn<QString>("text");

    QTest::newRow("same version") << "8.1.5.0" << "8.1.5.0" << false << false << false << "8.1.5.0";
    QTest::newRow("newer update") << "8.1.0.0" << "8.1.5.0" << false << false << true << "8.1.5.0";
    QTest::newRow("newer major") << "8.1.0.0" << "9.0.0.0" << false << true << false << "9.0.0.0";
    QTest::newRow("newer last place") << "8.1.5.0" << "8.1.5.1" << false << false << true << "8.1.5.1";
    // An older version never counts as newer, whatever its later places.
    QTest::newRow("older update, greater later place")
        << "8.2.0.0" << "8.1.5.0" << false << false << false << "8.1.5.0";
    QTest::newRow("older major, greater place") << "9.0.0.0" << "8.5.0.0" << false << false << false << "8.5.0.0";
    QTest::newRow("two-digit major installed") << "10.0.0.0" << "9.9.9.9" << false << false << false << "9.9.9.9";
    QTest::newRow("two-digit major offered") << "9.9.9.9" << "10.0.0.0" << false << true << false << "10.0.0.0";
    QTest::newRow("text cut after the last place") << "8.1.0.0" << "8.1.5.0 beta" << false << false << true
                                                   << "8.1.5.0";
    // Parts are numbers, whatever their number of digits.
    QTest::newRow("two-digit place is newer than one digit")
        << "8.9.0.0" << "8.10.0.0" << false << false << true << "8.10.0.0";
    QTest::newRow("one-digit place is older than two digits")
        << "8.10.0.0" << "8.2.0.0" << false << false << false << "8.2.0.0";
    QTest::newRow("two-digit places equal") << "8.10.0.0" << "8.10.0.0" << false << false << false << "8.10.0.0";
    QTest::newRow("leading zero reads as its number") << "8.9.0.0" << "8.09.1.0" << false << false << true
                                                      << "8.09.1.0";
    QTest::newRow("long part, beyond any integer")
        << "8.99999999999999999999.0.0" << "8.100000000000000000000.0.0" << false << false << true
        << "8.100000000000000000000.0.0";
    QTest::newRow("missing part counts as 0") << "8.1.5.0" << "8.1.5" << false << false << false << "8.1.5";
    QTest::newRow("extra part decides") << "8.1.5.0" << "8.1.5.0.1" << false << false << true << "8.1.5.0.1";
    QTest::newRow("three-digit installed major is a number")
        << "100.0.0.0" << "1.0.0.0" << false << false << false << "1.0.0.0";
    QTest::newRow("text glued to the version") << "8.1.0.0" << "8.1.5.0beta" << false << false << true << "8.1.5.0";
    QTest::newRow("three-digit major line") << "8.1.0.0" << "100.0.0.0" << true << false << false << "";
    QTest::newRow("empty line") << "8.1.0.0" << "" << true << false << false << "";
    QTest::newRow("no version layout") << "8.1.0.0" << "<html>" << true << false << false << "";
    QTest::newRow("empty installed") << "" << "8.1.0.0" << false << true << false << "8.1.0.0";
    QTest::newRow("version of 32 characters") << "8.1.0.0" << "9." + QString(30, QLatin1Char('0')) << false << true
                                              << false << "9." + QString(30, QLatin1Char('0'));
    QTest::newRow("version longer than 32 characters")
        << "8.1.0.0" << "9." + QString(31, QLatin1Char('0')) << true << false << false << "";
    QTest::newRow("version line of a megabyte")
        << "8.1.0.0" << "9." + QString(1 << 20, QLatin1Char('1')) << true << false << false << "";
}

void UpdateVersionTest::compare()
{
    QFETCH(QString, installed);
    QFETCH(QString, line);
    const VersionFinding finding = CompareVersionLine(installed, line);
    QTEST(finding.ignored, "ignored");
    QTEST(finding.major, "major");
    QTEST(finding.minor, "minor");
    QTEST(finding.text, "text");
}

void UpdateVersionTest::digest_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("sha256");

    const QByteArray digest = QByteArray::fromHex("00112233445566778899aabbccddeeff00112233445566778899AABBCCDDEEFF");
    const QString hex = QStringLiteral("00112233445566778899aabbccddeeff00112233445566778899AABBCCDDEEFF");
    QTest::newRow("digest after the version") << "9.0.0.0 " + hex << digest;
    QTest::newRow("tab and words after the digest") << "9.0.0.0\t" + hex + " installer" << digest;
    QTest::newRow("no digest") << "9.0.0.0" << QByteArray();
    QTest::newRow("a word, not a digest") << "9.0.0.0 beta" << QByteArray();
    QTest::newRow("digest one digit short") << "9.0.0.0 " + hex.left(63) << QByteArray();
    QTest::newRow("digest one digit long") << "9.0.0.0 " + hex + "0" << QByteArray();
    QTest::newRow("not hexadecimal") << "9.0.0.0 " + hex.left(63) + "g" << QByteArray();
}

void UpdateVersionTest::digest()
{
    QFETCH(QString, line);
    const VersionFinding finding = CompareVersionLine(QStringLiteral("8.1.0.0"), line);
    QVERIFY(finding.major);
    QCOMPARE(finding.text, QStringLiteral("9.0.0.0"));
    QTEST(finding.sha256, "sha256");
}

QTEST_GUILESS_MAIN(UpdateVersionTest)
#include "tst_update_version.moc"
