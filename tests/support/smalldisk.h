#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace Woord::Test {

// A small file system of the test's own (a tmpfs of `kib` KiB), for the
// superuser only (mounted() tells); it goes with the object.
class SmallDisk
{
public:
    explicit SmallDisk(int kib)
    {
        if (::geteuid() != 0 || !m_folder.isValid())
            return;
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        m_mounted = ::mount("tmpfs", folder().constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(folder().constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }
    // Every file on it, hidden ones too, by name.
    QStringList entries() const
    {
        return QDir(path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

    // Fills the disk with a file of its own until only `pages` pages of
    // 4 KiB are free.
    bool leaveFree(qint64 pages)
    {
        struct statvfs info {
        };
        if (::statvfs(folder().constData(), &info) != 0 || qint64(info.f_bavail) < pages)
            return false;
        QFile filling(filePath(QStringLiteral("vulling")));
        const QByteArray bytes((qint64(info.f_bavail) - pages) * 4096, 'x');
        return filling.open(QIODevice::WriteOnly) && filling.write(bytes) == bytes.size() && filling.flush();
    }
    bool makeReadOnly()
    {
        return ::mount("tmpfs", folder().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray folder() const { return QFile::encodeName(m_folder.path()); }

    QTemporaryDir m_folder;
    bool m_mounted = false;
};

} // namespace Woord::Test
