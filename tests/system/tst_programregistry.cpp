// The real program on Windows and its settings in the registry: a run that
// ends through the main window's unload (here: the glossary it is told to
// open is not there) writes every value under
// HKEY_CURRENT_USER\Software\WLK-Velde\Woordorakelaar, and nothing under
// another key. What the user had stored there is put back afterwards.

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>

#include <map>

namespace {

constexpr int timeoutMs = 30000;
const QString makerKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\WLK-Velde");

std::map<QString, QVariant> valuesOf(QSettings &settings)
{
    std::map<QString, QVariant> values;
    for (const QString &key : settings.allKeys())
        values[key] = settings.value(key);
    return values;
}

} // namespace

class TestProgramRegistry : public QObject
{
    Q_OBJECT

private slots:
    void unloadWritesTheProgramsKey();
};

void TestProgramRegistry::unloadWritesTheProgramsKey()
{
    QSettings maker(makerKey, QSettings::NativeFormat);
    const std::map<QString, QVariant> before = valuesOf(maker);
    const auto restore = qScopeGuard([&] {
        maker.remove(QString());
        for (const auto &[key, value] : before)
            maker.setValue(key, value);
        maker.sync();
    });
    maker.remove(QString());
    maker.setValue(QStringLiteral("Woordorakelaar/gebruik"), QStringLiteral("41"));
    maker.setValue(QStringLiteral("Woordorakelaar/bijstart"), QStringLiteral("ontbreekt.wod"));
    maker.sync();
    QCOMPARE(maker.status(), QSettings::NoError);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The program folder holds the plugins a user's desktop needs; the
    // headless one is the toolkit's.
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(WOORD_QT_PLUGIN_DIR));
    // The message about the missing glossary is answered at once.
    env.insert(QStringLiteral("WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(WOORD_WINDOWS_FOLDER "/woordorakelaar.exe"));
    QVERIFY(program.waitForFinished(timeoutMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    const QString folder = QDir::toNativeSeparators(QStringLiteral(WOORD_WINDOWS_FOLDER));
    QSettings stored(makerKey + QStringLiteral("\\Woordorakelaar"), QSettings::NativeFormat);
    const struct {
        const char *key;
        QString value;
    } expected[] = {
        {"mapnaam", folder},
        {"datamap", folder + u'\\'},
        {"exenaam", QStringLiteral("woordorakelaar")},
        {"gebruik", QStringLiteral("42")},
        {"versie", QStringLiteral("1.0.4")},
        {"bijstart", QStringLiteral("ontbreekt.wod")},
    };
    for (const auto &row : expected)
        QCOMPARE(stored.value(QString::fromLatin1(row.key)).toString(), row.value);
    QVERIFY(stored.contains(QStringLiteral("links")));
    QVERIFY(stored.contains(QStringLiteral("boven")));
    // Only the program's own key under the maker's.
    QCOMPARE(maker.childGroups(), QStringList{QStringLiteral("Woordorakelaar")});
    QCOMPARE(maker.childKeys(), QStringList());
}

QTEST_GUILESS_MAIN(TestProgramRegistry)
#include "tst_programregistry.moc"
