#include "tests/support/mainwindowfixture.h"
#include "ui/widgets/designfonts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>

using namespace Woord;
using Woord::Test::MainWindowFixture;

namespace {

// The places the window was laid out with, in twips, one control a line:
// name, left, top, width, height. An element of a control array is named
// with its index, "Shp_Tip(0)".
QList<std::pair<QString, QRect>> designedPlaces()
{
    QList<std::pair<QString, QRect>> places;
    QFile file(QStringLiteral(WOORD_SOURCE_DIR "/tests/layout/mainwindow-places.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the table of places");
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() != 5)
            qFatal("a line of the table of places is not a name and four numbers: %s", qPrintable(line));
        places.append({fields.at(0),
                       QRect(fields.at(1).toInt(), fields.at(2).toInt(), fields.at(3).toInt(), fields.at(4).toInt())});
    }
    return places;
}

} // namespace

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
    void standInFaces();
    void colours_data();
    void colours();
    void alignments_data();
    void alignments();
    void frontToBack();
    void tabOrderAndFirstFocus();
    void companionsHiddenUntilTheFirstTerm();
    void longTextsWrapInTheirBoxes();
    void descriptionBox();
    void etchedLines_data();
    void etchedLines();
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
    f->make();
}

void TestLayout::cleanup()
{
    f.reset();
}

void TestLayout::places_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    const QList<std::pair<QString, QRect>> places = designedPlaces();
    // Every control that has a place of its own, the tip's two shapes included.
    QCOMPARE(places.size(), 16);
    for (const auto &[name, twips] : places)
        QTest::newRow(qPrintable(name)) << name << twips;
}

void TestLayout::places()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);

    QWidget *control = nullptr;
    if (name.endsWith(u')')) {
        // An element of a control array: the controls of that name told apart
        // by their index.
        const qsizetype open = name.indexOf(u'(');
        const int index = name.mid(open + 1, name.size() - open - 2).toInt();
        for (QWidget *element : f->window->findChildren<QWidget *>(name.left(open)))
            if (element->property("index").toInt() == index)
                control = element;
        QVERIFY2(control, qPrintable(name));
    } else {
        control = f->control<QWidget>(name);
    }
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
    // The family, or its look-alike where the system lacks it.
    QCOMPARE(control->font().family(), DesignFonts::family(family));
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

void TestLayout::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour"); // invalid: the system's colour of that role

    const QColor lightGrey(192, 192, 192);
    QTest::newRow("Lbl_Tip text") << "Lbl_Tip" << int(QPalette::WindowText) << QColor(128, 128, 128);
    QTest::newRow("Lbl_StatusHelp text") << "Lbl_StatusHelp" << int(QPalette::WindowText) << QColor(Qt::black);
    QTest::newRow("Lbl_CurrRecord text") << "Lbl_CurrRecord" << int(QPalette::WindowText) << QColor(Qt::black);
    QTest::newRow("Lbl_Beschrijving text") << "Lbl_Beschrijving" << int(QPalette::WindowText) << QColor();
    QTest::newRow("Lbl_Begrip background") << "Lbl_Begrip" << int(QPalette::Window) << lightGrey;
    QTest::newRow("Label2 background") << "Label2" << int(QPalette::Window) << lightGrey;
    QTest::newRow("Label3 background") << "Label3" << int(QPalette::Window) << lightGrey;
    QTest::newRow("List_Grid background") << "List_Grid" << int(QPalette::Base) << QColor(Qt::white);
    QTest::newRow("List_Grid text") << "List_Grid" << int(QPalette::Text) << QColor(Qt::black);
    QTest::newRow("Lbl_Beschrijving_Achtergrond background")
        << "Lbl_Beschrijving_Achtergrond" << int(QPalette::Window) << QColor();
}

