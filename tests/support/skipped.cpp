// A test program of the other system, built here to say why it does not run
// here: its name in the suite's list, one skipped test with the reason.

#include <QTest>

class NotOnThisSystem : public QObject
{
    Q_OBJECT

private slots:
    void skipped() { QSKIP(WOORD_SKIP_REASON); }
};

QTEST_GUILESS_MAIN(NotOnThisSystem)
#include "skipped.moc"
