#include "core/glossary/loader.h"
#include "tools/lint.h"
#include "tools/wodpack.h"

#include <QFile>
#include <QTest>

using namespace Woord;

class TestShippedGlossary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsAsTheProgramReadsIt();
    void roundTripsToItsSource();
    void followsTheEditorialRules();

private:
    QByteArray m_wod;
    QByteArray m_source;
};

void TestShippedGlossary::initTestCase()
{
    QFile wod(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar.wod"));
    QVERIFY(wod.open(QIODevice::ReadOnly));
    m_wod = wod.readAll();
    QFile source(QStringLiteral(WOORD_SOURCE_DIR "/data/woordorakelaar.tsv"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    m_source = source.readAll();
}

void TestShippedGlossary::readsAsTheProgramReadsIt()
{
    QCOMPARE(testHeader(m_wod).check, HeaderCheck::Matches);
    const LoadResult load = LoadDatabase(m_wod);
    QCOMPARE(load.status, LoadStatus::Loaded);
    QVERIFY(load.glossary.AantalBegrippen() >= 400);
    QCOMPARE(load.endOffset, m_wod.size());

    QStringList terms;
    QString descriptions;
    for (qint32 i = 1; i <= load.glossary.AantalBegrippen(); ++i) {
        const BegripRecord record = load.glossary.Begrippen(i);
        QVERIFY2(!record.Begrip.isEmpty() && !record.Beschrijving.isEmpty(), qPrintable(QString::number(i)));
        terms.append(record.Begrip);
        descriptions += record.Beschrijving;
    }
    QVERIFY(terms.contains(QStringLiteral("Internet")));
    QVERIFY(terms.contains(QStringLiteral("Netwerk")));
    for (const QChar c : {u'&', u'ë', u'é', u'ï'})
        QVERIFY2(descriptions.contains(c), qPrintable(QString(c)));

    const WodPack::CheckResult check = WodPack::check(m_wod);
    QVERIFY2(!check.problem, check.problem ? qPrintable(check.problem->message) : "");
}

void TestShippedGlossary::roundTripsToItsSource()
{
    const WodPack::UnpackResult unpacked = WodPack::unpack(m_wod);
    QVERIFY(!unpacked.problem);
    QCOMPARE(unpacked.text, m_source);

    const WodPack::ParseResult parsed = WodPack::parseSource(m_source, WodPack::Ordering::MustBeSorted);
    QVERIFY(!parsed.problem);
    QCOMPARE(WodPack::pack(parsed.source.entries, parsed.source.date), m_wod);
}

void TestShippedGlossary::followsTheEditorialRules()
{
    QStringList found;
    for (const Lint::Finding &finding : Lint::lintSource(m_source, WodPack::Ordering::MustBeSorted))
        found.append(QStringLiteral("%1: %2").arg(finding.line).arg(finding.message));
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    // About 850 entries, each notion once: cross-references say only where to look.
    const LoadResult load = LoadDatabase(m_wod);
    QVERIFY(load.glossary.AantalBegrippen() >= 1400);
}

QTEST_GUILESS_MAIN(TestShippedGlossary)
#include "tst_shippedglossary.moc"
