#pragma once

#include <QString>

class QProcess;

// Scratch folders as runs leave them, for the clean-up tests.

// A private folder holding a copy of a photo ("IMG_1.jpg", "copy of a photo"),
// one of a photo whose name starts with a dot (".IMG_2.jpg") and one of a
// thumbnail in "Thumbnail Repaired" ("copy of a thumbnail").
bool makeScratchLike(const QString& folder);

// Starts a real process that takes the folder's lock, as a running program
// holds its scratch folder, and waits (at most 20 s) until it holds it. One
// process holds it: a shell that locks the folder it opened and then becomes
// a sleep, so killing the process frees the lock.
bool startLockHolder(QProcess& holder, const QString& folder);
