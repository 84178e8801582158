#pragma once

#include <QByteArray>

namespace Woord::Bench {

// The largest glossary the format allows: 32767 entries, each description
// about 300 characters of Dutch-looking text with accents, made afresh and
// the same on every run.
QByteArray largestGlossary(int entries = 32767, int descriptionLength = 300);

} // namespace Woord::Bench
