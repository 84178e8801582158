// The main window's make-up beyond its layout table: what lies over what,
// the tab order, the etched rules, the tip, the icon and the stand-in faces.

#include "tests/support/mainwindowfixture.h"
#include "ui/widgets/designfonts.h"
#include "ui/widgets/designlayout.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

using namespace Woord;
using Woord::Test::MainWindowFixture;

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void frontToBack();
    void tabOrderAndFirstFocus();
    void companionsHiddenUntilTheFirstTerm();
    void longTextsWrapInTheirBoxes();
    void descriptionBox();
    void etchedLines();
    void standInFaces();
    void linesTipAndIcon();
    void clientArea();

private:
    std::unique_ptr<MainWindowFixture> f;
};

void TestLayout::init()
{
    f = std::make_unique<MainWindowFixture>();
    f->make();
}

void TestLayout::cleanup()
{
    f.reset();
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

// A description of the longest kind wraps within its box and is seen whole.
void TestLayout::longTextsWrapInTheirBoxes()
{
    QString description;
    while (description.size() < 290)
        description += QStringLiteral("Een lange beschrijving van een begrip. ");
    f->writeGlossary(Test::wod({{QStringLiteral("Begrip"), description}}));
    QCOMPARE(f->start(), FrmHoofd::LoadOutcome::Show);
    auto *label = f->control<QLabel>(QStringLiteral("Lbl_Beschrijving"));
    QCOMPARE(label->text(), description);
    QVERIFY(label->minimumSizeHint().width() <= label->width());
    const int needed = label->heightForWidth(label->width());
    QVERIFY2(needed > label->fontMetrics().height() && needed <= label->height(), qPrintable(QString::number(needed)));
}

// The description's box has a one-pixel border in the window's text colour
// around a field in the colour of a text field's background.
void TestLayout::descriptionBox()
{
    f->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
    auto *box = f->control<QLabel>(QStringLiteral("Lbl_Beschrijving_Achtergrond"));
    const QImage image = box->grab().toImage();
    const QColor border = box->palette().color(QPalette::WindowText);
    const QColor inside = box->palette().color(QPalette::Base);
    const int w = image.width();
    const int h = image.height();
    for (const QPoint &at :
         {QPoint(0, 0), QPoint(w / 2, 0), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1), QPoint(0, h / 2)})
        QCOMPARE(image.pixelColor(at), border);
    for (const QPoint &at : {QPoint(1, 1), QPoint(w / 2, h / 2), QPoint(w - 2, h - 2)})
        QCOMPARE(image.pixelColor(at), inside);
}

// Every rule of the table, a pixel wide, between its ends; Line7 runs from
// (105, 0) to (105, 650) twips, so from pixel row 0 to row 43.
void TestLayout::etchedLines()
{
    QCOMPARE(DesignLayout::mainWindowLines.size(), 10);
    for (const DesignLayout::Line &row : DesignLayout::mainWindowLines) {
        QWidget *line = f->control<QWidget>(QString::fromUtf16(row.name));
        QCOMPARE(line->geometry(), row.pixels());
        QCOMPARE(line->palette().color(QPalette::Window),
                 row.white ? QColor(Qt::white) : f->window->palette().color(QPalette::WindowText));
    }
    QCOMPARE(f->control<QWidget>(QStringLiteral("Line7"))->geometry(), QRect(7, 0, 1, 43));
    QCOMPARE(f->control<QWidget>(QStringLiteral("Line9"))->geometry(), QRect(640, 2, 1, 43));
}

// Where the system has no face of the name: Tahoma from Wine's fonts in the
// system's data folders, MS Sans Serif drawn by Liberation Sans, narrower.
void TestLayout::standInFaces()
{
    if (QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("wine/fonts/tahoma.ttf")).isEmpty()
        || !QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        QSKIP("the font packages the program depends on are not installed");
    const DesignFonts &fonts = f->fonts;
    QCOMPARE(QFontInfo(fonts.tahoma(9.75)).family(), QStringLiteral("Tahoma"));
    QCOMPARE(fonts.font(QStringLiteral("MS Sans Serif"), 8.25).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(fonts.font(QStringLiteral("Arial"), 12).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(fonts.font(QStringLiteral("Courier New"), 12).family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(QFontInfo(fonts.font(QStringLiteral("MS Sans Serif"), 8.25)).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(fonts.font(QStringLiteral("MS Sans Serif"), 8.25).stretch(), 96);
    QCOMPARE(fonts.font(QStringLiteral("ms sans serif"), 8.25).stretch(), 96);
    QCOMPARE(fonts.font(QStringLiteral("Arial"), 12).stretch(), int(QFont::Unstretched));
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
    QVERIFY(iconSizes.contains(QSize(64, 64))); // sharp on a high-DPI title bar
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
#include "tst_mainwindowlayout.moc"
