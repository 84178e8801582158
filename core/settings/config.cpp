#include "core/settings/config.h"

#include "core/settings/conversion.h"

using namespace Qt::StringLiterals;

namespace Woord {

QList<ConfigProblem> Loadconfig(SettingsStore &store, const QString &programFolder, ConfigValues &values)
{
    QList<ConfigProblem> problems;

    // Read for others, not used by the program itself.
    store.read(u"mapnaam"_s, programFolder);

    const struct {
        QString key;
        qint16 *target;
    } numbers[] = {
        {u"gebruik"_s, &values.Gebruik},
        {u"links"_s, &values.Links},
        {u"boven"_s, &values.Boven},
    };
    for (const auto &[key, target] : numbers) {
        const SettingsConversion::Int16Result result = SettingsConversion::toInt16(store.read(key, u"1"_s));
        if (result.error == ErrorKind::None)
            *target = result.value;
        else if (result.error != ErrorKind::Overflow)
            problems.append({key, result.error});
    }

    values.BijStart = readBijStart(store);
    return problems;
}

QString readBijStart(SettingsStore &store)
{
    return store.read(u"bijstart"_s, QString::fromUtf16(defaultBijStart));
}

Message loadconfigMessage(const QString &title, ErrorKind error)
{
    return {title, errorDescription(error) + u" - Loadconfig: "_s + QString::number(errorNumber(error)),
            MessageIcon::Information};
}

bool SaveConfig(SettingsStore &store, const ConfigSave &save)
{
    store.write(u"mapnaam"_s, save.programFolder);
    store.write(u"datamap"_s, save.DataMap);
    store.write(u"exenaam"_s, save.exeName);
    store.write(u"gebruik"_s, QString::number(SettingsConversion::nextUsageCount(save.Gebruik)));
    store.write(u"versie"_s, save.version);
    if (save.placeKnown) {
        store.write(u"links"_s, SettingsConversion::twipsText(save.left));
        store.write(u"boven"_s, SettingsConversion::twipsText(save.top));
    }
    return store.commit();
}

} // namespace Woord
