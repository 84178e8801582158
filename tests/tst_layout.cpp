#include "support/mainwindowfixture.h"
#include "widgets/designfonts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Woord;
using Woord::Test::MainWindowFixture;

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void places_data();
    void places();
    void fontsAndTexts_data();
    void fontsAndTexts();
    void frontToBack();
    void tabOrderAndFirstFocus();
    void companionsHiddenUntilTheFirstTerm();
    void linesTipAndIcon();
    void clientArea();

private:
    std::unique_ptr<MainWindowFixture> f;
};

void TestLayout::initTestCase()
{
    DesignFonts::install();
}

void TestLayout::init()
{
    f = std::make_unique<MainWindowFixture>();
    f->window = std::make_unique<FrmHoofd>(f->platform, f->state);
}

void TestLayout::cleanup()
{
    f.reset();
}

void TestLayout::places_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("Frame1") << "Frame1" << QRect(2025, 6810, 5655, 555);
    QTest::newRow("Knp_EersteRecord") << "Knp_EersteRecord" << QRect(60, 165, 345, 315);
    QTest::newRow("HScroll_Record") << "HScroll_Record" << QRect(405, 165, 4815, 315);
    QTest::newRow("Knp_LaatsteRecord") << "Knp_LaatsteRecord" << QRect(5220, 165, 345, 315);
    QTest::newRow("List_Grid") << "List_Grid" << QRect(100, 750, 3765, 5790);
    QTest::newRow("Lbl_Tip") << "Lbl_Tip" << QRect(8145, 7005, 1185, 195);
    QTest::newRow("Img_Tip") << "Img_Tip" << QRect(8580, 6735, 285, 270);
    QTest::newRow("Label3") << "Label3" << QRect(8235, 60, 1320, 495);
    QTest::newRow("Label2") << "Label2" << QRect(150, 0, 1395, 495);
    QTest::newRow("Lbl_Begrip") << "Lbl_Begrip" << QRect(195, 60, 9330, 480);
    QTest::newRow("Lbl_Beschrijving") << "Lbl_Beschrijving" << QRect(4065, 795, 5445, 5655);
    QTest::newRow("Lbl_StatusHelp") << "Lbl_StatusHelp" << QRect(90, 7515, 9555, 240);
    QTest::newRow("Lbl_CurrRecord") << "Lbl_CurrRecord" << QRect(120, 6555, 9435, 255);
    QTest::newRow("Lbl_Beschrijving_Achtergrond") << "Lbl_Beschrijving_Achtergrond" << QRect(3945, 750, 5670, 5790);
}

void TestLayout::places()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);

    QWidget *control = f->control<QWidget>(name);
    QCOMPARE(control->geometry(), DesignFonts::twips(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestLayout::fontsAndTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    QTest::newRow("Lbl_Begrip") << "Lbl_Begrip"
                                << "*****"
                                << "Tahoma" << 20.25 << true;
    QTest::newRow("Label2") << "Label2"
                            << "Label2"
                            << "Tahoma" << 20.25 << true;
    QTest::newRow("Label3") << "Label3"
                            << "Label3"
                            << "Tahoma" << 20.25 << true;
    QTest::newRow("Lbl_Beschrijving") << "Lbl_Beschrijving"
                                      << "*****"
                                      << "Tahoma" << 9.75 << true;
    QTest::newRow("Lbl_StatusHelp") << "Lbl_StatusHelp"
                                    << "Help"
                                    << "Tahoma" << 9.0 << false;
    QTest::newRow("Lbl_CurrRecord") << "Lbl_CurrRecord"
                                    << "Geen begrippenlijst geladen"
                                    << "Tahoma" << 9.75 << false;
    QTest::newRow("Lbl_Tip") << "Lbl_Tip"
                             << "F3 om te zoeken"
                             << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Knp_EersteRecord") << "Knp_EersteRecord"
                                      << "<"
                                      << "Arial" << 12.0 << true;
    QTest::newRow("Knp_LaatsteRecord") << "Knp_LaatsteRecord"
                                       << ">"
                                       << "Arial" << 12.0 << true;
    QTest::newRow("List_Grid") << "List_Grid"
                               << ""
                               << "Tahoma" << 9.75 << false;
}

void TestLayout::fontsAndTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);

    QWidget *control = f->control<QWidget>(name);
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), text);
    if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), text);
    // The look-alike that stands in for the family is really there.
    QVERIFY2(QFontInfo(control->font()).pointSizeF() > 0, qPrintable(QFontInfo(control->font()).family()));
    // Only the stand-in for MS Sans Serif, the window's font, is drawn
    // narrower; the other families keep their widths.
    if (family != QStringLiteral("MS Sans Serif"))
        QCOMPARE(control->font().stretch(), int(QFont::Unstretched));
}

