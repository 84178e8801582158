#include "core/glossary/loader.h"

#include "core/glossary/encrypt.h"
#include "core/glossary/fieldreader.h"
#include "core/glossary/glossaryfile.h"

#include <algorithm>

namespace Woord {

namespace {

// A failed load keeps the count and date it read, for whoever reports it, but
// never a partly filled table.
LoadResult failed(LoadResult &&result, ErrorKind error, qint32 entry, qsizetype offset)
{
    result.status = LoadStatus::Failed;
    result.error = error;
    result.failedEntry = entry;
    result.endOffset = offset;
    result.glossary.clearEntries();
    return std::move(result);
}

// The header field as it stands at the start of a file: the header test
// reads no more of it than this.
constexpr qsizetype headerLength = sizeof(headerText) / sizeof(headerText[0]) - 1;

} // namespace

HeaderResult testHeader(QByteArrayView data)
{
    FieldReader reader(data);
    QByteArrayView field;
    if (const ErrorKind error = reader.readText(field); error != ErrorKind::None)
        return {HeaderCheck::Failed, error};
    // The header is plain ASCII, so its bytes compare directly.
    const QByteArray expected = QString::fromUtf16(headerText).toLatin1();
    return {field == expected ? HeaderCheck::Matches : HeaderCheck::WrongLayout, ErrorKind::None};
}

HeaderResult testHeaderFile(const QString &path)
{
    GlossaryFile file;
    if (const ErrorKind error = file.open(path); error != ErrorKind::None)
        return {HeaderCheck::Failed, error};
    if (file.size() > maxGlossaryFileSize)
        return {HeaderCheck::TooLarge, ErrorKind::None};

    // Read as a stream, as far as the first field needs: the blanks before
    // it, then, for a quoted field, one character more than the header text,
    // which tells whether the field ends where the header does. An unquoted
    // first field ends at the header's comma at the latest, so it never
    // matches; as any first field that is there, it gives no failure.
    // The pieces grow from one page to 1 MiB: a header at the start, as
    // nearly every file has it, costs one small read, and a long run of
    // blanks before it is still read in large pieces.
    constexpr qint64 firstChunk = 4096;
    constexpr qint64 largestChunk = 1024 * 1024;
    qint64 chunk = firstChunk;
    QByteArray buffer;
    QByteArray quoted;
    bool inQuotes = false;
    for (;; chunk = std::min(chunk * 2, largestChunk)) {
        buffer.resize(chunk);
        const qint64 count = file.read(buffer.data(), chunk);
        if (count < 0)
            return {HeaderCheck::Failed, ErrorKind::PathFileAccess};
        if (count == 0)
            break;
        const QByteArrayView data(buffer.constData(), count);
        qsizetype i = 0;
        if (!inQuotes) {
            i = leadingBlanks(data);
            if (i == data.size())
                continue;
            if (data[i] != '"')
                return {HeaderCheck::WrongLayout, ErrorKind::None};
            inQuotes = true;
            ++i;
        }
        quoted.append(data.sliced(i, std::min(data.size() - i, headerLength + 1 - quoted.size())));
        if (quoted.size() > headerLength)
            break;
    }
    if (!inQuotes)
        return {HeaderCheck::Failed, ErrorKind::InputPastEnd};
    // A quote that is never closed runs to the end of the file.
    if (const qsizetype close = quoted.indexOf('"'); close >= 0)
        quoted.truncate(close);
    return testHeader(QByteArray(1, '"') + quoted + '"');
}

LoadResult LoadDatabase(QByteArrayView data)
{
    return LoadDatabase(data.toByteArray());
}

LoadResult LoadDatabase(QByteArray data)
{
    LoadResult result;
    Glossary &glossary = result.glossary;
    glossary.adoptBytes(std::move(data));
    const QByteArrayView bytes = glossary.storedBytes();
    const char *const base = bytes.data();
    FieldReader reader(bytes);
    QByteArrayView field;

    qint32 &count = result.declaredCount;
    qint32 startIndex = 0;
    ErrorKind error = reader.readText(field);
    if (error == ErrorKind::None)
        error = reader.readNumber(count);
    if (error == ErrorKind::None)
        error = reader.readNumber(startIndex);
    if (error == ErrorKind::None)
        error = reader.readText(field);
    if (error != ErrorKind::None)
        return failed(std::move(result), error, 0, reader.position());

    // The date is plain text; its bytes are ASCII in any file that passes.
    glossary.setHeader(QString::fromLatin1(field.first(std::min<qsizetype>(field.size(), 10))), startIndex);
    const QString &date = glossary.DatabaseDatum();
    if (date.size() < 3 || date.at(2) != u'/') {
        result.status = LoadStatus::OldFormat;
        result.endOffset = reader.position();
        return result;
    }
    if (count < 0 || count > maxAantalBegrippen) {
        result.status = LoadStatus::WrongCount;
        result.endOffset = reader.position();
        return result;
    }

    glossary.reserve(count);
    for (qint32 i = 1; i <= count; ++i) {
        qsizetype start[2] = {};
        qsizetype length[2] = {};
        for (int text = 0; text < 2; ++text) {
            if ((error = reader.readText(field)) != ErrorKind::None)
                return failed(std::move(result), error, i, reader.position());
            if (field.size() > Encrypt::maxTextLength || field.data() - base > Glossary::maxTextStart)
                return failed(std::move(result), ErrorKind::Overflow, i, reader.position());
            start[text] = field.data() - base;
            length[text] = field.size();
        }
        glossary.appendEntry(start[0], length[0], start[1], length[1]);
    }

    result.status = LoadStatus::Loaded;
    result.endOffset = reader.position();
    return result;
}

LoadResult LoadDatabaseFile(const QString &path, FileStamp *stamp)
{
    // The whole file is read into the program's own memory before anything
    // looks at it: a file changed, cut short or removed from now on cannot
    // reach the program.
    GlossaryFile file;
    QByteArray bytes;
    ErrorKind error = file.open(path);
    if (error == ErrorKind::None) {
        if (stamp != nullptr)
            *stamp = file.stamp();
        error = file.readAll(bytes);
    }
    if (error != ErrorKind::None)
        return failed(LoadResult(), error, 0, 0);
    LoadResult result = LoadDatabase(std::move(bytes));
    if (result.status == LoadStatus::Loaded)
        result.glossary.dropBytesAfter(result.endOffset);
    return result;
}

} // namespace Woord
