#pragma once

// What the tests of wodtool share: sources, files, and running the tool.

#include "core/glossary/loader.h"
#include "tools/dutchorder.h"
#include "tools/toolfiles.h"
#include "tools/wodpack.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace Woord::Test {

inline QByteArray source(const QByteArray &entries)
{
    return "# datum: 09/12/2026\n" + entries;
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline Run wodtool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(WOORDTOOL_PATH), args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, "wodtool did not finish"};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
    return path;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The glossary file of entries given as term and description, in Dutch order.
inline QList<WodPack::SourceEntry> sortedEntries(const QStringList &terms, const QStringList &descriptions)
{
    QList<WodPack::SourceEntry> entries;
    for (qsizetype i = 0; i < terms.size(); ++i)
        entries.append({terms.at(i), descriptions.at(i), 0});
    std::stable_sort(entries.begin(), entries.end(), [](const WodPack::SourceEntry &a, const WodPack::SourceEntry &b) {
        return DutchOrder::compare(a.term, b.term) < 0;
    });
    return entries;
}

inline QStringList termsOf(const QList<WodPack::SourceEntry> &entries)
{
    QStringList terms;
    for (const WodPack::SourceEntry &entry : entries)
        terms.append(entry.term);
    return terms;
}

inline QStringList descriptionsOf(const QList<WodPack::SourceEntry> &entries)
{
    QStringList descriptions;
    for (const WodPack::SourceEntry &entry : entries)
        descriptions.append(entry.description);
    return descriptions;
}

// A file that check accepts comes back whole through unpack and pack, and a
// second round changes no byte.
inline void verifyLossless(const QByteArray &wod)
{
    const WodPack::CheckResult checked = WodPack::check(wod);
    QVERIFY2(!checked.problem, checked.problem ? qPrintable(checked.problem->toString()) : "");
    const LoadResult load = LoadDatabase(wod);
    QList<WodPack::SourceEntry> original;
    for (qint32 i = 1; i <= load.glossary.AantalBegrippen(); ++i)
        original.append({load.glossary.Begrip(i), load.glossary.Beschrijving(i), 0});

    const WodPack::UnpackResult unpacked = WodPack::unpack(wod);
    QVERIFY(!unpacked.problem);
    const WodPack::ParseResult parsed = WodPack::parseSource(unpacked.text, WodPack::Ordering::MustBeSorted);
    QVERIFY2(!parsed.problem, parsed.problem ? qPrintable(parsed.problem->toString()) : "");
    QCOMPARE(termsOf(parsed.source.entries), termsOf(original));
    QCOMPARE(descriptionsOf(parsed.source.entries), descriptionsOf(original));
    QCOMPARE(parsed.source.date, checked.date);

    const QByteArray again = WodPack::pack(parsed.source.entries, parsed.source.date);
    QCOMPARE(WodPack::unpack(again).text, unpacked.text);
    const WodPack::ParseResult reparsed
        = WodPack::parseSource(WodPack::unpack(again).text, WodPack::Ordering::MustBeSorted);
    QCOMPARE(WodPack::pack(reparsed.source.entries, reparsed.source.date), again);
}

#ifdef Q_OS_UNIX
// Makes a FIFO, a socket, a folder or a device node at path; false when the
// machine does not allow it.
inline bool makeNonRegular(const QString &kind, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == QStringLiteral("map"))
        return QDir().mkdir(path);
    if (kind == QStringLiteral("FIFO"))
        return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == QStringLiteral("apparaat")) // a node like /dev/null's, in the test's own folder
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    if (kind == QStringLiteral("blokapparaat")) // a node like /dev/loop0's
        return ::mknod(name.constData(), S_IFBLK | 0600, makedev(7, 0)) == 0;
    if (kind == QStringLiteral("socket")) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(name.size()) >= sizeof address.sun_path)
            return false;
        std::copy(name.begin(), name.end(), address.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        if (fd >= 0)
            ::close(fd); // the socket file stays
        return bound;
    }
    return false;
}

inline mode_t typeOf(const QString &path)
{
    struct stat info {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

inline bool makeHardLink(const QString &existing, const QString &link)
{
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) == 0;
}
#else
// Windows has folders and devices, which a name such as NUL names in every
// folder; a FIFO, a socket or a device node cannot be made at a path.
inline bool makeNonRegular(const QString &kind, const QString &path)
{
    return kind == QStringLiteral("map") && QDir().mkdir(path);
}

inline int typeOf(const QString &path)
{
    const std::optional<Files::FileType> type = Files::typeOf(path);
    return type ? int(*type) + 1 : 0;
}

inline bool makeHardLink(const QString &existing, const QString &link)
{
    return CreateHardLinkW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(link).utf16()),
                           reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(existing).utf16()), nullptr);
}
#endif

} // namespace Woord::Test
