#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>

namespace platform {

// Identity of a file on its file system (device and file number), so a file
// can be recognised whatever path leads to it.
struct FileIdentity {
    quint64 device = 0;
    quint64 number = 0;
    bool operator==(const FileIdentity& other) const
    {
        return device == other.device && number == other.number;
    }
};

// The identity of the file a path names, links followed; false when there
// is none.
bool identityOf(const QString& path, FileIdentity* identity);

// An open folder. Every look-up, create and remove inside it acts on the
// folder that was opened, by name, and never follows a link: a link that
// appears after the folder was opened, or in place of one of its entries,
// is never the way to anything outside.
class FolderHandle {
public:
    enum class Kind { Missing, Folder, File, Link, Other };

    FolderHandle() = default;
    ~FolderHandle();
    FolderHandle(FolderHandle&& other) noexcept;
    FolderHandle& operator=(FolderHandle&& other) noexcept;
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    // Opens a folder by path; not open when the last part of the path is a
    // link or no folder.
    static FolderHandle open(const QString& path);
    // Opens the subfolder `name` of this folder; not open when it is a link
    // or no folder.
    FolderHandle child(const QString& name) const;

    bool isOpen() const { return m_fd >= 0; }

    // The entries, "." and ".." and hidden ones (names starting with ".")
    // left out, unsorted.
    QStringList entries() const;
    // What the entry is, the entry itself (not where a link leads).
    Kind kindOf(const QString& name) const;
    bool identityOfEntry(const QString& name, FileIdentity* identity) const;
    // The folder's own owner is the current user and nobody else may enter.
    bool isPrivate() const;

    // Cuts the regular file `name` to zero bytes; anything else (a link, a
    // pipe, a device) is left as it is. True when it was cut.
    bool cutFile(const QString& name) const;
    // Removes the entry (a link itself, never its target); false when it
    // is a folder or could not be removed.
    bool removeEntry(const QString& name) const;
    // Removes the empty subfolder `name`.
    bool removeFolder(const QString& name) const;

    // Takes the folder's exclusive lock, held until the handle is closed or
    // the process ends; false when another open handle holds it.
    bool tryLock() const;

private:
    explicit FolderHandle(int fd) : m_fd(fd) {}

    int m_fd = -1;
};

} // namespace platform
