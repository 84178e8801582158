#pragma once

#include "core/glossary/errorkind.h"

#include <QByteArrayView>
#include <QString>

// Terms and descriptions in a glossary file are scrambled by shifting every
// byte code up by a key, wrapping round at 255 (not 256). Decoding undoes the
// shift and maps the resulting byte codes to characters through Windows-1252.
namespace Woord::Encrypt {

// Every shipped glossary is scrambled with this key; changing it makes all
// existing glossary files unreadable.
inline constexpr int builtInKey = 7;

// The longest text that decodes; a longer one is an overflow.
inline constexpr qsizetype maxTextLength = 32767;

// Key 0 (and any key below 1) selects the built-in key, a key above 254 is 254.
int effectiveKey(int key);

// One byte code decoded with an effective key (1..254): a - key, plus 255 when
// that is negative. Codes 0 and 255 both give 255 - key; nothing gives 255.
constexpr unsigned char decodeByte(unsigned char code, int key)
{
    int v = code - key;
    if (v < 0)
        v += 255;
    return static_cast<unsigned char>(v);
}

// The inverse for plain codes 0..254: p + key, less 255 when that passes 255.
constexpr unsigned char encodeByte(unsigned char plain, int key)
{
    int v = plain + key;
    if (v > 255)
        v -= 255;
    return static_cast<unsigned char>(v);
}

struct DecodeResult {
    QString text;
    ErrorKind error = ErrorKind::None;
};

// Decodes size scrambled bytes to plain Windows-1252 bytes at out (which may
// be in itself).
void decodeInto(const char *in, char *out, qsizetype size, int key = 0);
// Decodes a scrambled text to plain Windows-1252 bytes, where it stands.
inline void decodeInPlace(char *text, qsizetype size, int key = 0)
{
    decodeInto(text, text, size, key);
}

// Decodes one scrambled glossary text; a text over maxTextLength characters
// fails with ErrorKind::Overflow.
DecodeResult Decode(QByteArrayView scrambled, int key = 0);

} // namespace Woord::Encrypt
