#include "core/mainwindow/programinfo.h"
#include "core/settings/config.h"
#include "core/settings/conversion.h"
#include "tests/support/fakeplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace Woord;
using Woord::Test::MemorySettingsStore;

Q_DECLARE_METATYPE(Woord::ErrorKind)

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void toInt16_data();
    void toInt16();
    void usageCountAndSeparators();
    void firstRun();
    void failuresAreSkippedAndReadingGoesOn();
    void loadconfigMessage();
    void saveConfigWritesEveryKeyInOrder();
    void usageCountAtItsLargest();
};

void TestSettings::toInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ErrorKind>("error");
    QTest::addColumn<int>("value");

    QTest::newRow("whole number") << "1500" << ErrorKind::None << 1500;
    QTest::newRow("negative") << "-15" << ErrorKind::None << -15;
    QTest::newRow("plus sign") << "+15" << ErrorKind::None << 15;
    QTest::newRow("exponent with a plus sign") << "1.5e+3" << ErrorKind::None << 1500;
    QTest::newRow("capital E") << "2E2" << ErrorKind::None << 200;
    QTest::newRow("surrounding spaces") << "  42 " << ErrorKind::None << 42;
    QTest::newRow("half rounds to even, down") << "2.5" << ErrorKind::None << 2;
    QTest::newRow("half rounds to even, up") << "3.5" << ErrorKind::None << 4;
    QTest::newRow("fraction rounds to nearest") << "1234.6" << ErrorKind::None << 1235;
    QTest::newRow("exponent") << "1.5e3" << ErrorKind::None << 1500;
    QTest::newRow("largest") << "32767" << ErrorKind::None << 32767;
    QTest::newRow("smallest") << "-32768" << ErrorKind::None << -32768;
    QTest::newRow("rounds into range") << "-32768.5" << ErrorKind::None << -32768;
    QTest::newRow("rounds out of range") << "32767.5" << ErrorKind::Overflow << 0;
    QTest::newRow("32768 overflows") << "32768" << ErrorKind::Overflow << 0;
    QTest::newRow("below -32768 overflows") << "-40000" << ErrorKind::Overflow << 0;
    QTest::newRow("huge overflows") << QString(400, u'9') << ErrorKind::Overflow << 0;
    QTest::newRow("beyond double range overflows") << "1e999" << ErrorKind::Overflow << 0;
    QTest::newRow("below the smallest double overflows too") << "1e-999" << ErrorKind::Overflow << 0;
    QTest::newRow("tiny but a double rounds to 0") << "1e-300" << ErrorKind::None << 0;
    QTest::newRow("text") << "abc" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("empty") << "" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("decimal comma") << "1,5" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("number then text") << "12px" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("infinity is no number") << "inf" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("not a number") << "nan" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("point then digits") << ".5" << ErrorKind::None << 0;
    QTest::newRow("digits then point") << "7." << ErrorKind::None << 7;
    QTest::newRow("point alone") << "." << ErrorKind::TypeMismatch << 0;
    QTest::newRow("sign alone") << "-" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("two signs") << "+-5" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("two points") << "1.2.3" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("exponent without digits") << "5e" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("signed exponent") << "15E-1" << ErrorKind::None << 2;
    QTest::newRow("exponent alone") << "e5" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("tabs and line ends around") << "\t12\r\n" << ErrorKind::None << 12;
    QTest::newRow("vertical tab and form feed around") << "\v\f12\f\v" << ErrorKind::None << 12;
    QTest::newRow("a lone carriage return after") << "12\r" << ErrorKind::None << 12;
    QTest::newRow("a line feed before") << "\n12" << ErrorKind::None << 12;
    QTest::newRow("blank inside") << "1 2" << ErrorKind::TypeMismatch << 0;
    QTest::newRow("digits of another script") << QStringLiteral("\u0661\u0662") << ErrorKind::TypeMismatch << 0;
    QTest::newRow("no-break space around") << QStringLiteral("\u00a012") << ErrorKind::TypeMismatch << 0;
}

void TestSettings::toInt16()
{
    QFETCH(QString, text);
    QFETCH(ErrorKind, error);
    QFETCH(int, value);

    const SettingsConversion::Int16Result result = SettingsConversion::toInt16(text);
    QCOMPARE(result.error, error);
    QCOMPARE(int(result.value), value);
}

void TestSettings::usageCountAndSeparators()
{
    QCOMPARE(SettingsConversion::nextUsageCount(1), qint16(2));
    QCOMPARE(SettingsConversion::nextUsageCount(-1), qint16(0));
    QCOMPARE(SettingsConversion::nextUsageCount(32767), qint16(32767));

    QCOMPARE(SettingsConversion::withTrailingSeparator(QStringLiteral("/opt/w"), u'/'), QStringLiteral("/opt/w/"));
    QCOMPARE(SettingsConversion::withTrailingSeparator(QStringLiteral("/"), u'/'), QStringLiteral("/"));
    QCOMPARE(SettingsConversion::withTrailingSeparator(QStringLiteral("C:\\"), u'\\'), QStringLiteral("C:\\"));
    QCOMPARE(SettingsConversion::withTrailingSeparator(QStringLiteral("C:\\Prog"), u'\\'),
             QStringLiteral("C:\\Prog\\"));

    ProcessFacts facts;
    facts.folder = QDir::toNativeSeparators(QStringLiteral("/opt/woordorakelaar"));
    QCOMPARE(ProgramInfo::dataMap(facts), facts.folder + QDir::separator());
    facts.folder = QDir::toNativeSeparators(QDir::rootPath());
    QCOMPARE(ProgramInfo::dataMap(facts), facts.folder);

    QCOMPARE(SettingsConversion::twipsText(1500.0f), QStringLiteral("1500"));
    QCOMPARE(SettingsConversion::twipsText(-15.0f), QStringLiteral("-15"));
    // A single-precision number: seven significant digits.
    QCOMPARE(SettingsConversion::twipsText(1234.567f), QStringLiteral("1234.567"));
    QCOMPARE(SettingsConversion::twipsText(2.0f / 3.0f), QStringLiteral("0.6666667"));
}

