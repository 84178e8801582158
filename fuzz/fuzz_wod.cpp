// Feeds arbitrary bytes to `unpack` and `check` as glossary files and checks
// that the text form is lossless: for every file that check accepts, unpack
// succeeds, its text reads back (sorted as it is) as the entries and the date
// the program loads from the file, packing that text gives a file with the
// same entries, and unpacking and packing that file again gives the same text
// and identical bytes.

#include "core/glossary/loader.h"
#include "tools/wodpack.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace WodPack = Woord::WodPack;

namespace {

[[noreturn]] void fail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "fuzz_wod: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

// Whether a source holds exactly the entries and date of a loaded glossary.
bool sameAsLoaded(const WodPack::Source &source, const Woord::Glossary &glossary)
{
    if (source.entries.size() != glossary.AantalBegrippen() || source.date != glossary.DatabaseDatum())
        return false;
    for (qint32 i = 1; i <= glossary.AantalBegrippen(); ++i) {
        const Woord::BegripRecord record = glossary.Begrippen(i);
        if (source.entries[i - 1].term != record.Begrip || source.entries[i - 1].description != record.Beschrijving)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView wod(data, static_cast<qsizetype>(size));

    const WodPack::CheckResult checked = WodPack::check(wod);
    const WodPack::UnpackResult unpacked = WodPack::unpack(wod);
    if (unpacked.problem && !unpacked.text.isEmpty())
        fail("unpack gives a text and a problem");
    if (checked.problem)
        return 0;

    const Woord::LoadResult load = Woord::LoadDatabase(wod);
    if (load.status != Woord::LoadStatus::Loaded)
        fail("check accepts a file the program cannot load");
    if (checked.count != load.glossary.AantalBegrippen() || checked.date != load.glossary.DatabaseDatum())
        fail("check reports another count or date than the program loads");
    if (unpacked.problem)
        fail("unpack refuses a file check accepts", unpacked.problem->toString());

    const WodPack::ParseResult parsed = WodPack::parseSource(unpacked.text, WodPack::Ordering::MustBeSorted);
    if (parsed.problem)
        fail("pack refuses the unpacked text of a file check accepts", parsed.problem->toString());
    if (!sameAsLoaded(parsed.source, load.glossary))
        fail("the unpacked text holds other entries or another date than the file");

    const QByteArray packed = WodPack::pack(parsed.source.entries, parsed.source.date);
    const Woord::LoadResult repacked = Woord::LoadDatabase(QByteArrayView(packed));
    if (repacked.status != Woord::LoadStatus::Loaded || !sameAsLoaded(parsed.source, repacked.glossary))
        fail("the packed file holds other entries than the unpacked text");
    if (const WodPack::CheckResult again = WodPack::check(packed); again.problem)
        fail("check refuses the packed file", again.problem->toString());

    const WodPack::UnpackResult second = WodPack::unpack(packed);
    if (second.problem || second.text != unpacked.text)
        fail("unpacking the packed file gives another text");
    const WodPack::ParseResult parsedAgain = WodPack::parseSource(second.text, WodPack::Ordering::MustBeSorted);
    if (parsedAgain.problem || WodPack::pack(parsedAgain.source.entries, parsedAgain.source.date) != packed)
        fail("pack of unpack of the packed file gives other bytes");
    return 0;
}
