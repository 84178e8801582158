// The search's common worst case: a text found nowhere in the largest
// glossary, so every term and description is scanned. And the hardest text
// for a search that compares from the end of the pattern: a run of one letter
// after another letter, in descriptions that are one long run of it.
// `bench_search --write-glossary FILE` and `--write-runs-glossary FILE` write
// those glossaries and exit, for the side-by-side script.

#include "bench/largeglossary.h"
#include "core/glossary/loader.h"
#include "core/search/termsearch.h"
#include "tools/wodpack.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

const QString nowhere = QStringLiteral("zwaluwstaart");

const Woord::Glossary &glossary()
{
    static const Woord::Glossary loaded = Woord::LoadDatabase(Woord::Bench::largestGlossary()).glossary;
    return loaded;
}

// A search as F3 after Ctrl+F makes it: the folding is done by then.
void SearchNowhere(benchmark::State &state)
{
    Woord::TermSearch search(glossary());
    search.SearchTerms(nowhere, 1);
    for (auto _ : state) {
        if (search.SearchTerms(nowhere, 1) != 0)
            state.SkipWithError("found what is nowhere");
    }
    state.SetBytesProcessed(state.iterations() * glossary().storedBytes().size());
}
BENCHMARK(SearchNowhere)->Unit(benchmark::kMillisecond);

// The first search of a run, which folds the glossary as well.
void FirstSearchNowhere(benchmark::State &state)
{
    for (auto _ : state) {
        Woord::TermSearch search(glossary());
        if (search.SearchTerms(nowhere, 1) != 0)
            state.SkipWithError("found what is nowhere");
    }
    state.SetBytesProcessed(state.iterations() * glossary().storedBytes().size());
}
BENCHMARK(FirstSearchNowhere)->Unit(benchmark::kMillisecond);

// 100 descriptions of 32767 times "d".
QByteArray runsGlossary()
{
    QList<Woord::WodPack::SourceEntry> entries;
    for (int i = 0; i < 100; ++i)
        entries.append({QStringLiteral("Begrip %1").arg(i, 3, 10, QLatin1Char('0')), QString(32767, u'd'), 0});
    return Woord::WodPack::pack(entries, QStringLiteral("09/12/2026"));
}

const QString runText = QLatin1Char('x') + QString(16383, u'd');

void SearchRunOfOneLetter(benchmark::State &state)
{
    static const Woord::Glossary runs = Woord::LoadDatabase(runsGlossary()).glossary;
    Woord::TermSearch search(runs);
    search.SearchTerms(runText, 1);
    for (auto _ : state) {
        if (search.SearchTerms(runText, 1) != 0)
            state.SkipWithError("found what is nowhere");
    }
    state.SetBytesProcessed(state.iterations() * runs.storedBytes().size());
}
BENCHMARK(SearchRunOfOneLetter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    const bool common = argc == 3 && std::strcmp(argv[1], "--write-glossary") == 0;
    if (common || (argc == 3 && std::strcmp(argv[1], "--write-runs-glossary") == 0)) {
        QFile file(QString::fromLocal8Bit(argv[2]));
        const QByteArray bytes = common ? Woord::Bench::largestGlossary() : runsGlossary();
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
