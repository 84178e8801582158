#pragma once

#include "core/glossary/glossaryfile.h"
#include "core/glossary/loader.h"

#include <QString>

#include <future>
#include <optional>

namespace Woord {

// Reads and checks the glossary on a thread of its own while start-up builds
// the window. Start-up takes the result only where it is what it would read
// itself at that point: a glossary that loaded, from the path it asks for,
// from the file that is there now. Anything else (a failure, another path, a
// file changed since) it reads itself, with its own messages.
class GlossaryPrefetch
{
public:
    GlossaryPrefetch() = default;
    // Waits for a read still going on.
    ~GlossaryPrefetch();
    GlossaryPrefetch(const GlossaryPrefetch &) = delete;
    GlossaryPrefetch &operator=(const GlossaryPrefetch &) = delete;

    // The largest file read ahead: six times the largest glossary of short
    // texts the format allows (32767 entries of about 300 bytes).
    static constexpr qint64 largestPrefetch = 64 * 1024 * 1024;

    // Starts reading `path`, a regular file of at most largestPrefetch bytes;
    // once only.
    void start(const QString &path);

    // Waits for the read, and gives its glossary when it may be used for
    // `path`; once only.
    std::optional<LoadResult> take(const QString &path);

private:
    struct Read {
        LoadResult load;
        std::optional<FileStamp> stamp;
    };

    QString m_path;
    std::future<Read> m_read;
};

} // namespace Woord
