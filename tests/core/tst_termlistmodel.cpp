#include "core/glossary/loader.h"
#include "core/mainwindow/termlistmodel.h"
#include "tests/support/wodbytes.h"

#include <QTest>

using namespace Woord;

// The rows of the term list as the model gives them to the list and to a
// screen reader.
class TestTermListModel : public QObject
{
    Q_OBJECT

private slots:
    void rowsAreTheTerms();
    void indexOfARowThatIsGone();
};

namespace {

const QList<Test::Entry> three = {{QStringLiteral("Adres"), QStringLiteral("Plaats.")},
                                  {QStringLiteral("Bit"), QStringLiteral("Een cijfer.")},
                                  {QStringLiteral("Cache"), QStringLiteral("Snel geheugen.")}};

} // namespace

void TestTermListModel::rowsAreTheTerms()
{
    const LoadResult load = LoadDatabase(Test::wod(three));
    TermListModel model(load.glossary);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.rowCount(model.index(0)), 0); // a list: no row has rows of its own
    for (int row = 0; row < 3; ++row) {
        const QModelIndex index = model.index(row);
        QCOMPARE(model.data(index).toString(), three.at(row).term);
        QCOMPARE(model.data(index, Qt::AccessibleTextRole).toString(), three.at(row).term);
        QVERIFY(!model.data(index, Qt::ToolTipRole).isValid());
    }
    QVERIFY(!model.data(model.index(3)).isValid());
    QVERIFY(!model.data(QModelIndex()).isValid());
}

// An index kept from before the glossary was replaced by a shorter one names
// no term.
void TestTermListModel::indexOfARowThatIsGone()
{
    LoadResult load = LoadDatabase(Test::wod(three));
    TermListModel model(load.glossary);
    const QPersistentModelIndex last = model.index(2);
    const QModelIndex stale = model.index(2);
    load = LoadDatabase(Test::wod(three.first(2)));
    QCOMPARE(model.rowCount(), 2);
    QVERIFY(!model.data(stale).isValid());
    QVERIFY(!model.data(stale, Qt::AccessibleTextRole).isValid());
    model.reload();
    QVERIFY(!last.isValid());
    QCOMPARE(model.data(model.index(1)).toString(), QStringLiteral("Bit"));
}

QTEST_GUILESS_MAIN(TestTermListModel)
#include "tst_termlistmodel.moc"