void TestLayout::frontToBack()
{
    const QStringList frontToBack = {
        QStringLiteral("Frame1"),
        QStringLiteral("List_Grid"),
        QStringLiteral("Lbl_Tip"),
        QStringLiteral("Img_Tip"),
        QStringLiteral("Label3"),
        QStringLiteral("Label2"),
        QStringLiteral("Lbl_Begrip"),
        QStringLiteral("Lbl_Beschrijving"),
        QStringLiteral("Lbl_StatusHelp"),
        QStringLiteral("Lbl_CurrRecord"),
        QStringLiteral("Lbl_Beschrijving_Achtergrond"),
    };
    QWidget *surface = f->window->centralWidget();
    const QObjectList children = surface->children();
    for (qsizetype i = 1; i < frontToBack.size(); ++i) {
        QObject *front = f->control<QWidget>(frontToBack.at(i - 1));
        QObject *behind = f->control<QWidget>(frontToBack.at(i));
        QVERIFY2(children.indexOf(front) > children.indexOf(behind), qPrintable(frontToBack.at(i)));
    }
    // The tip box lies over its shadow, both behind every label.
    const QList<QWidget *> tipShapes = surface->findChildren<QWidget *>(QStringLiteral("Shp_Tip"));
    QCOMPARE(tipShapes.size(), 2);
    QWidget *box = tipShapes.at(0)->property("index").toInt() == 0 ? tipShapes.at(0) : tipShapes.at(1);
    QWidget *shadow = box == tipShapes.at(0) ? tipShapes.at(1) : tipShapes.at(0);
    QVERIFY(children.indexOf(box) > children.indexOf(shadow));
    QVERIFY(children.indexOf(f->control<QWidget>(QStringLiteral("Lbl_Beschrijving_Achtergrond")))
            > children.indexOf(box));
    QCOMPARE(box->palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(shadow->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(box->geometry(), DesignFonts::twips(7965, 6675, 1575, 705));
    QCOMPARE(shadow->geometry(), DesignFonts::twips(8010, 6705, 1575, 705));
}

void TestLayout::tabOrderAndFirstFocus()
{
    f->window->show();
    QApplication::setActiveWindow(f->window.get());
    QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    QCOMPARE(QApplication::focusWidget(), f->control<QWidget>(QStringLiteral("List_Grid")));
    const QStringList order = {QStringLiteral("Knp_LaatsteRecord"), QStringLiteral("Knp_EersteRecord"),
                               QStringLiteral("HScroll_Record"), QStringLiteral("List_Grid")};
    for (const QString &name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
}

void TestLayout::companionsHiddenUntilTheFirstTerm()
{
    QVERIFY(f->control<QLabel>(QStringLiteral("Label2"))->isHidden());
    QVERIFY(f->control<QLabel>(QStringLiteral("Label3"))->isHidden());
    QVERIFY(f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->autoFillBackground());

    f->writeGlossary(Test::wod(MainWindowFixture::numberedEntries(3)));
    QCOMPARE(f->start(), FrmHoofd::LoadOutcome::Show);
    QVERIFY(!f->control<QLabel>(QStringLiteral("Label2"))->isHidden());
    QVERIFY(!f->control<QLabel>(QStringLiteral("Label3"))->isHidden());
    QVERIFY(!f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->autoFillBackground());
}

void TestLayout::linesTipAndIcon()
{
    QWidget *surface = f->window->centralWidget();
    for (int i = 1; i <= 10; ++i) {
        QWidget *line = f->control<QWidget>(QStringLiteral("Line%1").arg(i));
        QVERIFY(line->width() == 1 || line->height() == 1);
        QCOMPARE(line->parentWidget(), surface);
    }
    QCOMPARE(f->control<QWidget>(QStringLiteral("Line5"))->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(f->control<QWidget>(QStringLiteral("Line3"))->geometry(), QRect(7, 496, 632, 1));

    const QPixmap tip = f->control<QLabel>(QStringLiteral("Img_Tip"))->pixmap();
    QCOMPARE(tip.size(), QSize(19, 18));
    const QList<QSize> iconSizes = f->window->windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(32, 32)));
    QVERIFY(iconSizes.contains(QSize(16, 16)));
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_CurrRecord"))->toolTip(),
             QStringLiteral(" Huidig begrip in uw database "));
    QCOMPARE(f->control<QScrollBar>(QStringLiteral("HScroll_Record"))->parentWidget()->objectName(),
             QStringLiteral("Frame1"));
}

void TestLayout::clientArea()
{
    QCOMPARE(f->window->centralWidget()->size(), QSize(648, 532));
    QCOMPARE(f->window->windowTitle(), QStringLiteral("Woordorakelaar"));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
