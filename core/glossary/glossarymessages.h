#pragma once

#include "core/platform/platform.h"

// The messages that reading the glossary leads to. Each takes the title the
// program gives its messages; line breaks are CR LF.
namespace Woord::GlossaryMessages {

// The glossary's first field is not the header text.
Message wrongLayout(const QString &title);
// The date's third character is not "/".
Message oldFormat(const QString &title);
// The entry count lies outside 0..32767.
Message wrongCount(const QString &title);
// Any other failure during the load; names the glossary's path.
Message loadFailed(const QString &title, const QString &databasePad);

} // namespace Woord::GlossaryMessages
