#include "version_compare.h"

#include <QStringList>

namespace {

struct VersionLayout {
    int major = 0;
    int places[3] = {0, 0, 0};
};

// The number of the one character at position, 0 past the end or for a
// character that is no digit.
int digitAt(const QString& text, int position)
{
    return text.mid(position, 1).toInt();
}

int leadingPartLength(const QString& version)
{
    const QStringList parts = version.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    return parts.isEmpty() ? 0 : parts.first().length();
}

VersionLayout installedLayout(const QString& installed)
{
    VersionLayout layout;
    const int c = leadingPartLength(installed);
    if (c == 1 || c == 2) {
        layout.major = installed.left(c).toInt();
        for (int k = 1; k <= 3; ++k)
            layout.places[k - 1] = digitAt(installed, c + 2 * k - 1);
    } else {
        for (int& place : layout.places)
            place = digitAt(installed, 0);
    }
    return layout;
}

} // namespace

VersionFinding CompareVersionLine(const QString& installed, const QString& line)
{
    VersionFinding finding;
    const int n = leadingPartLength(line);
    if (n != 1 && n != 2)
        return finding;

    finding.ignored = false;
    finding.text = line.left(n + 6);
    VersionLayout offered;
    offered.major = finding.text.left(n).toInt();
    for (int k = 1; k <= 3; ++k)
        offered.places[k - 1] = digitAt(finding.text, n + 2 * k - 1);

    const VersionLayout current = installedLayout(installed);
    if (offered.major != current.major) {
        finding.major = offered.major > current.major;
        return finding;
    }
    // Places are compared in order; the first one that differs decides, so
    // an older version is never offered as an update.
    for (int k = 0; k < 3; ++k) {
        if (offered.places[k] != current.places[k]) {
            finding.minor = offered.places[k] > current.places[k];
            return finding;
        }
    }
    return finding;
}
