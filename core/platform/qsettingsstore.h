#pragma once

#include "core/platform/platform.h"

#include <QSettings>

namespace Woord {

// The settings store over QSettings in the native format, group
// "Woordorakelaar": on Windows the registry key
// HKEY_CURRENT_USER\Software\WLK-Velde\Woordorakelaar, named whole (an
// organization without an application name would put the values under
// ...\WLK-Velde\OrganizationDefaults instead); elsewhere the file
// WLK-Velde.conf in the user's configuration folder, written through a
// temporary file that replaces the old one whole.
class QSettingsStore final : public SettingsStore
{
public:
    QSettingsStore();
#ifdef Q_OS_WIN
    // The values under registryKey\Woordorakelaar instead ("HKEY_CURRENT_USER\Software\...").
    explicit QSettingsStore(const QString &registryKey);
#endif

    QString read(const QString &key, const QString &defaultValue) override;
    void write(const QString &key, const QString &value) override;
    bool commit() override;

private:
    QSettings m_settings;
};

} // namespace Woord
