#pragma once

#include <QtGlobal>

// The glossary file's size limit. The file is read as every file the program
// reads (core/files/regularfile.h) and tested and loaded from memory
// (core/mainwindow/startup.h).
namespace Woord {

// The largest file the format can hold, in bytes, laid out as glossaries are
// written: the quoted header and CR LF (1 + 66 + 1 + 2 = 70); the count, a
// comma, the start index (at most 11 characters, "-2147483648") and CR LF
// (5 + 1 + 11 + 2 = 19); the quoted date and CR LF, the date taken at the
// length of the longest text (1 + 32767 + 1 + 2 = 32771); then 32767 entries
// of two quoted texts of 32767 bytes, a comma and CR LF (32767 * (2 * 32769
// + 3) = 2,147,581,947). In all 2,147,614,807 bytes, just over 2 GiB. Blanks
// before a field and data after the last entry, which the reader passes
// over, are no part of the format; a file larger than this is no glossary
// anyone made, and is refused without being read.
inline constexpr qint64 maxGlossaryFileSize
    = (1 + 66 + 1 + 2) + (5 + 1 + 11 + 2) + (1 + 32767 + 1 + 2) + qint64(32767) * (2 * (1 + 32767 + 1) + 1 + 2);
static_assert(maxGlossaryFileSize == 2'147'614'807);

} // namespace Woord
