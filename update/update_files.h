#pragma once

#include <QByteArray>
#include <QString>

namespace platform {
class FolderHandle;
}

// Process-wide state of the software update, used on the user-interface
// thread only.
extern bool g_reportNoUpdate;     // the user asked: say so when nothing is newer
extern bool g_majorUpdateFound;   // last online check found a newer major release
extern bool g_minorUpdateFound;   // last online check found a newer update
extern QString g_minorVersionText; // the version named by the minor finding
extern QString g_majorVersionText; // the version named by the major finding
extern QByteArray g_minorInstallerDigest; // SHA-256 the version file gave with the minor finding
extern QByteArray g_majorInstallerDigest; // SHA-256 the version file gave with the major finding
extern QString g_updateInfoPath;
extern QString g_updateInstallerPath;

extern const char* const kUpdateInfoName;      // the version file on the server
extern const char* const kUpdateInstallerName; // the installer on the server

// Set once the user has accepted an update and its installer runs: the
// main window then closes without asking.
extern bool g_leavingForInstaller;

// The update folder: a folder of this process under the system's temporary
// folder that only the current user can enter; empty until
// SetUpdateFilePaths() has made one (or when none could be made).
QString UpdateFolder();

// The update folder held open: its files are made and read through it.
const platform::FolderHandle& UpdateFolderHandle();

// The installed version: the setting "Version", or this program's own
// version when the settings hold none.
QString InstalledVersion();

// Makes sure the update folder exists and is still private (otherwise a new
// one is made) and sets the two local paths of the update files in it.
void SetUpdateFilePaths();

// Empties the update folder and removes it; links inside it are removed
// without touching what they point to. The next SetUpdateFilePaths() makes
// a fresh folder.
void RemoveUpdateFolder();

// Removes the update folders that killed runs left behind; those of running
// programs, and one an installer still runs from, stay.
void RemoveStaleUpdateFolders();

// Leaves the current update folder in place when the program ends (the
// installer started from it still needs its file).
void KeepUpdateFolder();

// The installer digest that belongs to the offered version: the minor
// update's when one was found, the major release's otherwise, as the offer
// text names them. Empty when the version file gave none.
QByteArray OfferedInstallerDigest();

// The base address of the update files for the current interface language
// (its trailing separator included); empty when none is set.
QString UpdateLink();
