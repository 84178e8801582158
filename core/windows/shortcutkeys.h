#pragma once

#include <QString>

namespace Woord::ShortcutKeys {

// The text of the shortcut keys window: seven lines, each followed by CR LF.
// A doubled "&" stands for one "&", as in every label caption.
QString helpText();

// A label caption as the label shows it: a single "&" marks an access key and
// is not shown, a doubled "&&" shows one "&".
QString shownText(const QString &caption);

} // namespace Woord::ShortcutKeys
