#pragma once

#include <QString>

namespace Woord {

// The numbered kinds of run-time failure that reading the glossary, reading the
// settings and start-up react to. The numbers are shown to the user.
enum class ErrorKind : int {
    None = 0,
    Overflow = 6,
    OutOfMemory = 7,
    TypeMismatch = 13,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    InputPastEnd = 62,
    PathFileAccess = 75,
    PathNotFound = 76,
    InvalidPropertyValue = 380,
    ObjectRequired = 424,
    Unexpected = 50003,
};

constexpr int errorNumber(ErrorKind kind)
{
    return static_cast<int>(kind);
}

// The Dutch description of a failure kind, as messages show it.
QString errorDescription(ErrorKind kind);

} // namespace Woord
