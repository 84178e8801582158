#pragma once

#include "core/glossary/errorkind.h"

#include <QByteArrayView>

namespace Woord {

// Reads a glossary file field by field, the way the file was always read:
// fields end at a comma or a line end (CR LF, a lone LF or a lone CR); leading
// spaces are skipped; a field that starts with a double quote runs to the
// next double quote and may hold commas; what follows a closing quote up to
// the next separator is passed over. Reading when nothing is left is a
// failure of kind InputPastEnd. The reader never copies: a field is a view
// into the data, which must outlive it.
// How many blanks (spaces) data starts with; fast over long runs.
qsizetype leadingBlanks(QByteArrayView data);

class FieldReader
{
public:
    explicit FieldReader(QByteArrayView data)
        : m_data(data)
    {
    }

    ErrorKind readText(QByteArrayView &field);

    // A number field: an optional sign and digits, with a fraction rounded to
    // the nearest whole number (ties to even); anything after the number is
    // ignored and a field with no number reads as 0. A value outside the
    // 32-bit range is an Overflow.
    ErrorKind readNumber(qint32 &value);

    qsizetype position() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    bool skipLineEnd();

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace Woord
