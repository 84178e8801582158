#pragma once

#include "core/glossary/errorkind.h"
#include "core/glossary/loader.h"
#include "core/platform/platform.h"

#include <QList>
#include <QString>

// Start-up's dealings with the glossary: the file is read once, and one
// function decides from what happened (opening it, its header, its load)
// which messages the user gets, in which order, and how start-up ends. The
// main window carries the decision out.
namespace Woord::Startup {

// What reading the glossary file gave.
struct GlossaryRead {
    ErrorKind openError = ErrorKind::None; // None when it opened
    HeaderResult header; // the header test of what was read
    LoadResult load; // the load, made when the header matched
};

// Opens the file (only a regular one, without waiting), reads it whole into
// memory unless it is larger than any glossary can be, tests its header and,
// when that matches, loads it.
GlossaryRead readGlossary(const QString &path);

// How start-up reacts to a failure of one of its steps, by the failure's kind.
enum class Reaction {
    FileNotFound, // message naming the glossary's path, then unload
    NextStep, // go on with the step after the failed one
    FirstTerm, // show the first term and end start-up
    EndSilently, // end start-up; the window is shown as it is
    ReportAndUnload, // the failure and a request to mail the maker, then unload
};
Reaction reactionFor(ErrorKind kind);

enum class Ending {
    Show, // the window is shown
    AtOnce, // the program ends without saving anything
    Unload, // the main window is unloaded: the settings are saved, the program ends
};

enum class FirstTerm {
    Random, // a term chosen at random, from the loaded glossary
    First, // the first row of the list
    None, // nothing is shown
};

struct Plan {
    QList<Message> messages; // shown in this order, before the ending
    Ending ending = Ending::Show;
    FirstTerm firstTerm = FirstTerm::None;
};

// The decision, from what reading the glossary gave.
Plan plan(const GlossaryRead &read, const QString &title, const QString &databasePad);

Message fileNotFound(const QString &title, const QString &databasePad);
// The two messages of an unforeseen failure.
Message unforeseenFailure(const QString &title, ErrorKind kind);
Message reportToMaker();

} // namespace Woord::Startup
