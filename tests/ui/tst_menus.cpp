#include "core/links/links.h"
#include "core/mainwindow/menus.h"
#include "tests/support/mainwindowfixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <algorithm>

using namespace Woord;
using Woord::Test::MainWindowTest;

class TestMenus : public MainWindowTest
{
    Q_OBJECT

private slots:
    void menuBar();
    void items_data();
    void items();
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

void TestMenus::menuBar()
{
    start();
    QStringList shown;
    for (QAction *action : f->window->menuBar()->actions())
        shown.append(action->text());
    QStringList designed;
    for (const Menus::Menu &menu : Menus::menus)
        designed.append(QString::fromUtf16(menu.caption));
    QCOMPARE(shown, designed);
    // Every menu holds its rows of the table and no more.
    for (int m = 0; m < int(std::size(Menus::menus)); ++m) {
        const auto rows = std::count_if(std::begin(Menus::items), std::end(Menus::items),
                                        [m](const Menus::Item &item) { return item.menu == m; });
        QCOMPARE(items(QString::fromUtf16(Menus::menus[m].name)).size(), rows);
    }
}

void TestMenus::items_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(Menus::items)); ++row) {
        const Menus::Item &item = Menus::items[row];
        QTest::addRow("%s %d", qPrintable(QString::fromUtf16(Menus::menus[item.menu].name)), int(item.index)) << row;
    }
}

// Each row of the menu table is an action of its menu: named as the menu's
// control array, with its index, caption and shortcut; choosing it does what
// its command does.
void TestMenus::items()
{
    QFETCH(int, row);
    const Menus::Item &item = Menus::items[row];
    start();
    const QString menu = QString::fromUtf16(Menus::menus[item.menu].name);
    QAction *action = items(menu).value(item.index);
    QVERIFY(action);
    QCOMPARE(action->objectName(), menu + QStringLiteral("_kies"));
    QCOMPARE(action->property("index").toInt(), int(item.index));
    if (item.command == Menus::Command::Separator) {
        QVERIFY(action->isSeparator());
        return;
    }
    QCOMPARE(action->text(), QString::fromUtf16(item.caption));
    QCOMPARE(action->shortcut(),
             item.shortcut ? QKeySequence(QKeyCombination::fromCombined(item.shortcut)) : QKeySequence());

    const QString title = QStringLiteral("Woordorakelaar v1.0");
    action->trigger();
    switch (item.command) {
    case Menus::Command::Separator:
        break;
    case Menus::Command::Close:
        QVERIFY(!f->window->isVisible());
        QCOMPARE(f->platform.store.commits, 1);
        break;
    case Menus::Command::GlossaryInformation:
        QCOMPARE(f->platform.messages, QList<Message>{Links::glossaryInformation(QStringLiteral("09/12/2026"), 3)});
        break;
    case Menus::Command::GlossaryPage:
        QCOMPARE(f->platform.opened, QStringList{Links::glossaryPage()});
        break;
    case Menus::Command::About:
        QCOMPARE(f->dialogs.shown, QStringList{QStringLiteral("about")});
        QCOMPARE(f->dialogs.abouts.first().ProgrammaTitel, title);
        QCOMPARE(f->dialogs.abouts.first().revision, 4);
        QCOMPARE(f->dialogs.abouts.first().DatabaseDatum, QStringLiteral("09/12/2026"));
        QCOMPARE(f->dialogs.abouts.first().AantalBegrippen, 3);
        break;
    case Menus::Command::ProgramPage:
        QCOMPARE(f->platform.opened, QStringList{Links::programPage()});
        break;
    case Menus::Command::Sources:
        QCOMPARE(f->platform.messages, QList<Message>{Links::sources()});
        break;
    case Menus::Command::CountryCodes:
        QCOMPARE(f->dialogs.shown, QStringList{QStringLiteral("countryCodes")});
        break;
    case Menus::Command::HelpFile:
        QCOMPARE(f->platform.messages, QList<Message>{Links::helpMissing(title, f->state.DataMap)});
        break;
    case Menus::Command::HelpPage:
        QCOMPARE(f->platform.opened, QStringList{Links::helpPage()});
        break;
    case Menus::Command::ShortcutKeys:
        QCOMPARE(f->dialogs.shown, QStringList{QStringLiteral("shortcutKeys")});
        break;
    }
    // Choosing an item does only what it names.
    QVERIFY(f->platform.opened.size() + f->platform.messages.size() + f->dialogs.shown.size() <= 1);
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
    f->window->OpenHelp(FrmHoofd::HelpSource::Site);
    f->window->OpenHelp(FrmHoofd::HelpSource::File);
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
    f->window->OpenHelp(FrmHoofd::HelpSource::File);
    QVERIFY(f->platform.opened.isEmpty());
    QCOMPARE(f->platform.messages,
             QList<Message>{Links::helpMissing(QStringLiteral("Woordorakelaar v1.0"), f->state.DataMap)});

    QVERIFY(folder.rmdir(QStringLiteral("woordorakelaar.htm")));
    // The path as the program builds it, with the system's separators.
    const QString helpPath = Links::localHelpFile(f->state.DataMap);
    QFile help(helpPath);
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    f->platform.failOpen = true;
    f->window->OpenHelp(FrmHoofd::HelpSource::File);
    QCOMPARE(f->platform.opened, QStringList{helpPath});
    QCOMPARE(f->platform.messages.size(), 2);
    QCOMPARE(f->platform.messages.at(1), Links::openFailed(QStringLiteral("Woordorakelaar v1.0"), helpPath));
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
