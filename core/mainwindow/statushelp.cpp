#include "core/mainwindow/statushelp.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace Woord::StatusHelp {

QString textFor(const QString &controlName)
{
    static const QHash<QString, QString> texts = {
        {u"List_Grid"_s, u"Volledig alfabetisch overzicht van alle begrippen"_s},
        {u"Lbl_Begrip"_s, u"Een <Begrip> waarvan u de verklaring hieronder kan lezen"_s},
        {u"Lbl_Beschrijving"_s, u"De verklaring van het <Begrip>"_s},
        {u"Lbl_CurrRecord"_s, u"Doorloop de begrippenlijst d.m.v. scrollen. Klik op de pijltjes"_s},
        {u"Knp_EersteRecord"_s, u"Naar het eerste begrip in de begrippenlijst gaan."_s},
        {u"Knp_LaatsteRecord"_s, u"Naar het laatste begrip in de begrippenlijst gaan"_s},
        {u"Lbl_Tip"_s, u"Druk op F3 om te zoeken naar een woord in de lijst"_s},
        {u"Img_Tip"_s, u"Druk op F3 om te zoeken naar een woord in de lijst"_s},
    };
    return texts.value(controlName);
}

QString textFor(const QString &controlName, const QString &term)
{
    return textFor(controlName).replace(u"<Begrip>"_s, term);
}

} // namespace Woord::StatusHelp
