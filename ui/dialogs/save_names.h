#pragma once

#include <QString>

// Subfolder of the output root that an output of this name and suffix is
// filed in: "Thumbnail Repaired/" for thumbnails ("_[T1]", "_[T2]"), else
// "HEIC_Repaired/" for a HEIC suffix in any letter case, else none.
QString saveSubfolder(const QString& fileName, const QString& suffix);

// The alternative name "Copy(<counter>)_<name>" that the save offers on a
// clash.
QString copyName(int counter, const QString& name);
