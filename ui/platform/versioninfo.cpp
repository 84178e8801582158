#include "ui/platform/versioninfo.h"

#ifdef Q_OS_WIN
#include <QByteArray>
#include <QDir>

#include <windows.h>
#endif

namespace Woord {

#ifdef Q_OS_WIN

std::optional<VersionInfo> readVersionInfo(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    const auto *name = reinterpret_cast<const wchar_t *>(native.utf16());
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeW(name, &unused);
    if (size == 0)
        return std::nullopt;
    QByteArray block(static_cast<qsizetype>(size), '\0');
    if (!GetFileVersionInfoW(name, 0, size, block.data()))
        return std::nullopt;

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void **>(&fixed), &length)
        || length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    VersionInfo info;
    info.major = int(HIWORD(fixed->dwFileVersionMS));
    info.minor = int(LOWORD(fixed->dwFileVersionMS));
    info.revision = int(HIWORD(fixed->dwFileVersionLS));

    // The strings of the first language the resource lists.
    struct Translation {
        WORD language;
        WORD codePage;
    } *translation = nullptr;
    if (VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation), &length)
        && length >= sizeof(Translation)) {
        const QString key = QString::asprintf("\\StringFileInfo\\%04x%04x\\CompanyName", translation->language,
                                              translation->codePage);
        wchar_t *value = nullptr;
        if (VerQueryValueW(block.data(), reinterpret_cast<const wchar_t *>(key.utf16()),
                           reinterpret_cast<void **>(&value), &length)
            && length > 0)
            info.companyName = QString::fromWCharArray(value);
    }
    return info;
}

#else

std::optional<VersionInfo> readVersionInfo(const QString &)
{
    return std::nullopt;
}

#endif

} // namespace Woord
