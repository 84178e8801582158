#include "tools/dutchorder.h"

namespace Woord::DutchOrder {

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

QString primaryKey(const QString &term)
{
    const QString decomposed = term.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isLetterOrNumber())
            key.append(c.toLower());
    }
    return key;
}

int compare(const QString &a, const QString &b)
{
    if (const int primary = primaryKey(a).compare(primaryKey(b)))
        return sign(primary);
    if (const int accents = a.toLower().compare(b.toLower()))
        return sign(accents);
    return sign(a.compare(b));
}

} // namespace Woord::DutchOrder
