#include "tests/support/wodbytes.h"

#include "core/glossary/codepage.h"
#include "core/glossary/encrypt.h"

namespace Woord::Test {

QByteArray scramble(const QString &plain)
{
    QByteArray bytes;
    for (const char32_t c : plain.toUcs4())
        bytes.append(static_cast<char>(
            Encrypt::encodeByte(static_cast<unsigned char>(CodePage::fromUnicode(c)), Encrypt::builtInKey)));
    return bytes;
}

QByteArray wod(const QList<Entry> &entries, const QByteArray &count, const QByteArray &date,
               const QByteArray &firstLine)
{
    QByteArray out = firstLine + "\r\n";
    out += (count.isNull() ? QByteArray::number(entries.size()) : count) + ",1\r\n";
    out += date + "\r\n";
    for (const Entry &entry : entries)
        out += '"' + scramble(entry.term) + "\",\"" + scramble(entry.description) + "\"\r\n";
    return out;
}

} // namespace Woord::Test