void TestSettings::firstRun()
{
    MemorySettingsStore store;
    ConfigValues values;
    QVERIFY(Loadconfig(store, QStringLiteral("/opt/w"), values).isEmpty());
    QCOMPARE(values.Gebruik, qint16(1));
    QCOMPARE(values.Links, qint16(1));
    QCOMPARE(values.Boven, qint16(1));
    QCOMPARE(values.BijStart, QStringLiteral("woordorakelaar.wod"));
}

void TestSettings::failuresAreSkippedAndReadingGoesOn()
{
    MemorySettingsStore store;
    store.stored = {
        {QStringLiteral("gebruik"), QStringLiteral("abc")},
        {QStringLiteral("links"), QStringLiteral("32768")},
        {QStringLiteral("boven"), QStringLiteral("")},
        {QStringLiteral("bijstart"), QStringLiteral("ander.wod")},
    };
    ConfigValues values;
    const QList<ConfigProblem> problems = Loadconfig(store, QStringLiteral("/opt/w"), values);

    // The overflow of "links" is silent; the two others are reported in order.
    QCOMPARE(problems.size(), 2);
    QCOMPARE(problems.at(0).key, QStringLiteral("gebruik"));
    QCOMPARE(problems.at(0).error, ErrorKind::TypeMismatch);
    QCOMPARE(problems.at(1).key, QStringLiteral("boven"));
    QCOMPARE(values.Gebruik, qint16(0));
    QCOMPARE(values.Links, qint16(0));
    QCOMPARE(values.Boven, qint16(0));
    QCOMPARE(values.BijStart, QStringLiteral("ander.wod"));

    // A bad "gebruik" does not keep a good "links" from being read.
    store.stored[QStringLiteral("links")] = QStringLiteral("-40000.4");
    store.stored[QStringLiteral("boven")] = QStringLiteral("300");
    values = {};
    Loadconfig(store, QStringLiteral("/opt/w"), values);
    QCOMPARE(values.Links, qint16(0));
    QCOMPARE(values.Boven, qint16(300));

    // With "gebruik" unread, the next shut-down stores 1.
    ConfigSave save;
    save.Gebruik = values.Gebruik;
    QVERIFY(SaveConfig(store, save));
    QCOMPARE(store.stored.value(QStringLiteral("gebruik")), QStringLiteral("1"));
}

void TestSettings::loadconfigMessage()
{
    const Message message = Woord::loadconfigMessage(QStringLiteral("Woordorakelaar v1.0"), ErrorKind::TypeMismatch);
    QCOMPARE(message.title, QStringLiteral("Woordorakelaar v1.0"));
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.text, errorDescription(ErrorKind::TypeMismatch) + QStringLiteral(" - Loadconfig: 13"));
    QVERIFY(!errorDescription(ErrorKind::TypeMismatch).isEmpty());
}

void TestSettings::saveConfigWritesEveryKeyInOrder()
{
    MemorySettingsStore store;
    store.stored
        = {{QStringLiteral("mapnaam"), QStringLiteral("oud")}, {QStringLiteral("versie"), QStringLiteral("0.9")}};
    ConfigSave save{QStringLiteral("/opt/w"),
                    QStringLiteral("/opt/w/"),
                    QStringLiteral("woordorakelaar"),
                    41,
                    QStringLiteral("1.0.4"),
                    1500.0f,
                    30.0f};
    QVERIFY(SaveConfig(store, save));

    QCOMPARE(store.writeOrder,
             (QStringList{QStringLiteral("mapnaam"), QStringLiteral("datamap"), QStringLiteral("exenaam"),
                          QStringLiteral("gebruik"), QStringLiteral("versie"), QStringLiteral("links"),
                          QStringLiteral("boven")}));
    QCOMPARE(store.commits, 1);
    QCOMPARE(store.stored.value(QStringLiteral("mapnaam")), QStringLiteral("/opt/w"));
    QCOMPARE(store.stored.value(QStringLiteral("datamap")), QStringLiteral("/opt/w/"));
    QCOMPARE(store.stored.value(QStringLiteral("exenaam")), QStringLiteral("woordorakelaar"));
    QCOMPARE(store.stored.value(QStringLiteral("gebruik")), QStringLiteral("42"));
    QCOMPARE(store.stored.value(QStringLiteral("versie")), QStringLiteral("1.0.4"));
    QCOMPARE(store.stored.value(QStringLiteral("links")), QStringLiteral("1500"));
    QCOMPARE(store.stored.value(QStringLiteral("boven")), QStringLiteral("30"));
    QVERIFY(!store.stored.contains(QStringLiteral("bijstart")));

    store.failCommit = true;
    QVERIFY(!SaveConfig(store, save));
}

void TestSettings::usageCountAtItsLargest()
{
    MemorySettingsStore store;
    store.stored = {{QStringLiteral("gebruik"), QStringLiteral("32767")}};
    ConfigValues values;
    Loadconfig(store, QString(), values);
    ConfigSave save;
    save.Gebruik = values.Gebruik;
    QVERIFY(SaveConfig(store, save));
    QCOMPARE(store.stored.value(QStringLiteral("gebruik")), QStringLiteral("32767"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
