#pragma once

#include <QString>

#include <optional>

// The texts and choices behind the main window's display of the current term.
namespace Woord::Display {

inline constexpr char16_t emptyGlossaryText[] = u"Niets aanwezig in deze begrippenlijst.";

// "7 van 1250": no leading blank, no digit grouping.
QString counterText(qint32 currRecord, qint32 aantalBegrippen);

// The row of the first term shown: uniform over 0..count-1, from a generator
// seeded with the seconds since midnight. -1 for an empty glossary.
int firstTermRow(int secondsSinceMidnight, qint32 aantalBegrippen);

// The four steps through the glossary (F5 to F8 and the two buttons).
enum class Step {
    Previous,
    Next,
    First,
    Last,
};

// The entry a step from `current` goes to in a glossary of `count` entries,
// or nothing where it may not go (at the end it would leave, or anywhere in
// an empty glossary): the step then beeps and changes nothing. First and
// Last test for their own entry only, not for a range.
std::optional<qint32> stepTo(Step step, qint32 current, qint32 count);

} // namespace Woord::Display
