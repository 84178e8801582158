#pragma once

#include <QString>

#include <optional>

namespace Woord {

// What an executable's version resource says about it: the file version and
// the company name of its first translation.
struct VersionInfo {
    int major = 0;
    int minor = 0;
    int revision = 0;
    QString companyName;
};

// The version resource of the executable at path; nothing when it has none,
// or on a system without version resources (all but Windows).
std::optional<VersionInfo> readVersionInfo(const QString &path);

} // namespace Woord
