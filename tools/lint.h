#pragma once

#include "tools/wodpack.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

// The editorial rules of the glossary that a program can check, over a parsed
// source: one notion under one term, cross-references that lead to an entry
// that names them, descriptions that end with a period and are neither thin
// nor long, an impersonal voice, years instead of words such as "nu", and
// one spelling of each abbreviation word.
namespace Woord::Lint {

struct Finding {
    int line = 0; // the source line, counted from 1
    QString message;

    bool operator==(const Finding &) const = default;
};

// A spelling the glossary does not use and the form it uses instead. wrong is
// found case-sensitively at the start of a word; when it ends in a capital
// letter it must also end the word ("PC" in "PC's" and "PC-spel", not in
// "PCI"), else it may go on ("Mesh-netwerken"). termOnly rows are found only
// as a whole term.
struct Spelling {
    const char16_t *wrong;
    const char16_t *preferred;
    bool termOnly = false;
};

// The table the spelling rule works from; extend it here.
inline constexpr Spelling spellings[] = {
    {u"CD-ROM", u"cd-rom"},
    {u"DVD", u"dvd"},
    {u"LCD", u"lcd"},
    {u"LED", u"led"},
    {u"PC", u"pc"},
    {u"USB-", u"usb-"},
    {u"SIM-kaart", u"simkaart"},
    {u"WiFi", u"wifi"},
    {u"Wi-Fi", u"wifi"},
    {u"wi-fi", u"wifi"},
    {u"Wifi", u"wifi", true},
    {u"Pc", u"pc", true},
    {u"Enter-toets", u"entertoets"},
    {u"Mesh-netwerk", u"meshnetwerk"},
    {u"Legacy-systeem", u"legacysysteem"},
    {u"Multicore-processor", u"multicoreprocessor"},
    {u"Docking station", u"dockingstation"},
};

// Words that address the reader; descriptions are impersonal.
inline constexpr const char16_t *addressingWords[] = {u"je", u"jij", u"jou", u"jouw", u"u", u"uw"};

// Words that date a description without saying when; a time-bound fact
// gets its year ("sinds 2025", "stand 2026") instead. Found as whole words,
// in lower case or starting a sentence (an all-capital "NU" is a name).
inline constexpr const char16_t *timeWords[]
    = {u"nu", u"tegenwoordig", u"inmiddels", u"recent", u"recente", u"recentelijk", u"steeds vaker", u"moderne"};

// The longest description, in characters, and the shortest one that is not
// a cross-reference.
inline constexpr int maxDescriptionLength = 300;
inline constexpr int minDescriptionLength = 60;

// The findings of the editorial rules over the entries of a source.
QList<Finding> lintEntries(const QList<WodPack::SourceEntry> &entries);

// Everything pack would refuse in a source (every problem, not only the
// first; a missing date line too), and the editorial rules over the entries
// that could be read; ordered by line, a line's own problems first.
QList<Finding> lintSource(QByteArrayView utf8, WodPack::Ordering ordering);

// The same for a source in a file, read from its start line by line, three
// times: to learn its terms, to see which cross-references their targets
// name, and to check each line. Each finding is handed to
// found as soon as it is found, so memory grows with the terms alone, not
// with the source or its findings. Returns an empty text, or why reading
// failed (found may have had some findings by then).
QString lintFile(Files::RegularFile &file, WodPack::Ordering ordering,
                 const std::function<void(const Finding &)> &found);

} // namespace Woord::Lint
