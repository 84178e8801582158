#pragma once

#include "core/glossary/errorkind.h"
#include "core/platform/platform.h"

// How start-up reacts to a failure of one of its steps, by the failure's
// kind, and the messages it shows then.
namespace Woord::StartupTrap {

enum class Reaction {
    FileNotFound, // message naming the glossary's path, then unload
    NextStep, // go on with the step after the failed one
    FirstTerm, // show the first term and end start-up
    EndSilently, // end start-up; the window is shown as it is
    ReportAndUnload, // the failure and a request to mail the maker, then unload
};

Reaction reactionFor(ErrorKind kind);

Message fileNotFound(const QString &title, const QString &databasePad);

// The two messages of an unforeseen failure.
Message unforeseenFailure(const QString &title, ErrorKind kind);
Message reportToMaker();

} // namespace Woord::StartupTrap
