#include "core/windows/abouttexts.h"

using namespace Qt::StringLiterals;

namespace Woord::AboutTexts {

QString heading(const QString &programmaTitel, int revision)
{
    return programmaTitel + u'.' + QString::number(revision) + u' ' + copyrightNotice();
}

QString copyrightNotice()
{
    return u"\u00A9 2026 WLK-Velde. Alle rechten voorbehouden."_s;
}

QString freewareNotice()
{
    return u"Woordorakelaar is freeware van WLK-Velde: u mag het programma en de begrippenlijst gratis gebruiken "
           u"en ongewijzigd aan anderen geven. Het wordt geleverd zoals het is, zonder enige garantie."_s;
}

QString dateLine(const QString &databaseDatum)
{
    return u"Begrippenlijst laatst bijgewerkt op: "_s + databaseDatum;
}

QString countLine(qint32 aantalBegrippen)
{
    return QString::number(aantalBegrippen) + u" begrippen in de lijst"_s;
}

} // namespace Woord::AboutTexts
