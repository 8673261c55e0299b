#pragma once

#include <QString>

// Process-wide state of the software update, used on the user-interface
// thread only.
extern bool g_reportNoUpdate;     // the user asked: say so when nothing is newer
extern bool g_majorUpdateFound;   // last online check found a newer major release
extern bool g_minorUpdateFound;   // last online check found a newer update
extern QString g_minorVersionText; // the version named by the minor finding
extern QString g_majorVersionText; // the version named by the major finding
extern QString g_updateInfoPath;
extern QString g_updateInstallerPath;

extern const char* const kUpdateInfoName;      // the version file on the server
extern const char* const kUpdateInstallerName; // the installer on the server

// The update folder under the system's temporary folder.
QString UpdateFolder();

// Sets the two local paths of the update files and creates the folder.
void SetUpdateFilePaths();

// The base address of the update files for the current interface language
// (its trailing separator included); empty when none is set.
QString UpdateLink();
