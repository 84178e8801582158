#pragma once

#include "core/platform/platform.h"

#include <QSettings>

namespace Woord {

// The settings store over QSettings in the native format, organization
// "WLK-Velde" and no application name, group "Woordorakelaar": on Linux the
// file WLK-Velde.conf in the user's configuration folder, on Windows the
// registry key HKCU\Software\WLK-Velde. Writing goes through a temporary file
// that replaces the old one whole, so the file is never left half-written.
class QSettingsStore final : public SettingsStore
{
public:
    QSettingsStore();

    QString read(const QString &key, const QString &defaultValue) override;
    void write(const QString &key, const QString &value) override;
    bool commit() override;

private:
    QSettings m_settings;
};

} // namespace Woord
