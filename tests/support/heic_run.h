#pragma once

#include "heic_fixture.h"

#include <QString>

// Shared steps of the HEIC tests: a private work folder and fixture files.

// Points the repair state's work folder into the test's temporary folder and
// clears what an earlier case left (produced names, stop flag, HEIC state).
void resetHeicTestState();

// The folder the rebuilt files go to.
QString heicOutputFolder();

// Writes a fixture under the test's temporary folder and returns its path.
QString writeHeicFixture(const QString& name, const QByteArray& bytes);
