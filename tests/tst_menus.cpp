#include "core/links/links.h"
#include "tests/support/mainwindowfixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace Woord;
using Woord::Test::MainWindowTest;

class TestMenus : public MainWindowTest
{
    Q_OBJECT

private slots:
    void captionsAndShortcuts();
    void indexWithoutAnActionDoesNothing();
    void glossaryInformation_data();
    void glossaryInformation();
    void siteLinksAndSources();
    void helpFileAndItsMessage();
    void helpFileThatCannotBeOpened();
    void shellThatCannotOpen_data();
    void shellThatCannotOpen();
    void closeItemEndsThroughTheShutDown();

private:
    void start(int entries = 3);
    QList<QAction *> items(const QString &menu) const;
};

void TestMenus::start(int entries)
{
    QVERIFY(f->startShown(entries));
}

QList<QAction *> TestMenus::items(const QString &menu) const
{
    return f->control<QMenu>(menu)->actions();
}

void TestMenus::captionsAndShortcuts()
{
    start();
    QStringList menus;
    for (QAction *action : f->window->menuBar()->actions())
        menus.append(action->text());
    QCOMPARE(menus,
             (QStringList{QStringLiteral("&Sluiten"), QStringLiteral("&Begrippenlijst"), QStringLiteral("&Info"),
                          QStringLiteral("&Extra"), QStringLiteral("&Help")}));

    const struct {
        const char *menu;
        QStringList captions;
        QList<QKeySequence> shortcuts;
    } expected[] = {
        {"mnu_sluiten", {QStringLiteral("&Woordorakelaar afsluiten   Alt+F4")}, {QKeySequence()}},
        {"mnu_database",
         {QStringLiteral("&Begrippenlijst informatie"), QStringLiteral("-"),
          QStringLiteral("B&egrippenlijst op de site")},
         {QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(), QKeySequence()}},
        {"mnu_info",
         {QStringLiteral("&Info"), QStringLiteral("-"), QStringLiteral("I&nfo op de site"), QStringLiteral("-"),
          QStringLiteral("&Bronnen")},
         {QKeySequence(Qt::CTRL | Qt::Key_I), {}, {}, {}, {}}},
        {"mnu_extra", {QStringLiteral("&Landencodes")}, {QKeySequence()}},
        {"mnu_help",
         {QStringLiteral("&Help"), QStringLiteral("-"), QStringLiteral("H&elp op de site"), QStringLiteral("-"),
          QStringLiteral("&Sneltoetsen")},
         {QKeySequence(Qt::Key_F1), {}, {}, {}, {}}},
    };
    for (const auto &menu : expected) {
        const QList<QAction *> actions = items(QString::fromLatin1(menu.menu));
        QCOMPARE(actions.size(), menu.captions.size());
        for (qsizetype i = 0; i < actions.size(); ++i) {
            QAction *action = actions.at(i);
            QCOMPARE(action->objectName(), QString::fromLatin1(menu.menu) + QStringLiteral("_kies"));
            QCOMPARE(action->property("index").toInt(), i);
            if (menu.captions.at(i) == QStringLiteral("-"))
                QVERIFY(action->isSeparator());
            else
                QCOMPARE(action->text(), menu.captions.at(i));
            QCOMPARE(action->shortcut(), menu.shortcuts.at(i));
        }
    }
}

void TestMenus::indexWithoutAnActionDoesNothing()
{
    start();
    for (qint16 index : {qint16(1), qint16(3), qint16(7), qint16(-1)}) {
        f->window->mnu_database_kies_Click(index);
        f->window->mnu_info_kies_Click(index);
        f->window->mnu_help_kies_Click(index);
    }
    f->window->mnu_database_kies_Click(4);
    QVERIFY(f->platform.messages.isEmpty());
    QVERIFY(f->platform.opened.isEmpty());
    QVERIFY(f->window->isVisible());
}

void TestMenus::glossaryInformation_data()
{
    QTest::addColumn<int>("entries");
    QTest::newRow("empty glossary") << 0;
    QTest::newRow("1250 entries") << 1250;
}

void TestMenus::glossaryInformation()
{
    QFETCH(int, entries);
    start(entries);
    QTest::keySequence(f->window.get(), QKeySequence(Qt::CTRL | Qt::Key_D));
    QCOMPARE(f->platform.messages.size(), 1);
    const Message message = f->platform.messages.first();
    QCOMPARE(message.title, QStringLiteral("Woordorakelaar"));
    QCOMPARE(message.icon, MessageIcon::None);
    QCOMPARE(message.text,
             QStringLiteral("Begrippenlijst laatst bijgewerkt op: 09/12/2026\r\n\r\nBegrippen in de lijst: %1"
                            "\r\n\r\n===> Kijkt u even na op de website van Woordorakelaar\r\n===> als "
                            "de datum en het aantal begrippen overeenkomen.\r\n===> Is dit niet het "
                            "geval download dan de nieuwe versie van de begrippenlijst.")
                 .arg(entries));
}

