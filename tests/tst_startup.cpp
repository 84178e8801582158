#include "mainwindow/frmhoofd.h"
#include "glossary/glossarymessages.h"
#include "mainwindow/startup.h"
#include "support/fakeplatform.h"
#include "support/wodbytes.h"

#include <QAbstractItemView>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Woord;
using Woord::Test::Entry;

Q_DECLARE_METATYPE(Woord::Message)

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void listShowsEveryTerm();
    void fatalGlossaryProblemsSaveNothing_data();
    void fatalGlossaryProblemsSaveNothing();
    void brokenGlossarySavesSettings();
    void secondInstanceEndsSilently();

private:
    void writeGlossary(const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Test::FakePlatform> m_platform;
    const QString m_title = QStringLiteral("Woordorakelaar v1.0");
};

void TestStartup::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_platform = std::make_unique<Test::FakePlatform>();
    m_platform->facts.folder = m_folder->path();
}

void TestStartup::writeGlossary(const QByteArray &bytes)
{
    QFile file(m_folder->filePath(QStringLiteral("woordorakelaar.wod")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestStartup::listShowsEveryTerm()
{
    writeGlossary(Test::wod({{QStringLiteral("Bit"), QStringLiteral("b")},
                             {QStringLiteral("Byte"), QStringLiteral("B & b")},
                             {QStringLiteral("Café"), QStringLiteral("c")}}));
    AppState state;
    FrmHoofd window(*m_platform, state);
    QVERIFY(startProgram(*m_platform, state, window));
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(state.ProgrammaTitel, m_title);
    QCOMPARE(state.DatabasePad, m_folder->path() + QStringLiteral("/woordorakelaar.wod"));

    auto *list = window.findChild<QAbstractItemView *>(QStringLiteral("List_Grid"));
    QVERIFY(list);
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(list->model()->index(2, 0).data().toString(), QStringLiteral("Café"));
    QCOMPARE(m_platform->waitCursorChanges, (QList<bool>{true, false}));

    window.show();
    window.close();
    QCOMPARE(m_platform->store.stored.value(QStringLiteral("gebruik")), QStringLiteral("2"));
}

void TestStartup::fatalGlossaryProblemsSaveNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Message>("message");

    const QList<Entry> one = {{QStringLiteral("Bit"), QStringLiteral("b")}};
    QTest::newRow("wrong header") << Test::wod(one, {}, "\"09/12/2026\"", "\"woordorakelaar\"")
                                  << GlossaryMessages::wrongLayout(m_title);
    QTest::newRow("old date") << Test::wod(one, {}, "\"09-12-2026\"") << GlossaryMessages::oldFormat(m_title);
    QTest::newRow("count 32768") << Test::wod(one, "32768") << GlossaryMessages::wrongCount(m_title);
}

void TestStartup::fatalGlossaryProblemsSaveNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Message, message);

    writeGlossary(bytes);
    AppState state;
    FrmHoofd window(*m_platform, state);
    QVERIFY(!startProgram(*m_platform, state, window));
    QCOMPARE(m_platform->messages, QList<Message>{message});
    QCOMPARE(m_platform->store.commits, 0);
}

void TestStartup::brokenGlossarySavesSettings()
{
    writeGlossary(Test::wod({{QStringLiteral("Bit"), QStringLiteral("b")}}, "2"));
    m_platform->store.stored.insert(QStringLiteral("gebruik"), QStringLiteral("9"));
    AppState state;
    FrmHoofd window(*m_platform, state);
    QVERIFY(!startProgram(*m_platform, state, window));
    QCOMPARE(m_platform->messages,
             QList<Message>{GlossaryMessages::loadFailed(m_title, state.DatabasePad)});
    QCOMPARE(m_platform->store.stored.value(QStringLiteral("gebruik")), QStringLiteral("10"));
}

void TestStartup::secondInstanceEndsSilently()
{
    writeGlossary(Test::wod({{QStringLiteral("Bit"), QStringLiteral("b")}}));
    m_platform->otherInstanceRunning = true;
    AppState state;
    FrmHoofd window(*m_platform, state);
    QVERIFY(!startProgram(*m_platform, state, window));
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->store.commits, 0);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
