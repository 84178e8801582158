// The whole process, from its start through the first paint of its window to
// its end, and its peak memory, in one run: a bare window of the same size
// (the toolkit's floor), a plain Qt program that shows the same widgets in
// the same fonts with a list of 32767 rows and reads nothing (the baseline),
// and the program with ten entries and with the largest glossary the format
// allows. The program, run unattended, ends itself once its window is
// painted. Other builds of the program can run beside it in the same run:
// WOORD_BENCH_VARIANTS=name=path,name=path adds each with the largest glossary.

#include "bench/largeglossary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

namespace {

QString programPath;

// A program folder with a copy of the program and a glossary of `entries`.
struct ProgramFolder {
    QTemporaryDir dir;
    bool ready = false;

    explicit ProgramFolder(int entries, const QString &source = programPath)
    {
        const QString program = dir.filePath(QStringLiteral("woordorakelaar"));
        QFile glossary(dir.filePath(QStringLiteral("woordorakelaar.wod")));
        ready = QFile::copy(source, program) && glossary.open(QIODevice::WriteOnly)
            && glossary.write(Woord::Bench::largestGlossary(entries)) > 0
            && QDir(dir.path()).mkdir(QStringLiteral("config")) && QDir(dir.path()).mkdir(QStringLiteral("runtime"));
        QFile::setPermissions(dir.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

ProgramFolder &folderFor(int entries)
{
    static std::map<int, std::unique_ptr<ProgramFolder>> folders;
    auto &folder = folders[entries];
    if (!folder)
        folder = std::make_unique<ProgramFolder>(entries);
    return *folder;
}

// Runs a program to its end; the time from start to end and the peak memory
// of the process, which /usr/bin/time reads off it: a child started straight
// from this large process would count this process's memory as its own.
// False when it did not start or did not end cleanly.
bool runOnce(const QString &program, const QStringList &env, const QString &peakFile, double &seconds, long &peakKiB)
{
    QProcess process;
    process.setEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const auto started = std::chrono::steady_clock::now();
    process.start(QStringLiteral("/usr/bin/time"),
                  {QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"), peakFile, program});
    if (!process.waitForFinished(60000))
        return false;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    QFile peak(peakFile);
    bool ok = peak.open(QIODevice::ReadOnly);
    peakKiB = peak.readAll().trimmed().toLong(&ok);
    return ok && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QStringList environmentFor(const QTemporaryDir &dir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    return env.toStringList();
}

// The baseline's median time and peak, from its latest run: the program's
// runs give theirs as multiples of it.
double plainSeconds = 0;
double plainPeakMiB = 0;

// Runs the program once per iteration; returns the median time in seconds
// and sets the counter peak_MiB.
double measure(benchmark::State &state, const QString &program, const QStringList &env)
{
    QTemporaryDir scratch;
    const QString peakFile = scratch.filePath(QStringLiteral("peak"));
    long peak = 0;
    std::vector<double> times;
    for (auto _ : state) {
        double seconds = 0;
        long peakKiB = 0;
        if (!runOnce(program, env, peakFile, seconds, peakKiB)) {
            state.SkipWithError("the program did not start and end cleanly");
            return 0;
        }
        peak = std::max(peak, peakKiB);
        times.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["peak_MiB"] = double(peak) / 1024;
    if (times.empty())
        return 0;
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

// The floor: a bare window of the same size, shown and ended the same way.
void BareWindow(benchmark::State &state)
{
    static QTemporaryDir dir;
    measure(state, QStringLiteral(WOORD_BARE_WINDOW), environmentFor(dir));
}
BENCHMARK(BareWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The baseline: the same widgets, fonts and 32767 rows, nothing read. It runs
// before the program, so that the program's runs can be given against it.
void PlainWindow(benchmark::State &state)
{
    static QTemporaryDir dir;
    plainSeconds = measure(state, QStringLiteral(WOORD_PLAIN_WINDOW), environmentFor(dir));
    plainPeakMiB = state.counters["peak_MiB"];
}
BENCHMARK(PlainWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The program's run in `folder`; with its median time as a multiple of the
// baseline's (times_plain), and its peak above the baseline's
// (above_plain_MiB).
void runProgram(benchmark::State &state, ProgramFolder &folder)
{
    if (!folder.ready) {
        state.SkipWithError("cannot prepare the program folder");
        return;
    }
    const double seconds
        = measure(state, folder.dir.filePath(QStringLiteral("woordorakelaar")), environmentFor(folder.dir));
    if (plainSeconds > 0 && seconds > 0)
        state.counters["times_plain"] = seconds / plainSeconds;
    if (plainPeakMiB > 0)
        state.counters["above_plain_MiB"] = state.counters["peak_MiB"] - plainPeakMiB;
}

void Startup(benchmark::State &state)
{
    runProgram(state, folderFor(static_cast<int>(state.range(0))));
}
BENCHMARK(Startup)->Arg(10)->Arg(32767)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    programPath = QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar");
    // Other builds, with the largest glossary, after the program itself.
    static std::vector<std::unique_ptr<ProgramFolder>> variants;
    for (const QString &variant : qEnvironmentVariable("WOORD_BENCH_VARIANTS").split(u',', Qt::SkipEmptyParts)) {
        const QString name = variant.section(u'=', 0, 0);
        ProgramFolder *folder
            = variants.emplace_back(std::make_unique<ProgramFolder>(32767, variant.section(u'=', 1))).get();
        benchmark::RegisterBenchmark(qPrintable(QStringLiteral("Variant/") + name),
                                     [folder](benchmark::State &state) { runProgram(state, *folder); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(20);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