void TestMenus::siteLinksAndSources()
{
    start();
    items(QStringLiteral("mnu_database")).at(2)->trigger();
    items(QStringLiteral("mnu_info")).at(2)->trigger();
    items(QStringLiteral("mnu_help")).at(2)->trigger();
    QCOMPARE(
        f->platform.opened,
        (QStringList{QStringLiteral("https://www.wlk-velde.example/utilities/woordorakelaar.html#Begrippenlijst"),
                     QStringLiteral("https://www.wlk-velde.example/utilities/woordorakelaar.html"),
                     QStringLiteral("https://www.wlk-velde.example/xtra/woordorakelaar/help/woordorakelaar.htm")}));
    items(QStringLiteral("mnu_info")).at(4)->trigger();
    const Message sources{QStringLiteral("Bronnen"), QStringLiteral("Internet, boeken, tijdschriften, dagbladen, ..."),
                          MessageIcon::None};
    QCOMPARE(f->platform.messages, QList<Message>{sources});
}

void TestMenus::helpFileAndItsMessage()
{
    start();
    items(QStringLiteral("mnu_help")).at(0)->trigger();
    const QString expected
        = QStringLiteral("Geen help beschikbaar of niet geïnstalleerd. Kijk even op mijn site voor "
                         "het nieuwste helpbestand.\r\n\r\nAls Woordorakelaar-help aanwezig is op de "
                         "site download een copie en bewaar het in de volgende map :\r\n\r\n")
        + f->state.DataMap;
    const Message missing{QStringLiteral("Woordorakelaar v1.0"), expected, MessageIcon::Information};
    QCOMPARE(f->platform.messages, QList<Message>{missing});
    QVERIFY(f->state.DataMap.endsWith(QDir::separator()));
    QVERIFY(f->platform.opened.isEmpty());

    // The site's help page is opened even when the local file is missing; the
    // two never stand in for each other.
    QFile help(Links::localHelpFile(f->state.DataMap));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    f->window->OpenHelp(1);
    f->window->OpenHelp(0);
    f->window->OpenHelp(2);
    QCOMPARE(f->platform.opened,
             (QStringList{Links::helpPage(), f->state.DataMap + QStringLiteral("woordorakelaar.htm")}));
    QCOMPARE(f->platform.messages.size(), 1);
}

// A folder of the help file's name is no help file: the message says where
// one belongs. A help file there that the shell cannot open is named instead.
void TestMenus::helpFileThatCannotBeOpened()
{
    start();
    QDir folder(f->state.DataMap);
    QVERIFY(folder.mkdir(QStringLiteral("woordorakelaar.htm")));
    f->window->OpenHelp(0);
    QVERIFY(f->platform.opened.isEmpty());
    QCOMPARE(f->platform.messages,
             QList<Message>{Links::helpMissing(QStringLiteral("Woordorakelaar v1.0"), f->state.DataMap)});

    QVERIFY(folder.rmdir(QStringLiteral("woordorakelaar.htm")));
    QFile help(Links::localHelpFile(f->state.DataMap));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    f->platform.failOpen = true;
    f->window->OpenHelp(0);
    QCOMPARE(f->platform.opened, QStringList{help.fileName()});
    QCOMPARE(f->platform.messages.size(), 2);
    QCOMPARE(f->platform.messages.at(1), Links::openFailed(QStringLiteral("Woordorakelaar v1.0"), help.fileName()));
}

void TestMenus::shellThatCannotOpen_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("target");
    QTest::newRow("Help op de site") << "mnu_help" << 2 << Links::helpPage();
    QTest::newRow("Begrippenlijst op de site") << "mnu_database" << 2 << Links::glossaryPage();
    QTest::newRow("Info op de site") << "mnu_info" << 2 << Links::programPage();
}

// Where no program opens a page, the user is told which page it was.
void TestMenus::shellThatCannotOpen()
{
    QFETCH(QString, menu);
    QFETCH(int, index);
    QFETCH(QString, target);
    start();
    f->platform.failOpen = true;
    items(menu).at(index)->trigger();
    QCOMPARE(f->platform.opened, QStringList{target});
    const Message message = Links::openFailed(QStringLiteral("Woordorakelaar v1.0"), target);
    QCOMPARE(f->platform.messages, QList<Message>{message});
    QCOMPARE(message.icon, MessageIcon::Information);
    QVERIFY(message.text.contains(target));
}

void TestMenus::closeItemEndsThroughTheShutDown()
{
    start();
    items(QStringLiteral("mnu_sluiten")).at(0)->trigger();
    QVERIFY(!f->window->isVisible());
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("gebruik")), QStringLiteral("2"));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
