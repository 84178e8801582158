// The whole process, from its start through the first paint of its window to
// its end, and its peak memory: the program with the largest glossary the
// format allows and with ten entries, and a bare window of the same size as
// the toolkit's floor, in one run. The program, run unattended, ends itself
// once its window is painted.

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

    explicit ProgramFolder(int entries)
    {
        const QString program = dir.filePath(QStringLiteral("woordorakelaar"));
        QFile glossary(dir.filePath(QStringLiteral("woordorakelaar.wod")));
        ready = QFile::copy(programPath, program) && glossary.open(QIODevice::WriteOnly)
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

// The bare window's median time and peak, from its latest run: the program's
// runs give theirs as multiples of it.
double bareSeconds = 0;
double barePeakMiB = 0;

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
// It runs first, so that the program's runs can be given as multiples of it.
void BareWindow(benchmark::State &state)
{
    static QTemporaryDir dir;
    bareSeconds = measure(state, QStringLiteral(WOORD_BARE_WINDOW), environmentFor(dir));
    barePeakMiB = state.counters["peak_MiB"];
}
BENCHMARK(BareWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The whole process, from its start through its first paint to its end; with
// its median time and its peak as multiples of the bare window's
// (times_bare), and its peak above the bare window's (above_bare_MiB).
void Startup(benchmark::State &state)
{
    ProgramFolder &folder = folderFor(static_cast<int>(state.range(0)));
    if (!folder.ready) {
        state.SkipWithError("cannot prepare the program folder");
        return;
    }
    const double seconds
        = measure(state, folder.dir.filePath(QStringLiteral("woordorakelaar")), environmentFor(folder.dir));
    if (bareSeconds > 0 && seconds > 0)
        state.counters["times_bare"] = seconds / bareSeconds;
    if (barePeakMiB > 0)
        state.counters["above_bare_MiB"] = state.counters["peak_MiB"] - barePeakMiB;
}
BENCHMARK(Startup)->Arg(10)->Arg(32767)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    programPath = QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
