#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Drives the engine the way the normal repair run does, on files under the
// test's private temporary folder.
namespace repairrun {

// The work folder "RepairedFiles" under the temporary folder, created.
QString prepareWorkFolder();

// Files left in the engine's scratch folder; none when it was never made.
QStringList scratchFilesLeft();

// Writes bytes to folder/name (folder created) and returns the path.
QString putFile(const QString& folder, const QString& name, const QByteArray& bytes);

// Sets the fields the run sets for one input (path, "/" + name, suffix,
// emptied produced files, run and thumbnail flags) and calls RepairFile.
void repairFile(const QString& path);

// Resets the run-level fields a test may have changed and frees the result
// list, so the next test starts like a fresh run.
void resetRun();

// Decoded pixels of JPEG bytes or of a file; null when they do not decode.
QImage decode(const QByteArray& bytes);
QImage decodeFile(const QString& path);

// Files below a folder, recursively, as paths relative to it.
QStringList filesBelow(const QString& folder);

} // namespace repairrun
