// Feeds arbitrary bytes to the glossary reader, as a broken or hostile
// glossary file would, and checks what a load promises whatever it reads:
// - the load agrees with a plain reading of the field rules, written out here
//   field by field (status, failing entry, count, date and every text);
// - a load from a file, and the header test on a file, give what the same
//   bytes give in memory, whatever their size;
// - Decode refuses a text over 32767 characters and decodes any other.
// Inputs go up to 256 KiB (see the Makefile), so every limit is within reach.

#include "core/glossary/encrypt.h"
#include "core/glossary/loader.h"
#include "core/mainwindow/startup.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

// The field rules, as plainly as they can be put: leading spaces are skipped;
// a quoted field runs to the next quote (or the end), and what follows it up
// to the separator is passed over; any other field runs to a comma, CR or LF;
// then one comma, or one line end (CR LF, CR or LF) is taken.
class PlainFields
{
public:
    explicit PlainFields(const QByteArray &data)
        : m_data(data)
    {
    }

    std::optional<QByteArray> next()
    {
        while (m_pos < m_data.size() && m_data[m_pos] == ' ')
            ++m_pos;
        if (m_pos >= m_data.size())
            return std::nullopt;
        QByteArray field;
        if (m_data[m_pos] == '"') {
            ++m_pos;
            while (m_pos < m_data.size() && m_data[m_pos] != '"')
                field += m_data[m_pos++];
            if (m_pos < m_data.size())
                ++m_pos;
            while (m_pos < m_data.size() && !isSeparator(m_data[m_pos]))
                ++m_pos;
        } else {
            while (m_pos < m_data.size() && !isSeparator(m_data[m_pos]))
                field += m_data[m_pos++];
        }
        if (m_pos < m_data.size()) {
            if (m_data[m_pos] == ',') {
                ++m_pos;
            } else if (m_data[m_pos] == '\r') {
                ++m_pos;
                if (m_pos < m_data.size() && m_data[m_pos] == '\n')
                    ++m_pos;
            } else if (m_data[m_pos] == '\n') {
                ++m_pos;
            }
        }
        return field;
    }

