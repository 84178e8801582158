#pragma once

#include <QStringList>

namespace Woord::CountryCodes {

// The rows of the country codes window, in the order shown: each the code in
// capitals padded with blanks to five characters, then the English name.
QStringList rows();

} // namespace Woord::CountryCodes
