// wodtool: makes, reads back and checks glossary files.

#include "tools/lint.h"
#include "tools/toolfiles.h"
#include "tools/wodpack.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <new>
#ifdef Q_OS_WIN
#include <QScopeGuard>

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

using namespace Qt::StringLiterals;
using namespace Woord;

namespace {

constexpr int exitProblem = 1;
constexpr int exitUsage = 2;

const char usage[] = "Gebruik:\n"
                     "  wodtool pack BRON.tsv -o woordorakelaar.wod [--date dd/mm/jjjj] [--sort]\n"
                     "  wodtool unpack BESTAND.wod [-o BRON.tsv]\n"
                     "  wodtool check BESTAND.wod\n"
                     "  wodtool lint BRON.tsv [--sort]\n"
                     "  wodtool --help\n"
                     "\n"
                     "pack    maakt een begrippenlijst uit een bron: UTF-8-tekst, een begrip per\n"
                     "        regel, het begrip, een tab en de beschrijving. Regels die met # beginnen\n"
                     "        zijn commentaar; de regel \"# datum: dd/mm/jjjj\" geeft de datum, tenzij\n"
                     "        --date een andere geeft. Lege regels tellen niet mee; een regel met\n"
                     "        alleen spaties en een tab is een fout. De begrippen staan in\n"
                     "        alfabetische volgorde; --sort zet ze zelf op volgorde. Bij het eerste\n"
                     "        probleem (met regel en teken) stopt pack zonder iets te schrijven.\n"
                     "unpack  schrijft de bron van een begrippenlijst terug (naar -o of het scherm).\n"
                     "check   toont datum en aantal en het eerste probleem, met het nummer van het\n"
                     "        begrip.\n"
                     "lint    meldt alles wat pack weigert en wat tegen de redactieregels ingaat,\n"
                     "        elke bevinding op een regel \"BRON.tsv:123: tekst\": twee begrippen die\n"
                     "        alleen in hoofdletters of accenten verschillen; \"Zie X.\" of \"Zie ook:\n"
                     "        X, Y.\" naar een begrip dat niet bestaat (of \"Zie X.\" naar een\n"
                     "        verwijzing, naar zichzelf of naar een begrip dat het niet noemt); een\n"
                     "        beschrijving zonder punt aan het eind, langer dan 300 tekens of, als\n"
                     "        ze geen verwijzing is, korter dan 60; \"je\", \"jij\", \"jou\", \"jouw\",\n"
                     "        \"u\" of \"uw\"; \"nu\", \"tegenwoordig\", \"inmiddels\", \"recent\",\n"
                     "        \"steeds vaker\" of \"moderne\" (noem een jaar); \"Voluit\"; een\n"
                     "        afwijkende spelling (zoals DVD voor dvd).\n"
                     "        Met --sort telt de volgorde van de begrippen niet.\n"
                     "\n"
                     "Begrippen die met # beginnen: een regel die begint met een of meer \\ en dan #\n"
                     "is altijd een begrip, en de eerste \\ hoort er niet bij. \"\\#include\" is het\n"
                     "begrip \"#include\", \"\\\\#x\" het begrip \"\\#x\". unpack schrijft zulke begrippen\n"
                     "zo, zodat pack van de uitvoer van unpack dezelfde begrippen geeft.\n"
                     "\n"
                     "Alleen gewone bestanden: wodtool leest geen map, FIFO, socket of apparaat, en\n"
                     "schrijft daar niet overheen, noch over het invoerbestand zelf.\n"
                     "\n"
                     "Afsluitcode: 0 in orde, 1 een probleem of bevinding, 2 verkeerd gebruik.\n";

// Every write to standard output and standard error is checked: output cut
// short by a full disk or a closed pipe must not end in success. The first
// failure of each is kept, and told (on standard error) at the end.
int outputError = 0;
bool errorOutputFailed = false;

void writeOut(QByteArrayView bytes)
{
    if (outputError == 0 && std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
        outputError = errno != 0 ? errno : EIO;
}

void printOut(const QString &text)
{
    writeOut(text.toUtf8());
}

void printError(const QString &text)
{
    if (std::fprintf(stderr, "wodtool: %s\n", text.toUtf8().constData()) < 0)
        errorOutputFailed = true;
}

// The exit code once everything is written: 1 when any output was lost.
int finish(int code)
{
    if (outputError == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout)))
        outputError = errno != 0 ? errno : EIO;
    if (std::fclose(stdout) != 0 && outputError == 0)
        outputError = errno != 0 ? errno : EIO;
    if (outputError != 0) {
        printError(u"de uitvoer kan niet geschreven worden ("_s + qt_error_string(outputError) + u')');
        code = exitProblem;
    }
    if (std::fflush(stderr) != 0 || std::ferror(stderr) || errorOutputFailed)
        code = exitProblem;
    return code;
}

