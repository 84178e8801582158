#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace Woord {

// One running program per user: a lock file in the user's runtime folder,
// held for the life of the process. A lock left by a process that no longer
// runs is taken over; a live one is never taken over, however old.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString &lockPath);

    // The folder and name the program uses for the current user.
    static QString defaultPath();

    // True when this process holds the lock (also when it already did), or
    // when no lock can be made at all, which must not keep the program from
    // starting; false when another running process holds it.
    bool claim();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace Woord
