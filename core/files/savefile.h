#pragma once

#include "core/files/regularfile.h"

#include <QByteArrayView>
#include <QString>

// Writing a whole file so that it is either the new file, whole, or the old
// one, untouched: the bytes go to a new file beside it, every write and the
// final flush are checked, and only then does the new file take the old one's
// place. A link is written through: its target gets the new bytes and the
// link stays. Nothing but a regular file is ever replaced or written into.
namespace Woord::Files {

struct SaveResult {
    enum class Failure {
        None,
        NotRegular, // the path names a folder, a FIFO, a socket or a device
        Failed, // creating, writing or replacing failed; error tells why
    };
    Failure failure = Failure::None;
    FileType type = FileType::Regular; // what the path named, for NotRegular
    QString error; // the system's own words ("No space left on device")

    bool saved() const { return failure == Failure::None; }
};

// newFileOwnerOnly: a file made anew may be read and written by its owner alone.
SaveResult saveWhole(const QString &path, QByteArrayView bytes, bool newFileOwnerOnly = false);

} // namespace Woord::Files