int usageError(const QString &text)
{
    printError(text);
    if (std::fputs("Zie 'wodtool --help'.\n", stderr) < 0)
        errorOutputFailed = true;
    return exitUsage;
}

// Reads the input of a command, or says why it cannot.
std::optional<ToolFiles::ReadResult> readInput(const QString &path, qint64 maxSize, const QString &kind)
{
    ToolFiles::ReadResult result = ToolFiles::readRegularFile(path, maxSize, kind);
    if (!result.error.isEmpty()) {
        printError(path + u": "_s + result.error);
        return std::nullopt;
    }
    return result;
}

// Checked before anything is written: never over a device, a FIFO or the
// input itself.
bool mayWrite(const QString &path, const QString &inputPath, const ToolFiles::Identity &input)
{
    if (const QString refusal = ToolFiles::refusedOutput(path, inputPath, input); !refusal.isEmpty()) {
        printError(path + u": "_s + refusal);
        return false;
    }
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    if (const QString error = ToolFiles::writeFile(path, bytes); !error.isEmpty()) {
        printError(path + u": "_s + error);
        return false;
    }
    return true;
}

struct Options {
    QStringList positional;
    QString output;
    QString date;
    bool sort = false;
};

// The name of the option an argument gives ("-o", "--date=x": "o", "date"),
// or an empty text when it gives none.
QString optionName(const QString &arg)
{
    if (!arg.startsWith(u'-') || arg.size() < 2)
        return {};
    return arg.mid(arg.startsWith(u"--"_s) ? 2 : 1).section(u'=', 0, 0);
}

// What QCommandLineParser refused, in Dutch and naming the argument as given.
QString optionError(const QCommandLineParser &parser, const QStringList &args, const QStringList &valueOptions)
{
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString &arg : args) {
        const QString name = optionName(arg);
        if (arg != u"--"_s && arg.startsWith(u'-') && arg.size() > 1 && (name.isEmpty() || unknown.contains(name)))
            return u"onbekende optie "_s + arg;
    }
    // A value option at the end has no value; any other refusal is a value
    // given to an option that takes none ("--sort=ja").
    if (!args.isEmpty() && valueOptions.contains(optionName(args.last())) && !args.last().contains(u'='))
        return args.last() + u" verwacht een waarde"_s;
    for (const QString &arg : args) {
        if (!optionName(arg).isEmpty() && arg.contains(u'=') && !valueOptions.contains(optionName(arg)))
            return u"onbekende optie "_s + arg;
    }
    return u"onbekende optie in "_s + args.join(u' ');
}

// The options after the command. One dash or two are alike ("-o", "--date");
// what follows -o or --date is its value, whatever it looks like.
std::optional<Options> parseOptions(const QStringList &args, QString &error)
{
    const QCommandLineOption output(u"o"_s, QString(), u"BESTAND"_s);
    const QCommandLineOption date(u"date"_s, QString(), u"dd/mm/jjjj"_s);
    const QCommandLineOption sort(u"sort"_s);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({output, date, sort});
    // The parser takes its first argument for the program's name.
    if (!parser.parse(QStringList{u"wodtool"_s} + args)) {
        error = optionError(parser, args, {u"o"_s, u"date"_s});
        return std::nullopt;
    }
    Options options;
    options.positional = parser.positionalArguments();
    options.output = parser.value(output);
    options.date = parser.value(date);
    options.sort = parser.isSet(sort);
    return options;
}

int runPack(const Options &options)
{
    if (options.positional.size() != 1 || options.output.isEmpty())
        return usageError(u"pack verwacht één bron en -o met het doelbestand"_s);
    if (!options.date.isEmpty() && !WodPack::isValidDate(options.date))
        return usageError(u"--date verwacht een datum als dd/mm/jjjj"_s);

    const QString &sourcePath = options.positional.first();
    const auto input = readInput(sourcePath, WodPack::maxSourceSize, u"bron"_s);
    if (!input || !mayWrite(options.output, sourcePath, input->identity))
        return exitProblem;
    const WodPack::ParseResult parsed = WodPack::parseSource(
        input->bytes, options.sort ? WodPack::Ordering::SortThem : WodPack::Ordering::MustBeSorted);
    if (parsed.problem) {
        printError(sourcePath + u", "_s + parsed.problem->toString());
        return exitProblem;
    }
    const QString date = options.date.isEmpty() ? parsed.source.date : options.date;
    if (date.isEmpty())
        return usageError(sourcePath + u": geen datum; geef --date of een regel \"# datum: dd/mm/jjjj\""_s);
    return writeFile(options.output, WodPack::pack(parsed.source.entries, date)) ? 0 : exitProblem;
}

