// The glossary read ahead on a thread of its own: start-up may take it only
// where it is what start-up would read itself.

#include "core/glossary/prefetch.h"
#include "tests/support/wodbytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Woord;
using Woord::Test::Entry;
using Woord::Test::wod;

namespace {

const QList<Entry> two = {
    {QStringLiteral("Bit"), QStringLiteral("Kleinste eenheid van informatie.")},
    {QStringLiteral("Byte"), QStringLiteral("Acht bits.")},
};
const QList<Entry> three = two + QList<Entry>{{QStringLiteral("Cache"), QStringLiteral("Snel geheugen.")}};

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestPrefetch : public QObject
{
    Q_OBJECT

private slots:
    void takesTheGlossaryReadAhead();
    void leavesAnythingElseToStartUp();
    void neverGivesAnEarlierFile();
};

void TestPrefetch::takesTheGlossaryReadAhead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("woordorakelaar.wod"));
    QVERIFY(write(path, wod(three)));
    GlossaryPrefetch prefetch;
    prefetch.start(path);
    std::optional<LoadResult> taken = prefetch.take(path);
    QVERIFY(taken);
    QCOMPARE(taken->status, LoadStatus::Loaded);
    QCOMPARE(taken->glossary.AantalBegrippen(), 3);
    QCOMPARE(taken->glossary.Begrip(3), QStringLiteral("Cache"));
    // Once only.
    QVERIFY(!prefetch.take(path));
}

void TestPrefetch::leavesAnythingElseToStartUp()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("woordorakelaar.wod"));
    const QString other = dir.filePath(QStringLiteral("ander.wod"));
    QVERIFY(write(path, wod(three)));
    QVERIFY(write(other, wod(three)));

    GlossaryPrefetch notStarted;
    QVERIFY(!notStarted.take(path));

    GlossaryPrefetch anotherPath;
    anotherPath.start(other);
    QVERIFY(!anotherPath.take(path));

    // A file that does not load is read again by start-up, which gives its
    // own message.
    const QString broken = dir.filePath(QStringLiteral("kapot.wod"));
    QVERIFY(write(broken, wod(three).chopped(20)));
    GlossaryPrefetch failed;
    failed.start(broken);
    QVERIFY(!failed.take(broken));

    GlossaryPrefetch missing;
    missing.start(dir.filePath(QStringLiteral("weg.wod")));
    QVERIFY(!missing.take(dir.filePath(QStringLiteral("weg.wod"))));

    // Far larger than any glossary: not read ahead at all.
    const QString large = dir.filePath(QStringLiteral("groot.wod"));
    QVERIFY(write(large, wod(three)));
    QVERIFY(QFile::resize(large, GlossaryPrefetch::largestPrefetch + 1));
    GlossaryPrefetch tooLarge;
    tooLarge.start(large);
    QVERIFY(!tooLarge.take(large));
}

// Whenever the file is put in another's place or written anew after the
// read began, what is taken is the file there now or nothing: another file of
// the same size put in its place, or the file written anew shorter.
void TestPrefetch::neverGivesAnEarlierFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("woordorakelaar.wod"));
    const QString next = dir.filePath(QStringLiteral("nieuw.wod"));
    QList<Entry> sameSize = three;
    sameSize[2].term = QStringLiteral("Kasje");
    QCOMPARE(wod(sameSize).size(), wod(three).size());
    int taken = 0;
    for (int round = 0; round < 40; ++round) {
        QVERIFY(write(path, wod(three)));
        GlossaryPrefetch prefetch;
        prefetch.start(path);
        if (round % 2 == 0) {
            QVERIFY(write(next, wod(sameSize)));
            QVERIFY(QFile::remove(path));
            QVERIFY(QFile::rename(next, path));
        } else {
            QVERIFY(write(path, wod(two)));
        }
        if (const std::optional<LoadResult> result = prefetch.take(path)) {
            ++taken;
            QCOMPARE(result->glossary.Begrip(2), QStringLiteral("Byte"));
            QCOMPARE(result->glossary.AantalBegrippen(), round % 2 == 0 ? 3 : 2);
            if (round % 2 == 0)
                QCOMPARE(result->glossary.Begrip(3), QStringLiteral("Kasje"));
        }
    }
    qInfo("%d of 40 reads were of the new file", taken);
}

QTEST_GUILESS_MAIN(TestPrefetch)
#include "tst_prefetch.moc"
