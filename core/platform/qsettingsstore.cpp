#include "core/platform/qsettingsstore.h"

using namespace Qt::StringLiterals;

namespace Woord {

QSettingsStore::QSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, u"WLK-Velde"_s)
{
    m_settings.beginGroup(u"Woordorakelaar"_s);
}

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
