#include "core/platform/settingsfile.h"

#include "core/files/regularfile.h"
#include "core/files/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace Woord {

namespace {

const QString group = u"Woordorakelaar/"_s;

} // namespace

std::optional<QVariantMap> readSettingsFile(const QString &path)
{
    {
        Files::RegularFile file;
        switch (file.open(path)) {
        case Files::OpenError::None:
            break;
        case Files::OpenError::NotFound:
        case Files::OpenError::FolderMissing:
            return QVariantMap();
        case Files::OpenError::NotRegular:
        case Files::OpenError::AccessDenied:
        case Files::OpenError::Failed:
            return std::nullopt;
        }
        if (file.size() > SettingsFileStore::maxSize)
            return std::nullopt;
    }
    // The file was a regular one of a sensible size a moment ago; QSettings
    // opens it again by its name.
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    QVariantMap values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

SettingsFileStore::SettingsFileStore(const QString &path)
    : m_path(path)
    , m_values(readSettingsFile(path).value_or(QVariantMap()))
{
}

QString SettingsFileStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/WLK-Velde.conf"_s;
}

QString SettingsFileStore::read(const QString &key, const QString &defaultValue)
{
    for (auto it = m_writes.crbegin(); it != m_writes.crend(); ++it) {
        if (it->first == key)
            return it->second;
    }
    const QVariant value = m_values.value(group + key);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with a bare comma reads back as a list; take it as
    // the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

void SettingsFileStore::write(const QString &key, const QString &value)
{
    m_writes.append({key, value});
}

bool SettingsFileStore::commit()
{
    // What the file holds now: another program may have changed its own
    // groups since the start.
    std::optional<QVariantMap> values = readSettingsFile(m_path);
    if (!values)
        return false;
    for (const auto &[key, value] : std::as_const(m_writes))
        values->insert(group + key, value);

    const QFileInfo target(m_path);
    if (!QDir().mkpath(target.absolutePath()))
        return false;
    // QSettings writes the new text in a folder of the program's own beside
    // the file, on the same disk.
    QTemporaryDir work(target.absoluteFilePath() + u"-XXXXXX"_s);
    if (!work.isValid())
        return false;
    const QString written = work.filePath(u"nieuw.conf"_s);
    {
        QSettings settings(written, QSettings::IniFormat);
        for (auto it = values->cbegin(); it != values->cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    // QSettings does not notice a write that fails part way, as on a full
    // disk. The text is read back under a name QSettings has not seen, so
    // from the disk and not from its cache, and must hold every value.
    const QString check = work.filePath(u"gelezen.conf"_s);
    if (!QFile::rename(written, check) || readSettingsFile(check) != values)
        return false;
    Files::RegularFile file;
    QByteArray bytes;
    if (file.open(check) != Files::OpenError::None || file.readAll(bytes, maxSize) != Files::ReadError::None)
        return false;
    return Files::saveWhole(m_path, bytes, true).saved();
}

} // namespace Woord
