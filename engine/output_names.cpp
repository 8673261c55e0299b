#include "output_names.h"

#include "file_open.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

bool pathTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString fittedName(const QString& stem, const QString& tail)
{
    // Names may carry a leading "/"; the limit is on what follows it.
    const int lead = stem.startsWith('/') ? 1 : 0;
    QString kept = stem;
    while (kept.size() > lead && !platform::fileNameFits((kept + tail).mid(lead)))
        kept.chop(kept.size() >= 2 && QChar(kept.back()).isLowSurrogate() ? 2 : 1);
    return kept + tail;
}

QString thumbnailOutputName(const QString& fileName, const QString& tag)
{
    const QString last3 = fileName.right(3);
    const bool longExtension = last3 == QLatin1String("PEG") || last3 == QLatin1String("peg");
    const int extensionLength = longExtension ? 5 : 4;
    const QString base = fileName.left(std::max(0, fileName.size() - extensionLength));
    return fittedName(base, tag + (longExtension ? ".jpeg" : ".jpg"));
}

QString freeOutputName(const QString& folder, const QString& name)
{
    if (!pathTaken(folder + name))
        return name;
    const int slash = name.lastIndexOf('/');
    int dot = name.lastIndexOf('.');
    if (dot <= slash + 1)
        dot = name.size();
    // A thumbnail's mark stays whole when the name has to be shortened.
    static const QRegularExpression mark(QStringLiteral("_\\[T\\d+\\]$"));
    const QString stem = name.left(dot);
    const int markAt = stem.indexOf(mark);
    const int keepFrom = markAt > slash ? markAt : dot;
    for (int copy = 2;; ++copy) {
        const QString candidate = fittedName(name.left(keepFrom), name.mid(keepFrom, dot - keepFrom)
                                                 + QString(" (%1)").arg(copy) + name.mid(dot));
        if (!pathTaken(folder + candidate))
            return candidate;
    }
}
