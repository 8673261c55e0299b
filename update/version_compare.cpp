#include "version_compare.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const int kDigestHexDigits = 64;
// A version text longer than this is no version the check knows.
const int kMaxVersionLength = 32;

// The version at the start of a text: its run of digits and points, without
// trailing points.
QString leadingVersion(const QString& text)
{
    static const QRegularExpression version(QStringLiteral("^[0-9.]*[0-9]"));
    return version.match(text).captured();
}

// Number texts compared by value, however long they are: without their
// leading zeros, the longer one is greater, and equal lengths compare by
// their digits.
int compareNumbers(QString left, QString right)
{
    while (left.startsWith(QLatin1Char('0')))
        left.remove(0, 1);
    while (right.startsWith(QLatin1Char('0')))
        right.remove(0, 1);
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    return left.compare(right);
}

QString partAt(const QStringList& parts, int index)
{
    return index < parts.size() ? parts.at(index) : QString();
}

QByteArray digestAfter(const QString& line, int versionLength)
{
    const QString rest = line.mid(versionLength);
    if (rest.isEmpty() || !rest.at(0).isSpace())
        return QByteArray();
    const QString word = rest.trimmed().section(QRegularExpression(QStringLiteral("\\s")), 0, 0);
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{%1}$").arg(kDigestHexDigits));
    if (!hex.match(word).hasMatch())
        return QByteArray();
    return QByteArray::fromHex(word.toLatin1());
}

} // namespace

VersionFinding CompareVersionLine(const QString& installed, const QString& line)
{
    VersionFinding finding;
    const QString version = leadingVersion(line);
    const QStringList offered = version.split(QLatin1Char('.'));
    const int majorLength = offered.first().length();
    if ((majorLength != 1 && majorLength != 2) || version.length() > kMaxVersionLength)
        return finding;

    finding.ignored = false;
    finding.text = version;
    finding.sha256 = digestAfter(line, version.length());
    const QStringList current = leadingVersion(installed.trimmed()).split(QLatin1Char('.'));

    const int majorOrder = compareNumbers(offered.first(), current.first());
    if (majorOrder != 0) {
        finding.major = majorOrder > 0;
        return finding;
    }
    // The first part that differs decides, so an older version is never
    // offered as an update.
    const int parts = qMax(offered.size(), current.size());
    for (int index = 1; index < parts; ++index) {
        const int order = compareNumbers(partAt(offered, index), partAt(current, index));
        if (order != 0) {
            finding.minor = order > 0;
            return finding;
        }
    }
    return finding;
}
