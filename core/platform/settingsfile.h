#pragma once

#include "core/platform/platform.h"

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>
#include <utility>

namespace Woord {

// The settings store where the platform has no registry: the INI file that
// QSettings keeps for the organization "WLK-Velde" (no application name), the
// program's values in its group "Woordorakelaar" and other programs' groups
// beside them. QSettings reads and writes the text; the file itself is
// guarded here. Only a regular file of a size this program could have written
// is read or replaced: anything else under the name (a folder, a FIFO, a
// socket, a device, a link to one, a huge file) is passed over as if there
// were no settings, and left as it is. A commit leaves the old file whole or
// puts the new one whole in its place, also on a full disk.
class SettingsFileStore final : public SettingsStore
{
public:
    explicit SettingsFileStore(const QString &path);

    // WLK-Velde.conf in the user's configuration folder, where QSettings keeps it.
    static QString defaultPath();

    // Far larger than any settings file this program writes, which holds a
    // few hundred bytes.
    static constexpr qint64 maxSize = qint64(1) << 20;

    QString read(const QString &key, const QString &defaultValue) override;
    void write(const QString &key, const QString &value) override;
    bool commit() override;

private:
    QString m_path;
    QVariantMap m_values; // every key of the file as read, "group/key"
    QList<std::pair<QString, QString>> m_writes; // in the program's group, in order
};

// Every value of the settings file at path by its full key, or nothing when
// the file is not one to read or write (see SettingsFileStore). No file at
// all holds no values.
std::optional<QVariantMap> readSettingsFile(const QString &path);

} // namespace Woord
