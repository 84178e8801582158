#include "core/glossary/codepage.h"

#include <array>

namespace Woord::CodePage {

namespace {

// Codes 0x80..0x9F; the others are the Latin-1 code points of the same number.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020,
    0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D,
    0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
    0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t toUnicode(unsigned char code)
{
    if (code >= 0x80 && code <= 0x9F)
        return high[code - 0x80];
    return code;
}

QString toUnicode(QByteArrayView bytes)
{
    // Latin-1 is Windows-1252 but for 0x80..0x9F, so only texts that hold one
    // of those need a second look.
    QString text = QString::fromLatin1(bytes);
    bool high = false;
    for (const char byte : bytes)
        high |= (static_cast<unsigned char>(byte) & 0xE0) == 0x80;
    if (high) {
        for (QChar &c : text)
            c = QChar(toUnicode(static_cast<unsigned char>(c.unicode())));
    }
    return text;
}

int fromUnicode(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<int>(character);
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (high[i] == character)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace Woord::CodePage