// The colours the window was laid out with, the same while it is in the
// background.
void TestLayout::colours()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    // A theme whose system colours differ from the ones the window sets.
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
    QPalette theme = before;
    theme.setColor(QPalette::WindowText, QColor(40, 50, 60));
    theme.setColor(QPalette::Text, QColor(70, 80, 90));
    theme.setColor(QPalette::Window, QColor(230, 220, 210));
    theme.setColor(QPalette::Base, QColor(250, 245, 235));
    QApplication::setPalette(theme);
    MainWindowFixture themed;
    themed.make();
    QWidget *control = themed.control<QWidget>(name);
    // The system's colours: text in the window-text colour, the description's
    // box in the colour of a text field's background.
    const QColor expected = colour.isValid() ? colour
        : role == QPalette::WindowText       ? theme.color(QPalette::WindowText)
                                             : theme.color(QPalette::Base);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        QCOMPARE(control->palette().color(group, QPalette::ColorRole(role)), expected);
}

void TestLayout::alignments_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("alignment");
    const int centred = Qt::AlignHCenter | Qt::AlignTop;
    const int left = Qt::AlignLeft | Qt::AlignTop;
    for (const char *name : {"Lbl_Begrip", "Label2", "Label3", "Lbl_StatusHelp", "Lbl_CurrRecord"})
        QTest::newRow(name) << QString::fromLatin1(name) << centred;
    for (const char *name : {"Lbl_Beschrijving", "Lbl_Tip"})
        QTest::newRow(name) << QString::fromLatin1(name) << left;
}

// Texts start at the top of their labels, centred or from the left edge.
void TestLayout::alignments()
{
    QFETCH(QString, name);
    QFETCH(int, alignment);
    QCOMPARE(int(f->control<QLabel>(name)->alignment()), alignment);
}

// Where the system has no face of the name: Tahoma from the Windows fonts
// folder Debian keeps, MS Sans Serif drawn by Liberation Sans, narrower.
void TestLayout::standInFaces()
{
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"))
        || !QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        QSKIP("the font packages the program depends on are not installed");
    QCOMPARE(QFontInfo(DesignFonts::tahoma(9.75)).family(), QStringLiteral("Tahoma"));
    QCOMPARE(DesignFonts::font(QStringLiteral("MS Sans Serif"), 8.25).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(DesignFonts::font(QStringLiteral("Arial"), 12).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(DesignFonts::font(QStringLiteral("Courier New"), 12).family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(QFontInfo(DesignFonts::font(QStringLiteral("MS Sans Serif"), 8.25)).family(),
             QStringLiteral("Liberation Sans"));
    QCOMPARE(DesignFonts::font(QStringLiteral("MS Sans Serif"), 8.25).stretch(), 96);
    QCOMPARE(DesignFonts::font(QStringLiteral("ms sans serif"), 8.25).stretch(), 96);
    QCOMPARE(DesignFonts::font(QStringLiteral("Arial"), 12).stretch(), int(QFont::Unstretched));
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

void TestLayout::etchedLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("white"); // else the window's text colour
    QTest::addColumn<QRect>("pixels");
    // From the laid-out ends in twips, one pixel wide: Line7 runs from
    // (105, 0) to (105, 650), so from pixel row 0 to row 43.
    QTest::newRow("Line5") << "Line5" << true << QRect(7, 0, 633, 1);
    QTest::newRow("Line6") << "Line6" << false << QRect(7, 1, 633, 1);
    QTest::newRow("Line7") << "Line7" << true << QRect(7, 0, 1, 43);
    QTest::newRow("Line8") << "Line8" << false << QRect(8, 1, 1, 42);
    QTest::newRow("Line9") << "Line9" << true << QRect(640, 2, 1, 43);
    QTest::newRow("Line10") << "Line10" << false << QRect(639, 1, 1, 44);
    QTest::newRow("Line2") << "Line2" << true << QRect(7, 43, 633, 1);
    QTest::newRow("Line1") << "Line1" << false << QRect(7, 44, 633, 1);
    QTest::newRow("Line3") << "Line3" << true << QRect(7, 496, 632, 1);
    QTest::newRow("Line4") << "Line4" << false << QRect(7, 497, 632, 1);
}

void TestLayout::etchedLines()
{
    QFETCH(QString, name);
    QFETCH(bool, white);
    QFETCH(QRect, pixels);
    QWidget *line = f->control<QWidget>(name);
    QCOMPARE(line->geometry(), pixels);
    QCOMPARE(line->palette().color(QPalette::Window),
             white ? QColor(Qt::white) : f->window->palette().color(QPalette::WindowText));
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
#include "tst_layout.moc"
