#include "core/settings/conversion.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace Woord::SettingsConversion {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Blanks, a sign, digits with at most one point (at least one digit), an
// exponent, blanks; only ASCII digits and blanks. Written out rather than as
// a regular expression, which would load the expression engine at start-up.
bool isNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    auto digits = [&] {
        const qsizetype from = i;
        while (i < size && isDigit(text.at(i)))
            ++i;
        return i - from;
    };
    while (i < size && isBlank(text.at(i)))
        ++i;
    if (i < size && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < size && text.at(i) == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < size && (text.at(i) == u'e' || text.at(i) == u'E')) {
        ++i;
        if (i < size && (text.at(i) == u'+' || text.at(i) == u'-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    while (i < size && isBlank(text.at(i)))
        ++i;
    return i == size;
}

} // namespace

Int16Result toInt16(const QString &text)
{
    if (!isNumber(text))
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
