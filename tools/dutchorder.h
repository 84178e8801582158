#pragma once

#include <QString>

// Alphabetical order as Dutch readers expect it in a glossary: letter case and
// accents do not count first (é sorts with e), nor do spaces and punctuation
// (C++ sorts with C); digits come before letters. Terms that are equal under
// those rules are ordered by their lower-cased text, then by their own text.
namespace Woord::DutchOrder {

// The primary key of a term: its letters and digits, lower-cased, without accents.
QString primaryKey(const QString &term);

// Negative, zero or positive as a sorts before, with or after b.
int compare(const QString &a, const QString &b);

} // namespace Woord::DutchOrder
