#include "core/glossary/prefetch.h"

#include <exception>

namespace Woord {

GlossaryPrefetch::~GlossaryPrefetch()
{
    if (m_read.valid())
        m_read.wait();
}

void GlossaryPrefetch::start(const QString &path)
{
    if (m_read.valid())
        return;
    // A file far larger than any glossary made is left to start-up, which
    // may end before it reads it at all.
    const std::optional<FileStamp> stamp = stampOf(path);
    if (!stamp || stamp->size > largestPrefetch)
        return;
    m_path = path;
    try {
        m_read = std::async(std::launch::async, [path] {
            Read read;
            FileStamp stamp;
            read.load = LoadDatabaseFile(path, &stamp);
            if (read.load.status == LoadStatus::Loaded)
                read.stamp = stamp;
            return read;
        });
    } catch (const std::exception &) {
        // No thread to be had: start-up reads the glossary itself.
    }
}

std::optional<LoadResult> GlossaryPrefetch::take(const QString &path)
{
    if (!m_read.valid())
        return std::nullopt;
    Read read;
    try {
        read = m_read.get();
    } catch (const std::exception &) {
        // Out of memory or threads: start-up reads the glossary itself.
        return std::nullopt;
    }
    if (path != m_path || !read.stamp || stampOf(path) != read.stamp)
        return std::nullopt;
    return std::move(read.load);
}

} // namespace Woord
