#include "core/files/savefile.h"

#include <QSaveFile>

namespace Woord::Files {

SaveResult saveWhole(const QString &path, QByteArrayView bytes, bool newFileOwnerOnly)
{
    const std::optional<FileType> existing = typeOf(path);
    if (existing && *existing != FileType::Regular)
        return {SaveResult::Failure::NotRegular, *existing, {}};

    // QSaveFile keeps small writes in a buffer and, when flushing that buffer
    // fails at commit(), still puts the short file in the old one's place: the
    // flush is asked for, and checked, before the commit.
    QSaveFile file(path);
    const auto failed = [&file] {
        return SaveResult{SaveResult::Failure::Failed, FileType::Regular, file.errorString()};
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    if (!existing && newFileOwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return failed();
    // A write the disk takes only in part is written on from there: the next
    // write fails with the system's own cause, which a short count lacks.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 done = file.write(bytes.data() + written, bytes.size() - written);
        if (done <= 0)
            return failed();
        written += qsizetype(done);
    }
    if (!file.flush() || !file.commit())
        return failed();
    return {};
}

} // namespace Woord::Files
