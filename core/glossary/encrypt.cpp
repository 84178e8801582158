#include "core/glossary/encrypt.h"

#include "core/glossary/codepage.h"

namespace Woord::Encrypt {

int effectiveKey(int key)
{
    if (key < 1)
        return builtInKey;
    if (key > 254)
        return 254;
    return key;
}

void decodeInto(const char *in, char *out, qsizetype size, int key)
{
    // Written so the compiler can shift many bytes at a time.
    const auto down = static_cast<unsigned char>(effectiveKey(key));
    const auto wrap = static_cast<unsigned char>(255 - down);
    const auto *from = reinterpret_cast<const unsigned char *>(in);
    auto *to = reinterpret_cast<unsigned char *>(out);
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char a = from[i];
        to[i] = a < down ? static_cast<unsigned char>(a + wrap) : static_cast<unsigned char>(a - down);
    }
}

DecodeResult Decode(QByteArrayView scrambled, int key)
{
    if (scrambled.size() > maxTextLength)
        return {QString(), ErrorKind::Overflow};
    QByteArray plain = scrambled.toByteArray();
    decodeInPlace(plain.data(), plain.size(), key);
    return {CodePage::toUnicode(plain), ErrorKind::None};
}

} // namespace Woord::Encrypt
