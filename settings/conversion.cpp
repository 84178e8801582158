#include "settings/conversion.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace Woord::SettingsConversion {

Int16Result toInt16(const QString &text)
{
    static const QRegularExpression number(u"^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"_s);
    if (!number.match(text).hasMatch())
        return {0, ErrorKind::TypeMismatch};

    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // toDouble refuses a value beyond the double range; that is still a number.
    if (!ok || !std::isfinite(value))
        return {0, ErrorKind::Overflow};
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return {0, ErrorKind::Overflow};
    return {static_cast<qint16>(rounded), ErrorKind::None};
}

qint16 nextUsageCount(qint16 gebruik)
{
    if (gebruik == std::numeric_limits<qint16>::max())
        return gebruik;
    return static_cast<qint16>(gebruik + 1);
}

QString twipsText(float twips)
{
    return QString::number(static_cast<double>(twips), 'g', 7);
}

QString withTrailingSeparator(const QString &folder, QChar separator)
{
    if (folder.endsWith(separator))
        return folder;
    return folder + separator;
}

} // namespace Woord::SettingsConversion
