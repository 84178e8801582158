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

} // namespace Woord::CodePage
