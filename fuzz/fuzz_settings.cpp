// The conversions between stored setting texts and the program's values,
// against plain references:
// - toInt16 against a hand-written reading of the number form it documents
//   (spaces, sign, digits with a point, an exponent, spaces) and the C
//   library's strtod, rounded to the nearest whole number, ties to even;
// - the usage count one higher, 32767 staying 32767;
// - a window edge written as twips reads back as the same whole number, and
//   any edge the program writes reads back as a number, never as a text that
//   would give a message at the next start.

#include "core/settings/conversion.h"

#include <QString>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace Conversion = Woord::SettingsConversion;
using Woord::ErrorKind;

namespace {

[[noreturn]] void fail(const char *what, const QString &text)
{
    std::fprintf(stderr, "fuzz_settings: %s\ntext: \"%s\"\n", what, qPrintable(text));
    std::abort();
}

bool isBlank(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The number part of a stored text, or empty when the text is no number.
std::string numberPart(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin].unicode()))
        ++begin;
    while (end > begin && isBlank(text[end - 1].unicode()))
        --end;
    qsizetype i = begin;
    auto digits = [&] {
        const qsizetype from = i;
        while (i < end && isDigit(text[i].unicode()))
            ++i;
        return i - from;
    };
    if (i < end && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < end && text[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return {};
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digits() == 0)
            return {};
    }
    if (i != end)
        return {};
    return text.mid(begin, end - begin).toStdString();
}

struct Expected {
    Conversion::Int16Result result;
    bool tiny = false; // too close to 0 for a double
};

Expected expectedInt16(const QString &text)
{
    const std::string number = numberPart(text);
    if (number.empty())
        return {{0, ErrorKind::TypeMismatch}};
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value))
        return {{0, ErrorKind::Overflow}};
    const bool tiny = errno == ERANGE;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return {{0, ErrorKind::Overflow}};
    return {{static_cast<qint16>(rounded), ErrorKind::None}, tiny};
}

void checkInt16(const QString &text)
{
    const Conversion::Int16Result got = Conversion::toInt16(text);
    const Expected reference = expectedInt16(text);
    const Conversion::Int16Result &expected = reference.result;
    // A number too small for a double (1e-400) is 0; toInt16 calls it an
    // overflow, and as a skipped step keeps the value 0 too, the program
    // cannot tell the two apart.
    if (reference.tiny && got.error == ErrorKind::Overflow)
        return;
    if (got.error != expected.error)
        fail("toInt16 gives another outcome than the reference", text);
    if (got.error == ErrorKind::None && got.value != expected.value)
        fail("toInt16 gives another value than the reference", text);
    if (got.error != ErrorKind::None && got.value != 0)
        fail("a failed toInt16 gives a value", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= 4) {
        float twips;
        std::memcpy(&twips, data, sizeof twips);
        std::uint16_t bits;
        std::memcpy(&bits, data, sizeof bits);
        const auto usage = static_cast<qint16>(bits);
        const qint16 next = Conversion::nextUsageCount(usage);
        if (next != (usage == 32767 ? 32767 : usage + 1))
            fail("the usage count does not grow by one", QString::number(usage));

        if (std::isfinite(twips)) {
            const QString text = Conversion::twipsText(twips);
            const Conversion::Int16Result back = Conversion::toInt16(text);
            if (back.error == ErrorKind::TypeMismatch)
                fail("a stored window edge does not read back as a number", text);
            if (twips == std::nearbyint(twips) && twips >= -32768.0f && twips <= 32767.0f
                && (back.error != ErrorKind::None || back.value != twips))
                fail("a whole window edge does not read back as itself", text);
        }

        const QString folder = QString::fromUtf8(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
        const QChar separator = data[0] & 1 ? u'\\' : u'/';
        const QString withSeparator = Conversion::withTrailingSeparator(folder, separator);
        if (!withSeparator.endsWith(separator) || !withSeparator.startsWith(folder)
            || withSeparator.size() > folder.size() + 1)
            fail("the folder does not end in one separator added at most", withSeparator);
    }

    checkInt16(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (size % 2 == 0)
        checkInt16(QString::fromUtf16(reinterpret_cast<const char16_t *>(data), qsizetype(size / 2)));
    return 0;
}
