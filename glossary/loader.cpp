#include "glossary/loader.h"

#include "glossary/encrypt.h"
#include "glossary/fieldreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Woord {

namespace {

// Reads up to `limit` bytes of a file (all of it for a negative limit).
ErrorKind readFile(const QString &path, qint64 limit, QByteArray &bytes)
{
    if (const ErrorKind error = openFailure(path); error != ErrorKind::None)
        return error;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ErrorKind::PathFileAccess;
    const qint64 size = limit < 0 ? file.size() : std::min(file.size(), limit);
    bytes = QByteArray(size, Qt::Uninitialized);
    const qint64 read = file.read(bytes.data(), size);
    if (read < 0)
        return ErrorKind::PathFileAccess;
    bytes.truncate(read);
    return ErrorKind::None;
}

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

ErrorKind openFailure(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        if (!info.absoluteDir().exists())
            return ErrorKind::PathNotFound;
        return ErrorKind::FileNotFound;
    }
    if (info.isDir() || !info.isReadable())
        return ErrorKind::PathFileAccess;
    return ErrorKind::None;
}

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
    // The first field decides, and in any file that could match it lies at
    // the start; only a start of nothing but spaces needs the whole file.
    constexpr qint64 prefix = 64 * 1024;
    QByteArray bytes;
    if (const ErrorKind error = readFile(path, prefix, bytes); error != ErrorKind::None)
        return {HeaderCheck::Failed, error};
    HeaderResult result = testHeader(bytes);
    if (result.check == HeaderCheck::Failed && bytes.size() == prefix) {
        if (const ErrorKind error = readFile(path, -1, bytes); error != ErrorKind::None)
            return {HeaderCheck::Failed, error};
        result = testHeader(bytes);
    }
    return result;
}

LoadResult LoadDatabase(QByteArrayView data)
{
    return LoadDatabase(data.toByteArray());
}

LoadResult LoadDatabase(QByteArray data, std::shared_ptr<QFile> mapping)
{
    LoadResult result;
    Glossary &glossary = result.glossary;
    glossary.adoptBytes(std::move(data), std::move(mapping));
    const QByteArrayView bytes = glossary.storedBytes();
    const char *const base = bytes.data();
    FieldReader reader(bytes);
    QByteArrayView field;

    ErrorKind error = reader.readText(field);
    if (error == ErrorKind::None)
        error = reader.readNumber(glossary.AantalBegrippen);
    if (error == ErrorKind::None)
        error = reader.readNumber(glossary.startIndex);
    if (error == ErrorKind::None)
        error = reader.readText(field);
    if (error != ErrorKind::None)
        return failed(std::move(result), error, 0, reader.position());

    // The date is plain text; its bytes are ASCII in any file that passes.
    glossary.DatabaseDatum = QString::fromLatin1(field.first(std::min<qsizetype>(field.size(), 10)));
    if (glossary.DatabaseDatum.size() < 3 || glossary.DatabaseDatum.at(2) != u'/') {
        result.status = LoadStatus::OldFormat;
        result.endOffset = reader.position();
        return result;
    }
    if (glossary.AantalBegrippen < 0 || glossary.AantalBegrippen > maxAantalBegrippen) {
        result.status = LoadStatus::WrongCount;
        result.endOffset = reader.position();
        return result;
    }

    glossary.reserve(glossary.AantalBegrippen);
    for (qint32 i = 1; i <= glossary.AantalBegrippen; ++i) {
        qsizetype start[2] = {};
        qsizetype length[2] = {};
        for (int text = 0; text < 2; ++text) {
            if ((error = reader.readText(field)) != ErrorKind::None)
                return failed(std::move(result), error, i, reader.position());
            if (field.size() > Encrypt::maxTextLength)
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

LoadResult LoadDatabaseFile(const QString &path)
{
    // Mapped, the file is read only where the loader looks; the glossary
    // keeps the mapping until it copies the bytes (Glossary::keepInMemory).
    if (openFailure(path) == ErrorKind::None) {
        auto file = std::make_shared<QFile>(path);
        if (file->open(QIODevice::ReadOnly) && file->size() > 0) {
            if (uchar *mapped = file->map(0, file->size())) {
                const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), file->size());
                return LoadDatabase(bytes, std::move(file));
            }
        }
    }
    QByteArray bytes;
    if (const ErrorKind error = readFile(path, -1, bytes); error != ErrorKind::None)
        return failed(LoadResult(), error, 0, 0);
    return LoadDatabase(std::move(bytes));
}

} // namespace Woord
