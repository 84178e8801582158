#include "core/glossary/glossarymessages.h"

using namespace Qt::StringLiterals;

namespace Woord::GlossaryMessages {

namespace {
const QString crlf = u"\r\n"_s;
}

Message wrongLayout(const QString &title)
{
    return {title,
            u"De begrippenlijst heeft een verkeerde indeling. Verwijder de begrippenlijst a.u.b."_s + crlf + crlf
                + u"Opnieuw installeren of download een nieuwe van de website."_s,
            MessageIcon::Critical};
}

Message oldFormat(const QString &title)
{
    return {title,
            u"U werkt met een oude versie van zowel Woordorakelaar als de begrippenlijst."_s + crlf + crlf
                + u"Een volledig nieuwe installatie van Woordorakelaar en de begrippenlijst is gewenst."_s,
            MessageIcon::Information};
}

Message wrongCount(const QString &title)
{
    return {title,
            u"Het aantal begrippen in de begrippenlijst is verkeerd."_s + crlf
                + u"Programma wordt beeïndigd. Opnieuw installeren van de begrippenlijst is gewenst."_s,
            MessageIcon::Information};
}

Message loadFailed(const QString &title, const QString &databasePad)
{
    return {title,
            databasePad + crlf
                + u"Deze begrippenlijst bevat fouten. Opnieuw installeren of download een nieuwe begrippenlijst."_s,
            MessageIcon::Critical};
}

} // namespace Woord::GlossaryMessages
