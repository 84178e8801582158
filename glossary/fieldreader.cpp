#include "glossary/fieldreader.h"

#include <cmath>
#include <cstring>

namespace Woord {

bool FieldReader::skipLineEnd()
{
    if (m_pos >= m_data.size())
        return false;
    const char c = m_data[m_pos];
    if (c == '\n') {
        ++m_pos;
        return true;
    }
    if (c == '\r') {
        ++m_pos;
        if (m_pos < m_data.size() && m_data[m_pos] == '\n')
            ++m_pos;
        return true;
    }
    return false;
}

ErrorKind FieldReader::readText(QByteArrayView &field)
{
    const qsizetype size = m_data.size();
    const char *data = m_data.data();
    while (m_pos < size && data[m_pos] == ' ')
        ++m_pos;
    if (m_pos >= size)
        return ErrorKind::InputPastEnd;

    if (data[m_pos] == '"') {
        const qsizetype start = m_pos + 1;
        const void *quote = start < size ? std::memchr(data + start, '"', size_t(size - start)) : nullptr;
        const qsizetype end = quote ? static_cast<const char *>(quote) - data : size;
        field = m_data.sliced(start, end - start);
        m_pos = quote ? end + 1 : size;
        // Whatever stands between the closing quote and the separator is not
        // part of any field.
        while (m_pos < size && data[m_pos] != ',' && data[m_pos] != '\r' && data[m_pos] != '\n')
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < size && data[m_pos] != ',' && data[m_pos] != '\r' && data[m_pos] != '\n')
            ++m_pos;
        field = m_data.sliced(start, m_pos - start);
    }

    if (m_pos < size && data[m_pos] == ',')
        ++m_pos;
    else
        skipLineEnd();
    return ErrorKind::None;
}

ErrorKind FieldReader::readNumber(qint32 &value)
{
    QByteArrayView field;
    if (const ErrorKind error = readText(field); error != ErrorKind::None)
        return error;

    qsizetype i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        negative = field[i++] == '-';

    // Long digit strings are folded into a double, which is exact far past the
    // 32-bit range and saturates to infinity instead of wrapping.
    double whole = 0;
    bool anyDigit = false;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        whole = whole * 10 + (field[i] - '0');
        anyDigit = true;
    }
    double fraction = 0;
    if (i < field.size() && field[i] == '.') {
        double scale = 0.1;
        for (++i; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
            fraction += (field[i] - '0') * scale;
            scale /= 10;
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        value = 0;
        return ErrorKind::None;
    }

    double number = std::nearbyint(whole + fraction);
    if (negative)
        number = -number;
    if (!(number >= -2147483648.0 && number <= 2147483647.0))
        return ErrorKind::Overflow;
    value = static_cast<qint32>(number);
    return ErrorKind::None;
}

} // namespace Woord
