#include "tools/toolfiles.h"

#include "core/files/savefile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Woord::ToolFiles {

namespace {

const QString notWritten = u"; wodtool schrijft er niet overheen"_s;

QString tooLarge(qint64 size, qint64 maxSize, const QString &kind)
{
    return u"is "_s + QString::number(size) + u" bytes groot, groter dan een "_s + kind + u" kan zijn (ten hoogste "_s
        + QString::number(maxSize) + u" bytes)"_s;
}

QString notRegular(Files::FileType type)
{
    switch (type) {
    case Files::FileType::Folder:
        return u"is een map, geen gewoon bestand"_s;
    case Files::FileType::Fifo:
        return u"is een FIFO (named pipe), geen gewoon bestand"_s;
    case Files::FileType::Socket:
        return u"is een socket, geen gewoon bestand"_s;
    case Files::FileType::Device:
        return u"is een apparaat, geen gewoon bestand"_s;
    case Files::FileType::Regular:
    case Files::FileType::Other:
        break;
    }
    return u"is geen gewoon bestand"_s;
}

QString openError(Files::OpenError error, const Files::RegularFile &file)
{
    switch (error) {
    case Files::OpenError::None:
        return {};
    case Files::OpenError::NotFound:
        return u"bestaat niet"_s;
    case Files::OpenError::FolderMissing:
        return u"bestaat niet (een deel van het pad is geen map)"_s;
    case Files::OpenError::NotRegular:
        return notRegular(file.type());
    case Files::OpenError::AccessDenied:
        return u"kan niet gelezen worden (geen toegang)"_s;
    case Files::OpenError::Failed:
        break;
    }
    return u"kan niet gelezen worden ("_s + file.errorText() + u')';
}

} // namespace

QString openRegularFile(const QString &path, qint64 maxSize, const QString &kind, Files::RegularFile &file)
{
    if (const Files::OpenError error = file.open(path); error != Files::OpenError::None)
        return openError(error, file);
    if (file.size() > maxSize) {
        const qint64 size = file.size();
        file.close();
        return tooLarge(size, maxSize, kind);
    }
    return {};
}

ReadResult readRegularFile(const QString &path, qint64 maxSize, const QString &kind)
{
    ReadResult result;
    Files::RegularFile file;
    result.error = openRegularFile(path, maxSize, kind, file);
    if (!result.error.isEmpty())
        return result;
    result.identity = file.identity();
    switch (file.readAll(result.bytes, maxSize)) {
    case Files::ReadError::None:
        break;
    case Files::ReadError::TooLarge:
        result.error = tooLarge(maxSize + 1, maxSize, kind);
        break;
    case Files::ReadError::OutOfMemory:
        result.error = u"kan niet gelezen worden (te weinig geheugen)"_s;
        break;
    case Files::ReadError::Failed:
        result.error = u"kan niet gelezen worden ("_s + file.errorText() + u')';
        break;
    }
    return result;
}

QString refusedOutput(const QString &path, const QString &inputPath, const Identity &input)
{
    // Judged by what the path names, through links: a link to a device or to
    // the input is refused as that. A path that does not exist yet may be
    // written; any other failure is for the writing to report.
    const std::optional<Files::FileType> type = Files::typeOf(path);
    if (!type)
        return {};
    if (*type != Files::FileType::Regular)
        return notRegular(*type) + notWritten;
    Files::RegularFile file;
    if (file.open(path) == Files::OpenError::None && input.sameAs(file.identity()))
        return u"is hetzelfde bestand als de invoer "_s + inputPath + notWritten;
#ifdef Q_OS_WIN
    // Where the system gives no identity, the names are compared.
    if (!input.known && QFileInfo(path).canonicalFilePath() == QFileInfo(inputPath).canonicalFilePath())
        return u"is hetzelfde bestand als de invoer "_s + inputPath + notWritten;
#endif
    return {};
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    const Files::SaveResult saved = Files::saveWhole(path, bytes);
    switch (saved.failure) {
    case Files::SaveResult::Failure::None:
        return {};
    case Files::SaveResult::Failure::NotRegular:
        return notRegular(saved.type) + notWritten;
    case Files::SaveResult::Failure::Failed:
        break;
    }
    return u"kan niet geschreven worden ("_s + saved.error + u')';
}

} // namespace Woord::ToolFiles
