#include "core/mainwindow/programinfo.h"

#include "core/settings/conversion.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace Woord::ProgramInfo {

QString programmaTitel(const ProcessFacts &facts)
{
    return u"Woordorakelaar v"_s + QString::number(facts.major) + u'.' + QString::number(facts.minor);
}

QString dataMap(const ProcessFacts &facts)
{
    return SettingsConversion::withTrailingSeparator(facts.folder, QDir::separator());
}

QString versionText(const ProcessFacts &facts)
{
    return QString::number(facts.major) + u'.' + QString::number(facts.minor) + u'.' + QString::number(facts.revision);
}

} // namespace Woord::ProgramInfo
