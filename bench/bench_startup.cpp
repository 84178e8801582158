// The time from process start to the main window shown, with the largest
// glossary the format allows against a glossary of ten entries, in one run.
// Each iteration starts the real program in a folder of its own; the program
// prints the steady clock when its window is first painted and ends itself.

#include "largeglossary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

#include <map>
#include <memory>

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

void Startup(benchmark::State &state)
{
    ProgramFolder &folder = folderFor(static_cast<int>(state.range(0)));
    if (!folder.ready) {
        state.SkipWithError("cannot prepare the program folder");
        return;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.dir.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(env);
        const auto started = std::chrono::steady_clock::now().time_since_epoch().count();
        process.start(folder.dir.filePath(QStringLiteral("woordorakelaar")), {});
        bool ok = false;
        const long long shown
            = process.waitForFinished(60000) ? process.readAllStandardOutput().trimmed().toLongLong(&ok) : 0;
        if (!ok || process.exitCode() != 0) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
        using Duration = std::chrono::steady_clock::duration;
        state.SetIterationTime(std::chrono::duration<double>(Duration(shown - started)).count());
    }
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
