#pragma once

#include <QString>

#include <optional>

namespace Woord::Greeting {

// The wish for an hour of the day (0..23): the first of the ranges 0-5, 5-9,
// 9-11, 11-13, 13-17 and 17-23 that holds the hour chooses it, so a boundary
// hour belongs to the earlier range. Nothing for an hour outside 0..23.
std::optional<QString> suffix(int hour);

// The greeting: the company name followed directly by the wish.
std::optional<QString> ShowGreetingText(const QString &companyName, int hour);

} // namespace Woord::Greeting
