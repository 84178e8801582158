// wodtool: makes, reads back and checks glossary files.

#include "tools/wodpack.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace Woord;

namespace {

constexpr int exitProblem = 1;
constexpr int exitUsage = 2;

const char usage[] = "Gebruik:\n"
                     "  wodtool pack BRON.tsv -o woordorakelaar.wod [--date dd/mm/jjjj] [--sort]\n"
                     "  wodtool unpack BESTAND.wod [-o BRON.tsv]\n"
                     "  wodtool check BESTAND.wod\n"
                     "  wodtool --help\n"
                     "\n"
                     "pack    maakt een begrippenlijst uit een bron: UTF-8-tekst, een begrip per\n"
                     "        regel, het begrip, een tab en de beschrijving. Regels die met # beginnen\n"
                     "        zijn commentaar; de regel \"# datum: dd/mm/jjjj\" geeft de datum, tenzij\n"
                     "        --date een andere geeft. De begrippen staan in alfabetische volgorde;\n"
                     "        --sort zet ze zelf op volgorde. Bij het eerste probleem (met regel en\n"
                     "        teken) stopt pack zonder iets te schrijven.\n"
                     "unpack  schrijft de bron van een begrippenlijst terug (naar -o of het scherm).\n"
                     "check   toont datum en aantal en het eerste probleem, met het nummer van het\n"
                     "        begrip.\n"
                     "\n"
                     "Afsluitcode: 0 in orde, 1 een probleem, 2 verkeerd gebruik.\n";

void printError(const QString &text)
{
    std::fprintf(stderr, "wodtool: %s\n", text.toLocal8Bit().constData());
}

void printOut(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

int usageError(const QString &text)
{
    printError(text);
    std::fputs("Zie 'wodtool --help'.\n", stderr);
    return exitUsage;
}

bool readFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(path + u": kan niet gelezen worden ("_s + file.errorString() + u')');
        return false;
    }
    bytes = file.readAll();
    return true;
}

// Written through a temporary file that replaces the target only when all of
// it is written, so a failure never leaves a half-written file.
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        printError(path + u": kan niet geschreven worden ("_s + file.errorString() + u')');
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

std::optional<Options> parseOptions(const QStringList &args, QString &error)
{
    Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == u"-o"_s || arg == u"--date"_s) {
            if (i + 1 >= args.size()) {
                error = arg + u" verwacht een waarde"_s;
                return std::nullopt;
            }
            (arg == u"-o"_s ? options.output : options.date) = args.at(++i);
        } else if (arg == u"--sort"_s) {
            options.sort = true;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            error = u"onbekende optie "_s + arg;
            return std::nullopt;
        } else {
            options.positional.append(arg);
        }
    }
    return options;
}

int runPack(const Options &options)
{
    if (options.positional.size() != 1 || options.output.isEmpty())
        return usageError(u"pack verwacht één bron en -o met het doelbestand"_s);
    if (!options.date.isEmpty() && !WodPack::isValidDate(options.date))
        return usageError(u"--date verwacht een datum als dd/mm/jjjj"_s);

    const QString &sourcePath = options.positional.first();
    QByteArray bytes;
    if (!readFile(sourcePath, bytes))
        return exitProblem;
    const WodPack::ParseResult parsed
        = WodPack::parseSource(bytes, options.sort ? WodPack::Ordering::SortThem : WodPack::Ordering::MustBeSorted);
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
    QByteArray bytes;
    if (!readFile(path, bytes))
        return exitProblem;
    const WodPack::UnpackResult result = WodPack::unpack(bytes);
    if (result.problem) {
        printError(path + u", begrip "_s + QString::number(result.problem->line) + u": "_s + result.problem->message);
        return exitProblem;
    }
    if (options.output.isEmpty()) {
        std::fwrite(result.text.constData(), 1, size_t(result.text.size()), stdout);
        return 0;
    }
    return writeFile(options.output, result.text) ? 0 : exitProblem;
}

int runCheck(const Options &options)
{
    if (options.positional.size() != 1 || options.sort || !options.date.isEmpty() || !options.output.isEmpty())
        return usageError(u"check verwacht één begrippenlijst"_s);
    const QString &path = options.positional.first();
    QByteArray bytes;
    if (!readFile(path, bytes))
        return exitProblem;
    const WodPack::CheckResult result = WodPack::check(bytes);
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usageError(u"geen opdracht"_s);
    if (args.contains(u"--help"_s) || args.contains(u"-h"_s)) {
        std::fputs(usage, stdout);
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
    return usageError(u"onbekende opdracht "_s + command);
}
