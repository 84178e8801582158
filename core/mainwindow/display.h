#pragma once

#include <QString>

// The texts and choices behind the main window's display of the current term.
namespace Woord::Display {

inline constexpr char16_t emptyGlossaryText[] = u"Niets aanwezig in deze begrippenlijst.";

// "7 van 1250": no leading blank, no digit grouping.
QString counterText(qint32 currRecord, qint32 aantalBegrippen);

// The row of the first term shown: uniform over 0..count-1, from a generator
// seeded with the seconds since midnight. -1 for an empty glossary.
int firstTermRow(int secondsSinceMidnight, qint32 aantalBegrippen);

} // namespace Woord::Display
