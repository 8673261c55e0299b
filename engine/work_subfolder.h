#pragma once

#include <QString>

// The folder `name` below parent (the work folder "RepairedFiles" below the
// program's temporary folder, or one of its subfolders), made when it is
// missing, parent too, and reached without following a link. Its path, or
// empty when parent is empty or no folder, or when a link or anything but a
// folder holds the name: nothing is written there then, and whatever needed
// it fails.
QString madeSubfolder(const QString& parent, const QString& name);

// The work folder's subfolders of thumbnails and of rebuilt HEIC files.
extern const QString kThumbnailFolderName;
extern const QString kHeicFolderName;
