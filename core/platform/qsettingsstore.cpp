#include "core/platform/qsettingsstore.h"

using namespace Qt::StringLiterals;

namespace Woord {

#ifdef Q_OS_WIN

QSettingsStore::QSettingsStore()
    : QSettingsStore(u"HKEY_CURRENT_USER\\Software\\WLK-Velde"_s)
{
}

QSettingsStore::QSettingsStore(const QString &registryKey)
    : m_settings(registryKey, QSettings::NativeFormat)
{
    m_settings.beginGroup(u"Woordorakelaar"_s);
}

#else

QSettingsStore::QSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, u"WLK-Velde"_s)
{
    m_settings.beginGroup(u"Woordorakelaar"_s);
}

#endif

QString QSettingsStore::read(const QString &key, const QString &defaultValue)
{
    const QVariant value = m_settings.value(key);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with a bare comma reads back as a list; take it as
    // the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

void QSettingsStore::write(const QString &key, const QString &value)
{
    m_settings.setValue(key, value);
}

bool QSettingsStore::commit()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

} // namespace Woord
