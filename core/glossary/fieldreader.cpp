#include "core/glossary/fieldreader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace Woord {

namespace {

bool isSeparator(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

// Where the first separator (comma, CR or LF) of data lies at or after
// `from`, or data's size: three memchr passes over blocks that stay in the
// cache beat a loop over every byte by far on a long field. The blocks start
// small and grow, so that a separator close by (after a closing quote it is
// the next byte) costs no pass over a whole block.
qsizetype findSeparator(QByteArrayView data, qsizetype from)
{
    if (from < data.size() && isSeparator(data[from]))
        return from;
    constexpr qsizetype largestBlock = 4096;
    qsizetype block = 64;
    const char *const base = data.data();
    for (qsizetype start = from; start < data.size(); start += block, block = std::min(2 * block, largestBlock)) {
        const size_t length = size_t(std::min(block, data.size() - start));
        const char *found = nullptr;
        for (const char separator : {',', '\r', '\n'}) {
            const auto *hit = static_cast<const char *>(std::memchr(base + start, separator, length));
            if (hit && (!found || hit < found))
                found = hit;
        }
        if (found)
            return found - base;
    }
    return data.size();
}

} // namespace

qsizetype leadingBlanks(QByteArrayView data)
{
    // Long runs a block at a time against a block of blanks (memcmp is the
    // fastest comparison the library has), the rest eight bytes at a time.
    static const QByteArray blankBlock(4096, ' ');
    constexpr std::uint64_t eightBlanks = 0x2020202020202020u;
    const char *const base = data.data();
    if (data.isEmpty() || base[0] != ' ')
        return 0;
    qsizetype i = 0;
    while (i + blankBlock.size() <= data.size()
           && std::memcmp(base + i, blankBlock.constData(), size_t(blankBlock.size())) == 0)
        i += blankBlock.size();
    for (; i + 8 <= data.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, base + i, 8);
        if (word != eightBlanks)
            break;
    }
    while (i < data.size() && base[i] == ' ')
        ++i;
    return i;
}

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
    if (m_pos < size && data[m_pos] == ' ')
        m_pos += leadingBlanks(m_data.sliced(m_pos));
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
        if (m_pos < size && !isSeparator(data[m_pos]))
            m_pos = findSeparator(m_data, m_pos);
    } else {
        const qsizetype start = m_pos;
        m_pos = findSeparator(m_data, m_pos);
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
