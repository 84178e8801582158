#include "core/mainwindow/startup.h"

#include "core/files/regularfile.h"
#include "core/glossary/glossaryfile.h"
#include "core/glossary/glossarymessages.h"
#include "core/links/maker.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace Woord::Startup {

GlossaryRead readGlossary(const QString &path)
{
    GlossaryRead read;
    Files::RegularFile file;
    switch (file.open(path)) {
    case Files::OpenError::None:
        break;
    case Files::OpenError::NotFound:
        read.openError = ErrorKind::FileNotFound;
        return read;
    case Files::OpenError::FolderMissing:
        read.openError = ErrorKind::PathNotFound;
        return read;
    case Files::OpenError::NotRegular:
    case Files::OpenError::AccessDenied:
    case Files::OpenError::Failed:
        read.openError = ErrorKind::PathFileAccess;
        return read;
    }
    // A file larger than the format can hold is no glossary anyone made:
    // it is not read at all.
    if (file.size() > maxGlossaryFileSize) {
        read.header = {HeaderCheck::TooLarge, ErrorKind::None};
        return read;
    }
    // The whole file is read into the program's own memory before anything
    // looks at it: a file changed, cut short or removed from now on cannot
    // reach the program.
    QByteArray bytes;
    switch (file.readAll(bytes, maxGlossaryFileSize)) {
    case Files::ReadError::None:
        break;
    case Files::ReadError::TooLarge:
        read.header = {HeaderCheck::TooLarge, ErrorKind::None};
        return read;
    case Files::ReadError::OutOfMemory:
        read.header = {HeaderCheck::Unread, ErrorKind::OutOfMemory};
        return read;
    case Files::ReadError::Failed:
        read.header = {HeaderCheck::Unread, ErrorKind::PathFileAccess};
        return read;
    }
    read.header = testHeader(bytes);
    if (read.header.check == HeaderCheck::Matches) {
        read.load = LoadDatabase(std::move(bytes));
        if (read.load.status == LoadStatus::Loaded)
            read.load.glossary.dropBytesAfter(read.load.endOffset);
    }
    return read;
}

namespace {

// What a failed step leads to, by the trap's reaction; nothing when start-up
// goes on with the next step.
std::optional<Plan> trapped(ErrorKind error, const QString &title, const QString &databasePad)
{
    switch (reactionFor(error)) {
    case Reaction::NextStep:
        return std::nullopt;
    case Reaction::FirstTerm:
        return Plan{{}, Ending::Show, FirstTerm::First};
    case Reaction::EndSilently:
        return Plan{{}, Ending::Show, FirstTerm::None};
    case Reaction::FileNotFound:
        return Plan{{fileNotFound(title, databasePad)}, Ending::Unload, FirstTerm::None};
    case Reaction::ReportAndUnload:
        return Plan{{unforeseenFailure(title, error), reportToMaker()}, Ending::Unload, FirstTerm::None};
    }
    return std::nullopt;
}

} // namespace

Plan plan(const GlossaryRead &read, const QString &title, const QString &databasePad)
{
    // Opening: a failure the trap passes over leaves the header to be read
    // from a file that is not open, which fails as such a read does.
    HeaderResult header = read.header;
    if (read.openError != ErrorKind::None) {
        if (std::optional<Plan> ended = trapped(read.openError, title, databasePad))
            return *ended;
        header = {HeaderCheck::Failed, ErrorKind::BadFileNameOrNumber};
    }

    switch (header.check) {
    case HeaderCheck::Matches:
        break;
    case HeaderCheck::WrongLayout:
        return {{GlossaryMessages::wrongLayout(title)}, Ending::AtOnce, FirstTerm::None};
    case HeaderCheck::TooLarge:
    case HeaderCheck::Unread:
        // Too large to be a glossary, or no memory or no read to be had: as
        // a glossary the loader cannot read.
        return {{GlossaryMessages::loadFailed(title, databasePad)}, Ending::Unload, FirstTerm::None};
    case HeaderCheck::Failed:
        if (std::optional<Plan> ended = trapped(header.error, title, databasePad))
            return *ended;
        // Passed over: the load reads the file, which fails as the header did.
        return {{GlossaryMessages::loadFailed(title, databasePad)}, Ending::Unload, FirstTerm::None};
    }

    switch (read.load.status) {
    case LoadStatus::Loaded:
        return {{}, Ending::Show, FirstTerm::Random};
    case LoadStatus::OldFormat:
        return {{GlossaryMessages::oldFormat(title)}, Ending::AtOnce, FirstTerm::None};
    case LoadStatus::WrongCount:
        return {{GlossaryMessages::wrongCount(title)}, Ending::AtOnce, FirstTerm::None};
    case LoadStatus::Failed:
        break;
    }
    return {{GlossaryMessages::loadFailed(title, databasePad)}, Ending::Unload, FirstTerm::None};
}

Reaction reactionFor(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::FileNotFound:
        return Reaction::FileNotFound;
    case ErrorKind::PathFileAccess:
    case ErrorKind::PathNotFound:
    case ErrorKind::ObjectRequired:
        return Reaction::NextStep;
    case ErrorKind::InvalidPropertyValue:
        return Reaction::FirstTerm;
    case ErrorKind::Unexpected:
        return Reaction::EndSilently;
    default:
        return Reaction::ReportAndUnload;
    }
}

Message fileNotFound(const QString &title, const QString &databasePad)
{
    return {title,
            databasePad + u" niet aanwezig op uw computer.\r\n\r\n"_s + title
                + u" opnieuw installeren of download woordorakelaar.wod van de website."_s,
            MessageIcon::Critical};
}

Message unforeseenFailure(const QString &title, ErrorKind kind)
{
    return {title, errorDescription(kind) + u" -- "_s + QString::number(errorNumber(kind)), MessageIcon::Critical};
}

Message reportToMaker()
{
    return {u"Woordorakelaar"_s,
            u"Schrijf wat u deed voor de fout zich voordeed en e-mail het naar "_s
                + QString::fromUtf16(Maker::ContactAddress),
            MessageIcon::None};
}

} // namespace Woord::Startup
