#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QFile;

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

// An open folder. Every look-up, create, read and remove inside it acts on
// the folder that was opened, by name, and never follows a link: a link that
// appears after the folder was opened, or in place of one of its entries, is
// never the way to anything outside, and nobody can swap the folder behind
// its path between a check and a use. The methods may be called from any
// thread.
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
    // Makes the subfolder `name` of this folder, owner only, unless a folder
    // stands there already, and opens it; not open when a link or anything
    // but a folder holds the name.
    FolderHandle makeChild(const QString& name) const;
    // Makes a new private folder below parent, named prefix + "-" + a unique
    // ending, and opens it. False when none could be made.
    bool create(const QString& parent, const QString& prefix);
    // The same, with the folder's lock (tryLock) taken before the folder
    // appears under its name, so that whoever finds it can tell by the lock
    // whether its maker still runs.
    bool createLocked(const QString& parent, const QString& prefix);

    bool isOpen() const { return m_fd >= 0; }
    // The folder's own owner is the current user and nobody else may enter
    // (read through the descriptor).
    bool isPrivate() const;
    QString path() const { return m_path; }
    int descriptor() const { return m_fd; }

    // Every entry, hidden ones (names starting with ".") included, "." and
    // ".." left out, unsorted.
    QStringList entries() const;
    // What the entry is, the entry itself (not where a link leads).
    Kind kindOf(const QString& name) const;
    bool identityOfEntry(const QString& name, FileIdentity* identity) const;
    // Size of the entry `name` itself (a link is not followed); -1 when missing.
    qint64 fileSize(const QString& name) const;

    // Creates the file `name` and opens it for writing: owner only, and
    // executable by the owner when asked. Fails when anything of that name
    // is there already, a link included. -1 on failure.
    int createFile(const QString& name, bool executable) const;
    // Opens the regular file `name` for reading, never through a link. -1 on
    // failure.
    int openFile(const QString& name) const;
    // The same, opening `file` on it (closed with the file).
    bool openFile(const QString& name, QFile& file) const;

    // Removes the regular file `name` and cuts it to zero bytes when that
    // was its last name; a file that another name still holds (a hard link
    // kept elsewhere) keeps its bytes. False when nothing was removed.
    bool removeFile(const QString& name) const;
    // Removes the entry (a link itself, never its target); false when it
    // is a folder or could not be removed.
    bool removeEntry(const QString& name) const;
    // Removes the empty subfolder `name`.
    bool removeFolder(const QString& name) const;

    // Takes the folder's exclusive lock, held until the handle is closed or
    // the process ends; false when another open handle holds it.
    bool tryLock() const;

    // Removes every entry of the folder, then the folder while its path still
    // leads to it, and closes the handle.
    void removeAll();
    // Closes the handle and leaves the folder as it is.
    void release();

private:
    FolderHandle(int fd, const QString& path) : m_fd(fd), m_path(fd >= 0 ? path : QString()) {}

    int m_fd = -1;
    QString m_path;
};

} // namespace platform
