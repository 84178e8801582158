// Feeds arbitrary bytes to the reader of the glossary source that
// `wodtool pack` takes (UTF-8, term TAB description, comments, a date line)
// and checks what a source that is accepted must give:
// - a problem names a line of the input;
// - a source accepted as sorted is accepted when sorting too, unchanged;
// - packed, it passes `check` with its count and date, and loads as the same
//   entries;
// - unpacked, it reads back as the same entries and date, and packs to the
//   same bytes.

#include "core/glossary/loader.h"
#include "tools/wodpack.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;
namespace WodPack = Woord::WodPack;

namespace {

[[noreturn]] void fail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "fuzz_source: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

bool sameEntries(const QList<WodPack::SourceEntry> &a, const QList<WodPack::SourceEntry> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].term != b[i].term || a[i].description != b[i].description)
            return false;
    }
    return true;
}

bool loadsAs(const QByteArray &wod, const QList<WodPack::SourceEntry> &entries, const QString &date)
{
    const Woord::LoadResult load = Woord::LoadDatabase(QByteArrayView(wod));
    if (load.status != Woord::LoadStatus::Loaded || load.glossary.AantalBegrippen() != entries.size()
        || load.glossary.DatabaseDatum() != date)
        return false;
    for (qint32 i = 1; i <= load.glossary.AantalBegrippen(); ++i) {
        const Woord::BegripRecord record = load.glossary.Begrippen(i);
        if (record.Begrip != entries[i - 1].term || record.Beschrijving != entries[i - 1].description)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const int lines = static_cast<int>(input.count('\n')) + 1;

    const WodPack::ParseResult sorted = WodPack::parseSource(input, WodPack::Ordering::MustBeSorted);
    const WodPack::ParseResult sorting = WodPack::parseSource(input, WodPack::Ordering::SortThem);
    for (const WodPack::ParseResult *parsed : {&sorted, &sorting}) {
        if (parsed->problem
            && (parsed->problem->line < 1 || parsed->problem->line > lines || parsed->problem->column < 0))
            fail("a problem names no line of the input", parsed->problem->toString());
    }
    if (!sorted.problem && (sorting.problem || !sameEntries(sorted.source.entries, sorting.source.entries)))
        fail("a sorted source changes when it is sorted");
    if (sorting.problem)
        return 0;

    const QList<WodPack::SourceEntry> &entries = sorting.source.entries;
    const QString date = sorting.source.date.isEmpty() ? u"09/12/2026"_s : sorting.source.date;
    const QByteArray packed = WodPack::pack(entries, date);

    const WodPack::CheckResult checked = WodPack::check(packed);
    if (checked.problem)
        fail("check refuses a packed source", checked.problem->toString());
    if (checked.count != entries.size() || checked.date != date)
        fail("check reads another count or date than was packed");
    if (!loadsAs(packed, entries, date))
        fail("a packed source loads as other entries");

    const WodPack::UnpackResult unpacked = WodPack::unpack(packed);
    if (unpacked.problem)
        fail("unpack refuses a packed source", unpacked.problem->toString());
    const WodPack::ParseResult again = WodPack::parseSource(unpacked.text, WodPack::Ordering::MustBeSorted);
    if (again.problem)
        fail("an unpacked source does not read back", again.problem->toString());
    if (!sameEntries(again.source.entries, entries) || again.source.date != date)
        fail("an unpacked source reads back as other entries or another date");
    if (WodPack::pack(again.source.entries, again.source.date) != packed)
        fail("packing an unpacked source gives other bytes");
    return 0;
}
