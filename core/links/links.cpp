#include "core/links/links.h"

#include "core/links/maker.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Woord::Links {

namespace {

const QString crlf = u"\r\n"_s;

QString site(const QString &path)
{
    return QString::fromUtf16(Maker::SiteBase) + path;
}

} // namespace

QString localHelpFile(const QString &dataMap)
{
    return dataMap + u"woordorakelaar.htm"_s;
}

QString helpPage()
{
    return site(u"xtra/woordorakelaar/help/woordorakelaar.htm"_s);
}

QString glossaryPage()
{
    return site(u"utilities/woordorakelaar.html#Begrippenlijst"_s);
}

QString programPage()
{
    return site(u"utilities/woordorakelaar.html"_s);
}

QString siteHome()
{
    return site(QString());
}

QString mailTarget(const QString &programmaTitel, int revision)
{
    return u"mailto:"_s + QString::fromUtf16(Maker::ContactAddress) + u"?subject="_s + programmaTitel + u'.'
        + QString::number(revision) + u"&body=Hallo,"_s;
}

Message helpMissing(const QString &title, const QString &dataMap)
{
    return {title,
            u"Geen help beschikbaar of niet geïnstalleerd. Kijk even op mijn site voor het nieuwste helpbestand."_s
                + crlf + crlf
                + u"Als Woordorakelaar-help aanwezig is op de site download een copie en bewaar het in de volgende "
                  u"map :"_s
                + crlf + crlf + dataMap,
            MessageIcon::Information};
}

Message openFailed(const QString &title, const QString &target)
{
    return {title,
            u"Dit kan niet geopend worden:"_s + crlf + crlf + target + crlf + crlf
                + u"Er is geen programma gevonden om het mee te openen."_s,
            MessageIcon::Information};
}

Message glossaryInformation(const QString &databaseDatum, qint32 aantalBegrippen)
{
    const QStringList lines = {
        u"Begrippenlijst laatst bijgewerkt op: "_s + databaseDatum,
        QString(),
        u"Begrippen in de lijst: "_s + QString::number(aantalBegrippen),
        QString(),
        u"===> Kijkt u even na op de website van Woordorakelaar"_s,
        u"===> als de datum en het aantal begrippen overeenkomen."_s,
        u"===> Is dit niet het geval download dan de nieuwe versie van de begrippenlijst."_s,
    };
    return {u"Woordorakelaar"_s, lines.join(crlf), MessageIcon::None};
}

Message sources()
{
    return {u"Bronnen"_s, u"Internet, boeken, tijdschriften, dagbladen, ..."_s, MessageIcon::None};
}

} // namespace Woord::Links