    qsizetype position() const { return m_pos; }

private:
    static bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

// A number field: spaces, a sign, digits with a fraction; the nearest whole
// number (ties to even); nothing that is a number reads as 0. Empty when the
// value lies outside the 32-bit range.
std::optional<qint32> plainNumber(const QByteArray &field)
{
    qsizetype i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    std::string number;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        number += field[i++];
    bool digits = false;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') {
        number += field[i++];
        digits = true;
    }
    if (i < field.size() && field[i] == '.') {
        number += field[i++];
        while (i < field.size() && field[i] >= '0' && field[i] <= '9') {
            number += field[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0;
    const double value = std::nearbyint(std::strtod(number.c_str(), nullptr));
    if (!(value >= -2147483648.0 && value <= 2147483647.0))
        return std::nullopt;
    return static_cast<qint32>(value);
}

struct PlainLoad {
    Woord::LoadStatus status = Woord::LoadStatus::Failed;
    Woord::ErrorKind error = Woord::ErrorKind::None;
    qint32 failedEntry = 0;
    qint32 count = 0;
    QString date;
    QList<QByteArray> texts; // term, description, term, ... as stored
    qsizetype end = 0;
};

PlainLoad plainLoad(const QByteArray &data)
{
    PlainLoad load;
    PlainFields fields(data);
    // The header (not looked at), the count, the start index, the date.
    std::optional<QByteArray> field;
    for (int n = 0; n < 4; ++n) {
        field = fields.next();
        if (!field) {
            load.error = Woord::ErrorKind::InputPastEnd;
            return load;
        }
        if (n == 1 || n == 2) {
            const std::optional<qint32> number = plainNumber(*field);
            if (!number) {
                load.error = Woord::ErrorKind::Overflow;
                return load;
            }
            if (n == 1)
                load.count = *number;
        }
    }
    load.date = QString::fromLatin1(field->left(10));
    load.end = fields.position();
    if (load.date.size() < 3 || load.date[2] != u'/') {
        load.status = Woord::LoadStatus::OldFormat;
        return load;
    }
    if (load.count < 0 || load.count > Woord::maxAantalBegrippen) {
        load.status = Woord::LoadStatus::WrongCount;
        return load;
    }
    for (qint32 i = 1; i <= load.count; ++i) {
        for (int text = 0; text < 2; ++text) {
            const std::optional<QByteArray> f = fields.next();
            if (!f || f->size() > Woord::Encrypt::maxTextLength) {
                load.error = f ? Woord::ErrorKind::Overflow : Woord::ErrorKind::InputPastEnd;
                load.failedEntry = i;
                load.texts.clear();
                return load;
            }
            load.texts.append(*f);
        }
    }
    load.status = Woord::LoadStatus::Loaded;
    load.end = fields.position();
    return load;
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_glossary: %s\n", what);
    std::abort();
}

bool sameLoad(const Woord::LoadResult &a, const Woord::LoadResult &b)
{
    if (a.status != b.status || a.error != b.error || a.failedEntry != b.failedEntry
        || a.glossary.AantalBegrippen() != b.glossary.AantalBegrippen()
        || a.glossary.DatabaseDatum() != b.glossary.DatabaseDatum() || a.declaredCount != b.declaredCount)
        return false;
    for (qint32 i = 1; i <= a.glossary.AantalBegrippen(); ++i) {
        if (a.glossary.Begrippen(i) != b.glossary.Begrippen(i))
            return false;
    }
    return true;
}

// One file, rewritten for every input, for the readers that take a path; in
// memory where there is such a folder (/dev/shm), as a disk would flush a
// file rewritten this often.
const QString &scratchFile()
{
    static const QString path
        = (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
        + QStringLiteral("/fuzz_glossary.%1.wod").arg(::getpid());
    static const bool removeAtExit = std::atexit([] { QFile::remove(path); }) == 0;
    (void)removeAtExit;
    return path;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        fail("cannot write the scratch file");
    if (!bytes.isEmpty() && std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) != size_t(bytes.size()))
        fail("cannot write the scratch file");
    std::fclose(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const Woord::HeaderResult header = Woord::testHeader(bytes);
    const Woord::LoadResult result = Woord::LoadDatabase(QByteArrayView(bytes));
    const Woord::Glossary &glossary = result.glossary;

    if (result.endOffset < 0 || result.endOffset > bytes.size())
        fail("endOffset outside the data");
    if (glossary.DatabaseDatum().size() > 10)
        fail("date longer than 10 characters");
    if (result.status == Woord::LoadStatus::Loaded) {
        if (glossary.AantalBegrippen() < 0 || glossary.AantalBegrippen() > Woord::maxAantalBegrippen)
            fail("count outside 0..32767 loaded");
        if (glossary.AantalBegrippen() != result.declaredCount || !glossary.Begrip(0).isEmpty())
            fail("table size differs from the count");
        for (qint32 i = 1; i <= glossary.AantalBegrippen(); ++i) {
            const Woord::BegripRecord record = glossary.Begrippen(i);
            if (record.Begrip.size() > Woord::Encrypt::maxTextLength
                || record.Beschrijving.size() > Woord::Encrypt::maxTextLength)
                fail("a text over 32767 characters loaded");
            if (record.Begrip != Woord::Encrypt::Decode(glossary.termBytes(i)).text
                || record.Beschrijving != Woord::Encrypt::Decode(glossary.descriptionBytes(i)).text)
                fail("a record differs from its decoded bytes");
        }
    } else if (glossary.AantalBegrippen() != 0) {
        fail("a failed load hands out a partly filled table");
    }

    // The loader against the plain reading of the rules.
    const PlainLoad plain = plainLoad(bytes);
    if (plain.status != result.status)
        fail("status differs from the plain reading");
    if (plain.status == Woord::LoadStatus::Failed) {
        if (plain.error != result.error || plain.failedEntry != result.failedEntry)
            fail("failure differs from the plain reading");
    } else {
        if (plain.count != result.declaredCount || plain.date != glossary.DatabaseDatum())
            fail("count or date differs from the plain reading");
        if (plain.end != result.endOffset)
            fail("end of reading differs from the plain reading");
    }
    if (plain.status == Woord::LoadStatus::Loaded) {
        for (qint32 i = 1; i <= glossary.AantalBegrippen(); ++i) {
            if (glossary.termBytes(i) != plain.texts.at(2 * (i - 1))
                || glossary.descriptionBytes(i) != plain.texts.at(2 * (i - 1) + 1))
                fail("an entry differs from the plain reading");
        }
    }
    {
        PlainFields fields(bytes);
        const std::optional<QByteArray> first = fields.next();
        const Woord::HeaderCheck expected = !first
            ? Woord::HeaderCheck::Failed
            : (*first == QString::fromUtf16(Woord::headerText).toLatin1() ? Woord::HeaderCheck::Matches
                                                                          : Woord::HeaderCheck::WrongLayout);
        if (header.check != expected)
            fail("header test differs from the plain reading");
    }

    // The same bytes as a file.
    const QString &path = scratchFile();
    writeFile(path, bytes);
    const Woord::Startup::GlossaryRead read = Woord::Startup::readGlossary(path);
    if (read.openError != Woord::ErrorKind::None || read.header.check != header.check)
        fail("header test of the file differs from the header test of its bytes");
    if (header.check == Woord::HeaderCheck::Matches && !sameLoad(read.load, result))
        fail("loading the file differs from loading its bytes");

    if (size > 0) {
        const QByteArrayView text = QByteArrayView(bytes).sliced(1);
        const Woord::Encrypt::DecodeResult decoded = Woord::Encrypt::Decode(text, static_cast<int8_t>(data[0]) * 3);
        const bool tooLong = text.size() > Woord::Encrypt::maxTextLength;
        if (tooLong != (decoded.error == Woord::ErrorKind::Overflow)
            || (!tooLong && decoded.text.size() != text.size()))
            fail("Decode keeps or refuses the wrong texts");
    }
    return 0;
}
