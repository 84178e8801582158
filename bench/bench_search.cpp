// The search's worst case: a text found nowhere in the largest glossary, so
// every term and description is scanned.
// `bench_search --write-glossary FILE` writes that glossary and exits, for the
// side-by-side script.

#include "glossary/loader.h"
#include "largeglossary.h"
#include "search/termsearch.h"

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

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-glossary") == 0) {
        QFile file(QString::fromLocal8Bit(argv[2]));
        const QByteArray bytes = Woord::Bench::largestGlossary();
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
