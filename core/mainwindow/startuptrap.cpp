#include "core/mainwindow/startuptrap.h"

#include "core/links/maker.h"

using namespace Qt::StringLiterals;

namespace Woord::StartupTrap {

Reaction reactionFor(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::FileNotFound:
        return Reaction::FileNotFound;
    case ErrorKind::PathFileAccess:
    case ErrorKind::PathNotFound:
    case ErrorKind::ObjectRequired:
        return Reaction::NextStep;
    case ErrorKind::InvalidPropertyValue:
        return Reaction::FirstTerm;
    case ErrorKind::Unexpected:
        return Reaction::EndSilently;
    default:
        return Reaction::ReportAndUnload;
    }
}

Message fileNotFound(const QString &title, const QString &databasePad)
{
    return {title,
            databasePad + u" niet aanwezig op uw computer.\r\n\r\n"_s + title
                + u" opnieuw installeren of download woordorakelaar.wod van de website."_s,
            MessageIcon::Critical};
}

Message unforeseenFailure(const QString &title, ErrorKind kind)
{
    return {title, errorDescription(kind) + u" -- "_s + QString::number(errorNumber(kind)), MessageIcon::Critical};
}

Message reportToMaker()
{
    return {u"Woordorakelaar"_s,
            u"Schrijf wat u deed voor de fout zich voordeed en e-mail het naar "_s
                + QString::fromUtf16(Maker::ContactAddress),
            MessageIcon::None};
}

} // namespace Woord::StartupTrap
