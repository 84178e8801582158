#pragma once

#include <QString>

namespace Woord {

// One running program per user: an advisory lock on a file in a folder only
// the user can write, held for the life of the process. The system lets go
// of the lock when its holder ends, however it ends, so nothing a leftover
// file holds can keep the program from starting; what the file contains is
// never read.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString &lockPath);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    // The lock file for the current user: in the user's runtime folder when
    // that is the user's own and closed to others, else in a folder of the
    // program's own in the temporary folder, made private to the user. Empty
    // when no such folder can be had.
    static QString defaultPath();

    // True when this process holds the lock (also when it already did), or
    // when no lock can be made at all, which must not keep the program from
    // starting; false when another running process holds it.
    bool claim();

private:
    QString m_path;
#ifdef Q_OS_WIN
    void *m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

} // namespace Woord
