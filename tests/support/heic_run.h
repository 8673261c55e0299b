#pragma once

#include "heic_fixture.h"

#include <QString>

class jpg_repair;

// Shared steps of the HEIC tests: a private work folder and fixture files.

// Points the repair state's work folder into the test's temporary folder and
// clears what an earlier case left (produced names, stop flag, HEIC state).
void resetHeicTestState();

// The folder the rebuilt files go to.
QString heicOutputFolder();

// Writes a fixture under the test's temporary folder and returns its path.
QString writeHeicFixture(const QString& name, const QByteArray& bytes);

// The data copy without the decode check that ends CopyHevcData, for
// fixtures whose slices are filler bytes, not HEVC data, which no decoder
// opens (their rebuilds are never listed): the container can be looked at as
// it is written. Ends the run as the copy does, removing the output when
// nothing was copied; lists nothing.
bool copyWithoutDecodeCheck(jpg_repair& repair, const QString& name);
