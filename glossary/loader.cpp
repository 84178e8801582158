#include "glossary/loader.h"

#include "glossary/encrypt.h"
#include "glossary/fieldreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace Woord {

namespace {

// Opens path and hands its bytes to work, mapped into memory where the
// platform allows, so even the largest glossary is not copied before parsing.
template<typename Result>
Result withFileData(const QString &path, const std::function<Result(QByteArrayView)> &work,
                    const std::function<Result(ErrorKind)> &failure)
{
    if (const ErrorKind error = openFailure(path); error != ErrorKind::None)
        return failure(error);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(ErrorKind::PathFileAccess);
    const qint64 size = file.size();
    if (size == 0)
        return work(QByteArrayView());
    if (uchar *mapped = file.map(0, size)) {
        Result result = work(QByteArrayView(mapped, size));
        file.unmap(mapped);
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(ErrorKind::PathFileAccess);
    return work(bytes);
}

// A failed load keeps the count and date it read, for whoever reports it, but
// never a partly filled table.
LoadResult failed(LoadResult &&result, ErrorKind error, qint32 entry, qsizetype offset)
{
    result.status = LoadStatus::Failed;
    result.error = error;
    result.failedEntry = entry;
    result.endOffset = offset;
    result.glossary.Begrippen = {BegripRecord{}};
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
    return withFileData<HeaderResult>(path, testHeader, [](ErrorKind error) {
        return HeaderResult{HeaderCheck::Failed, error};
    });
}

LoadResult LoadDatabase(QByteArrayView data)
{
    FieldReader reader(data);
    QByteArrayView field;
    LoadResult result;
    Glossary &glossary = result.glossary;

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

    glossary.Begrippen.resize(glossary.AantalBegrippen + 1);
    for (qint32 i = 1; i <= glossary.AantalBegrippen; ++i) {
        BegripRecord &record = glossary.Begrippen[i];
        for (QString *text : {&record.Begrip, &record.Beschrijving}) {
            if ((error = reader.readText(field)) != ErrorKind::None)
                return failed(std::move(result), error, i, reader.position());
            Encrypt::DecodeResult decoded = Encrypt::Decode(field, 0);
            if (decoded.error != ErrorKind::None)
                return failed(std::move(result), decoded.error, i, reader.position());
            *text = std::move(decoded.text);
        }
    }

    result.status = LoadStatus::Loaded;
    result.endOffset = reader.position();
    return result;
}

LoadResult LoadDatabaseFile(const QString &path)
{
    return withFileData<LoadResult>(path, LoadDatabase,
                                    [](ErrorKind error) { return failed(LoadResult(), error, 0, 0); });
}

} // namespace Woord
