#include "version_compare.h"

#include <QtTest>

class UpdateVersionTest : public QObject {
    Q_OBJECT
private slots:
    void compare_data();
    void compare();
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
    QTest::newRow("two-digit place reads its first digit")
        << "8.0.0.0" << "8.10.0.0" << false << false << true << "8.10.0.";
    QTest::newRow("three-digit installed major counts as 0")
        << "100.0.0.0" << "1.0.0.0" << false << true << false << "1.0.0.0";
    QTest::newRow("empty line") << "8.1.0.0" << "" << true << false << false << "";
    QTest::newRow("no version layout") << "8.1.0.0" << "<html>" << true << false << false << "";
    QTest::newRow("empty installed") << "" << "8.1.0.0" << false << true << false << "8.1.0.0";
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

QTEST_GUILESS_MAIN(UpdateVersionTest)
#include "tst_update_version.moc"
