#include "output_names.h"

#include "temp_folder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString scratchFolder()
{
    return platform::tempFolder() + "/Velmora";
}

QString makeScratchFolder()
{
    const QString folder = scratchFolder();
    QDir().mkdir(folder);
    return folder;
}

QString thumbnailOutputName(const QString& fileName, const QString& tag)
{
    const QString last3 = fileName.right(3);
    const bool longExtension = last3 == QLatin1String("PEG") || last3 == QLatin1String("peg");
    const int extensionLength = longExtension ? 5 : 4;
    const QString base = fileName.left(std::max(0, fileName.size() - extensionLength));
    return base + tag + (longExtension ? ".jpeg" : ".jpg");
}

QString freeOutputName(const QString& folder, const QString& name)
{
    if (!QFileInfo::exists(folder + name))
        return name;
    const int slash = name.lastIndexOf('/');
    int dot = name.lastIndexOf('.');
    if (dot <= slash + 1)
        dot = name.size();
    for (int copy = 2;; ++copy) {
        const QString candidate = name.left(dot) + QString(" (%1)").arg(copy) + name.mid(dot);
        if (!QFileInfo::exists(folder + candidate))
            return candidate;
    }
}
