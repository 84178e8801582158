#pragma once

#include <QString>

// The status line texts of the main window's controls.
namespace Woord::StatusHelp {

struct Entry {
    const char16_t *control; // the control's name
    const char16_t *text;
};

// Moving the mouse over one of these controls puts its text in the status
// line; over any other control the status line keeps what it had. The texts
// stand as they are shown, "<Begrip>" included.
inline constexpr Entry texts[] = {
    {u"List_Grid", u"Volledig alfabetisch overzicht van alle begrippen"},
    {u"Lbl_Begrip", u"Een <Begrip> waarvan u de verklaring hieronder kan lezen"},
    {u"Lbl_Beschrijving", u"De verklaring van het <Begrip>"},
    {u"Lbl_CurrRecord", u"Doorloop de begrippenlijst d.m.v. scrollen. Klik op de pijltjes"},
    {u"Knp_EersteRecord", u"Naar het eerste begrip in de begrippenlijst gaan."},
    {u"Knp_LaatsteRecord", u"Naar het laatste begrip in de begrippenlijst gaan"},
    {u"Lbl_Tip", u"Druk op F3 om te zoeken naar een woord in de lijst"},
    {u"Img_Tip", u"Druk op F3 om te zoeken naar een woord in de lijst"},
};

// The status line text for a control of the main window, by its name, or an
// empty text for a control that leaves the status line as it is.
QString textFor(const QString &controlName);

// The same text with the given term in place of "<Begrip>", as it reads for
// the term on display.
QString textFor(const QString &controlName, const QString &term);

} // namespace Woord::StatusHelp
