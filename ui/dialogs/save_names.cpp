#include "save_names.h"

QString saveSubfolder(const QString& fileName, const QString& suffix)
{
    if (fileName.contains(QLatin1String("_[T1]")) || fileName.contains(QLatin1String("_[T2]")))
        return QStringLiteral("Thumbnail Repaired/");
    if (suffix.toUpper() == QLatin1String("HEIC"))
        return QStringLiteral("HEIC_Repaired/");
    return QString();
}

QString copyName(int counter, const QString& name)
{
    return QStringLiteral("Copy(%1)_").arg(counter) + name;
}
