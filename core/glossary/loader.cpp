#include "core/glossary/loader.h"

#include "core/glossary/encrypt.h"
#include "core/glossary/fieldreader.h"

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

} // namespace Woord
