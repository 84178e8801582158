// Reading the largest glossary the format allows, from memory and from disk.

#include "bench/largeglossary.h"
#include "core/glossary/loader.h"
#include "core/mainwindow/startup.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QByteArray &glossary()
{
    static const QByteArray bytes = Woord::Bench::largestGlossary();
    return bytes;
}

// The glossary as a file in `dir`; an empty path when it cannot be written.
QString glossaryFile(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("woordorakelaar.wod"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(glossary()) != glossary().size())
        return {};
    return path;
}

void LoadFromMemory(benchmark::State &state)
{
    const QByteArray &bytes = glossary();
    for (auto _ : state) {
        Woord::LoadResult result = Woord::LoadDatabase(bytes);
        if (result.status != Woord::LoadStatus::Loaded)
            state.SkipWithError("the glossary did not load");
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["entries"] = 32767;
}
BENCHMARK(LoadFromMemory)->Unit(benchmark::kMillisecond);

// From the file, header test included: the whole file read into memory.
void LoadFromFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = glossaryFile(dir);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the glossary");
        return;
    }
    for (auto _ : state) {
        Woord::Startup::GlossaryRead read = Woord::Startup::readGlossary(path);
        if (read.header.check != Woord::HeaderCheck::Matches || read.load.status != Woord::LoadStatus::Loaded)
            state.SkipWithError("the glossary did not load");
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(state.iterations() * glossary().size());
}
BENCHMARK(LoadFromFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
