#pragma once

#include <QString>

class QFile;

namespace platform {

// A private folder held open. It is made and opened once; from then on its
// files are created, read, measured and removed through the folder's own
// descriptor, so nobody can swap the folder behind its path between a check
// and a use (the temporary folder may lack the sticky bit). The methods may
// be called from any thread.
class FolderHandle {
public:
    FolderHandle() = default;
    ~FolderHandle();
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    // Makes a new private folder below parent, named prefix + "-" + a unique
    // ending, and opens it. False when none could be made.
    bool create(const QString& parent, const QString& prefix);

    bool isOpen() const;
    // True while the open folder belongs to this user and nobody else may
    // enter it (its permissions are read through the descriptor).
    bool isPrivate() const;
    QString path() const;
    int descriptor() const;

    // Creates the file `name` in the folder and opens it for writing: owner
    // only, and executable by the owner when asked. Fails when anything of
    // that name is there already, a link included. -1 on failure.
    int createFile(const QString& name, bool executable) const;
    // Opens the regular file `name` of the folder for reading, never through
    // a link. -1 on failure.
    int openFile(const QString& name) const;
    // The same, opening `file` on it (closed with the file).
    bool openFile(const QString& name, QFile& file) const;
    // Size of the file `name` (a link is not followed); -1 when missing.
    qint64 fileSize(const QString& name) const;
    // Removes the entry `name` itself (a link, never what it points to).
    bool removeFile(const QString& name) const;

    // Removes every entry of the folder, then the folder, and closes it.
    void removeAll();
    // Closes the handle and leaves the folder as it is.
    void release();

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace platform