int runUnpack(const Options &options)
{
    if (options.positional.size() != 1 || options.sort || !options.date.isEmpty())
        return usageError(u"unpack verwacht één begrippenlijst en eventueel -o"_s);
    const QString &path = options.positional.first();
    const auto input = readInput(path, WodPack::maxGlossaryFileSize, u"begrippenlijst"_s);
    if (!input || (!options.output.isEmpty() && !mayWrite(options.output, path, input->identity)))
        return exitProblem;
    const WodPack::UnpackResult result = WodPack::unpack(input->bytes);
    if (result.problem) {
        printError(path + u", begrip "_s + QString::number(result.problem->line) + u": "_s + result.problem->message);
        return exitProblem;
    }
    if (options.output.isEmpty()) {
        writeOut(result.text);
        return 0;
    }
    return writeFile(options.output, result.text) ? 0 : exitProblem;
}

int runCheck(const Options &options)
{
    if (options.positional.size() != 1 || options.sort || !options.date.isEmpty() || !options.output.isEmpty())
        return usageError(u"check verwacht één begrippenlijst"_s);
    const QString &path = options.positional.first();
    const auto input = readInput(path, WodPack::maxGlossaryFileSize, u"begrippenlijst"_s);
    if (!input)
        return exitProblem;
    const WodPack::CheckResult result = WodPack::check(input->bytes);
    printOut(u"datum: "_s + result.date + u"\naantal begrippen: "_s + QString::number(result.count) + u'\n');
    if (!result.problem) {
        printOut(u"geen problemen gevonden\n"_s);
        return 0;
    }
    const WodPack::Problem &problem = *result.problem;
    QString where = problem.line > 0 ? u"begrip "_s + QString::number(problem.line) : u"kop"_s;
    if (problem.column > 0)
        where += u", teken "_s + QString::number(problem.column);
    printOut(u"probleem: "_s + where + u": "_s + problem.message + u'\n');
    return exitProblem;
}

int runLint(const Options &options)
{
    if (options.positional.size() != 1 || !options.date.isEmpty() || !options.output.isEmpty())
        return usageError(u"lint verwacht één bron en eventueel --sort"_s);
    const QString &path = options.positional.first();
    Files::RegularFile file;
    if (const QString error = ToolFiles::openRegularFile(path, WodPack::maxSourceSize, u"bron"_s, file);
        !error.isEmpty()) {
        printError(path + u": "_s + error);
        return exitProblem;
    }
    // Each finding is written as it is found.
    qint64 findings = 0;
    const QString error
        = Lint::lintFile(file, options.sort ? WodPack::Ordering::SortThem : WodPack::Ordering::MustBeSorted,
                         [&](const Lint::Finding &finding) {
                             ++findings;
                             printOut(path + u':' + QString::number(finding.line) + u": "_s + finding.message + u'\n');
                         });
    if (!error.isEmpty()) {
        printError(path + u": "_s + error);
        return exitProblem;
    }
    if (findings == 0) {
        printOut(path + u": geen bevindingen\n"_s);
        return 0;
    }
    return exitProblem;
}

int run(const QStringList &arguments)
{
    QStringList args = arguments;
    if (args.isEmpty())
        return usageError(u"geen opdracht"_s);
    if (args.contains(u"--help"_s) || args.contains(u"-h"_s)) {
        writeOut(usage);
        return 0;
    }
    const QString command = args.takeFirst();
    QString error;
    const std::optional<Options> options = parseOptions(args, error);
    if (!options)
        return usageError(error);
    if (command == u"pack"_s)
        return runPack(*options);
    if (command == u"unpack"_s)
        return runUnpack(*options);
    if (command == u"check"_s)
        return runCheck(*options);
    if (command == u"lint"_s)
        return runLint(*options);
    return usageError(u"onbekende opdracht "_s + command);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
#ifdef SIGPIPE
    // A closed pipe is a failed write, told as any other, not the end of the process.
    std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef Q_OS_WIN
    // The bytes as written: a source unpacked to standard output keeps its
    // line ends, as the file written with -o does.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Sources, glossaries and messages are UTF-8 everywhere; a console shows
    // them as such for as long as the tool runs.
    const UINT consoleCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    const auto restoreCodePage = qScopeGuard([consoleCodePage] { SetConsoleOutputCP(consoleCodePage); });
#endif
    int code = exitProblem;
    try {
        code = run(QCoreApplication::arguments().mid(1));
    } catch (const std::bad_alloc &) {
        printError(u"te weinig geheugen"_s);
        code = exitProblem;
    }
    return finish(code);
}
