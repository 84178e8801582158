#include "glossary/encrypt.h"

#include "glossary/codepage.h"

#include <array>

namespace Woord::Encrypt {

namespace {

using CharTable = std::array<char16_t, 256>;

// Decoding and the code page folded into one table, so each byte costs a
// single look-up.
CharTable tableFor(int key)
{
    CharTable table{};
    for (int code = 0; code < 256; ++code)
        table[code] = CodePage::toUnicode(decodeByte(static_cast<unsigned char>(code), key));
    return table;
}

const CharTable &builtInTable()
{
    static const CharTable table = tableFor(builtInKey);
    return table;
}

} // namespace

int effectiveKey(int key)
{
    if (key < 1)
        return builtInKey;
    if (key > 254)
        return 254;
    return key;
}

DecodeResult Decode(QByteArrayView scrambled, int key)
{
    if (scrambled.size() > maxTextLength)
        return {QString(), ErrorKind::Overflow};

    const int k = effectiveKey(key);
    CharTable local;
    const CharTable *table = &builtInTable();
    if (k != builtInKey) {
        local = tableFor(k);
        table = &local;
    }

    QString text(scrambled.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : scrambled)
        *out++ = (*table)[static_cast<unsigned char>(byte)];
    return {text, ErrorKind::None};
}

} // namespace Woord::Encrypt
