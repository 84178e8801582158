#include "core/links/links.h"

#include <QTest>

using namespace Woord;

// The addresses the program opens: the site, the mail and the local help file.
class TestLinks : public QObject
{
    Q_OBJECT

private slots:
    void targets();
};

void TestLinks::targets()
{
    QCOMPARE(Links::siteHome(), QStringLiteral("https://www.wlk-velde.example/"));
    QCOMPARE(Links::mailTarget(QStringLiteral("Woordorakelaar v1.0"), 4),
             QStringLiteral("mailto:info@wlk-velde.example?subject=Woordorakelaar v1.0.4&body=Hallo,"));
    QCOMPARE(Links::localHelpFile(QStringLiteral("C:\\Programma\\")),
             QStringLiteral("C:\\Programma\\woordorakelaar.htm"));
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
