#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>

namespace Woord::CodePage {

// Glossary files are single-byte text in Windows-1252 on every platform, so a
// file reads the same on Windows and elsewhere. The five codes that
// Windows-1252 leaves undefined map to the control characters of the same
// number, as Windows itself maps them.
char16_t toUnicode(unsigned char code);

// A whole text of Windows-1252 bytes.
QString toUnicode(QByteArrayView bytes);

// The byte code of a character in Windows-1252, or -1 when it has none.
int fromUnicode(char32_t character);

// Calls f with each character of text in turn, as QString::toUcs4() gives
// them (a lone half of a surrogate pair as U+FFFD), without making that list:
// for a long text under little memory the list's allocation is not checked.
template<typename F>
void forEachCodePoint(QStringView text, F f)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else if (c.isSurrogate()) {
            f(char32_t(QChar::ReplacementCharacter));
        } else {
            f(char32_t(c.unicode()));
        }
    }
}

} // namespace Woord::CodePage
