#include "core/links/links.h"
#include "core/windows/countrycodes.h"
#include "core/windows/shortcutkeys.h"
#include "tests/support/mainwindowfixture.h"
#include "ui/widgets/centerform.h"
#include "ui/widgets/designlayout.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/frmabout3d.h"
#include "ui/windows/frmlandencodes.h"
#include "ui/windows/frmsneltoetsen.h"
#include "ui/windows/outlineshape.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>

#include <memory>
#include <type_traits>

using namespace Woord;
using Woord::Test::MainWindowTest;

class TestWindows : public MainWindowTest
{
    Q_OBJECT

private slots:
    void centerForm_data();
    void centerForm();

    void aboutLabels_data();
    void aboutLabels();
    void aboutLinkColours();
    void aboutPicture();
    void aboutLinksOpenTheirTargets();
    void aboutKeysAndModality();
    void aboutHelpKeyWithModifiers_data();
    void aboutHelpKeyWithModifiers();
    void aboutEscapeDoesNothing();
    void aboutLinkOpensOnAClickOnly_data();
    void aboutLinkOpensOnAClickOnly();
    void aboutShowsTheDateAsStored();
    void outlineShapeEdges();
    void aboutLinksTakeTheButtonTextColour();
    void aboutNoticeFitsItsBox();

    void countryCodeRows();
    void countryCodesWindow();
    void countryCodesEnterInTheList_data();
    void countryCodesEnterInTheList();

    void shortcutLines();
    void shortcutWindow();

    void realWindowsAreModalOverTheMainWindow();

private:
    void start(int entries);
    // The window the main window just asked its dialogs to show, shown here
    // as they show it: over the main window, which takes no input meanwhile.
    template<typename T>
    std::unique_ptr<T> open();
    QAction *menuItem(const QString &menu, int index) const { return f->menuItem(menu, index); }
    QColor colour(QLabel *label) const { return label->palette().color(QPalette::Active, QPalette::WindowText); }
};

void TestWindows::start(int entries)
{
    QVERIFY(f->startShown(entries));
}

template<typename T>
std::unique_ptr<T> TestWindows::open()
{
    std::unique_ptr<T> window;
    const auto help = [this] { f->window->OpenHelpFile(); };
    if constexpr (std::is_same_v<T, FrmAbout3D>) {
        if (f->dialogs.abouts.isEmpty())
            QTest::qFail("the About window was not asked for", __FILE__, __LINE__);
        window = std::make_unique<T>(f->platform, f->fonts,
                                     f->dialogs.abouts.isEmpty() ? AboutValues() : f->dialogs.abouts.last(), help,
                                     f->window.get());
    } else {
        const QString asked
            = std::is_same_v<T, FrmLandenCodes> ? QStringLiteral("countryCodes") : QStringLiteral("shortcutKeys");
        if (f->dialogs.shown.value(f->dialogs.shown.size() - 1) != asked)
            QTest::qFail(qPrintable(asked + QStringLiteral(" was not asked for")), __FILE__, __LINE__);
        window = std::make_unique<T>(f->fonts, f->window.get());
    }
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        QTest::qFail("the window did not become active", __FILE__, __LINE__);
    return window;
}

void TestWindows::aboutLabels_data()
{
    QTest::addColumn<int>("entries");
    QTest::newRow("empty glossary") << 0;
    QTest::newRow("1250 entries") << 1250;
}

void TestWindows::aboutLabels()
{
    QFETCH(int, entries);
    start(entries);
    bool opened = false;
    QTest::keySequence(f->window->windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_I));
    {
        const auto openedWindow = open<FrmAbout3D>();
        FrmAbout3D *about = openedWindow.get();
        opened = true;
        QCOMPARE(about->windowTitle(), QStringLiteral("Woordorakelaar v1.0"));
        QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(about->size(), QSize(540, 358));
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("Lbl_AantalBegrippenInDatabase"))->text(),
                 QStringLiteral("%1 begrippen in de lijst").arg(entries));
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("Lbl_DatabaseDatum"))->text(),
                 QStringLiteral("Begrippenlijst laatst bijgewerkt op: 09/12/2026"));
        const QString heading = about->findChild<QLabel *>(QStringLiteral("Lbl_AboutKop"))->text();
        QVERIFY2(heading.startsWith(QStringLiteral("Woordorakelaar v1.0.4 \u00A9 ")), qPrintable(heading));
        QVERIFY(heading.contains(QStringLiteral("WLK-Velde")));
        QVERIFY(about->findChild<QLabel *>(QStringLiteral("Lbl_AboutWarning"))
                    ->text()
                    .contains(QStringLiteral("freeware")));
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("Lbl_URL"))->toolTip(),
                 QStringLiteral(" Is er een nieuwe versie of update beschikbaar? "));
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("Lbl_Email"))->toolTip(),
                 QStringLiteral(" Hebt u een vraag betreffende Woordorakelaar? "));
        auto *button = about->findChild<QPushButton *>(QStringLiteral("Knp_About"));
        QCOMPARE(button->text(), QStringLiteral("&O.K."));
        QCOMPARE(button->toolTip(), QStringLiteral(" Sluit dit venster "));
        QCOMPARE(QApplication::focusWidget(), button);
        // The link pointer: a 32 x 32 picture with its point at (13, 5).
        const QCursor cursor = about->findChild<QLabel *>(QStringLiteral("Lbl_URL"))->cursor();
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        QCOMPARE(cursor.hotSpot(), QPoint(13, 5));
        // The one-line texts keep their places, or grow to both sides where
        // the text is wider: whole and centred on the place.
        for (const char16_t *name : {u"Lbl_AboutKop", u"Lbl_DatabaseDatum", u"Lbl_AantalBegrippenInDatabase"}) {
            auto *label = about->findChild<QLabel *>(QString::fromUtf16(name));
            const QRect place = DesignLayout::find(DesignLayout::frmAbout3D, name)->pixels();
            const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
            QCOMPARE(label->width(), std::max(needed, place.width()));
            QVERIFY2(qAbs(label->geometry().center().x() - place.center().x()) <= 1, qPrintable(label->objectName()));
            QCOMPARE(label->y(), place.y());
            QCOMPARE(label->height(), place.height());
        }
        const QRect screen = about->screen()->geometry();
        QVERIFY(qAbs(about->frameGeometry().center().x() - screen.center().x()) <= 1);
        about->accept();
    }
    QVERIFY(opened);
}

void TestWindows::aboutLinkColours()
{
    start(3);
    menuItem(QStringLiteral("mnu_info"), 0)->trigger();
    {
        const auto openedWindow = open<FrmAbout3D>();
        FrmAbout3D *about = openedWindow.get();
        // Moves go through the window, as the real mouse's do.
        const auto moveOver = [about](QWidget *widget, QPoint at) {
            QTest::mouseMove(about->windowHandle(), widget->mapTo(about, at));
        };
        auto *url = about->findChild<QLabel *>(QStringLiteral("Lbl_URL"));
        auto *mail = about->findChild<QLabel *>(QStringLiteral("Lbl_Email"));
        const QColor orange(255, 128, 0);
        const QColor blue(0, 0, 255);
        const QColor buttonText = about->palette().color(QPalette::ButtonText);
        QVERIFY(buttonText != orange);
        QCOMPARE(colour(url), orange);
        QCOMPARE(colour(mail), orange);

        // Over "Website", across the picture to "E-mail": only "E-mail" is blue.
        moveOver(url, url->rect().center());
        QCOMPARE(colour(url), blue);
        QCOMPARE(colour(mail), orange);
        moveOver(about, QPoint(270, 60));
        QCOMPARE(colour(url), buttonText);
        QCOMPARE(colour(mail), buttonText);
        moveOver(mail, mail->rect().center());
        QCOMPARE(colour(mail), blue);
        QCOMPARE(colour(url), buttonText);

        // Other labels and the button change neither link.
        moveOver(about->findChild<QLabel *>(QStringLiteral("Lbl_AboutWarning")), QPoint(5, 5));
        moveOver(about->findChild<QPushButton *>(QStringLiteral("Knp_About")), QPoint(5, 5));
        QCOMPARE(colour(mail), blue);
        // The outline shapes are the window's surface.
        moveOver(about, QPoint(1, 1));
        QCOMPARE(colour(mail), buttonText);
        about->accept();
    }
}

// At scale 1 the picture is drawn pixel for pixel: beside the texts, where
// nothing else lies, the window shows the small picture itself.
void TestWindows::aboutPicture()
{
    start(3);
    int checked = 0;
    menuItem(QStringLiteral("mnu_info"), 0)->trigger();
    {
        const auto openedWindow = open<FrmAbout3D>();
        FrmAbout3D *about = openedWindow.get();
        QCOMPARE(about->devicePixelRatioF(), 1.0);
        const QImage shot = about->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = QImage(QStringLiteral(":/about.bmp")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!picture.isNull());
        int differing = 0;
        for (int y = 40; y < 80; ++y)
            for (int x = 250; x < 290; ++x, ++checked)
                differing += shot.pixel(x, y) != picture.pixel(x, y);
        QCOMPARE(differing, 0);
        about->accept();
    }
    QCOMPARE(checked, 1600);
}

void TestWindows::aboutLinksOpenTheirTargets()
{
    start(3);
    menuItem(QStringLiteral("mnu_info"), 0)->trigger();
    {
        const auto openedWindow = open<FrmAbout3D>();
        FrmAbout3D *about = openedWindow.get();
        QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("Lbl_URL")), Qt::LeftButton);
        QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("Lbl_Email")), Qt::LeftButton);
        QVERIFY(about->isVisible()); // clicking a link keeps the window open
        about->accept();
    }
    const QStringList targets{
        QStringLiteral("https://www.wlk-velde.example/"),
        QStringLiteral("mailto:info@wlk-velde.example?subject=Woordorakelaar v1.0.4&body=Hallo,")};
    QCOMPARE(f->platform.opened, targets);
    QVERIFY(f->platform.messages.isEmpty());

    // Where no browser or mail program opens them, the user is told which.
    f->platform.failOpen = true;
    menuItem(QStringLiteral("mnu_info"), 0)->trigger();
    {
        const auto openedWindow = open<FrmAbout3D>();
        FrmAbout3D *about = openedWindow.get();
        QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("Lbl_URL")), Qt::LeftButton);
        QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("Lbl_Email")), Qt::LeftButton);
        QVERIFY(about->isVisible());
        about->accept();
    }
    QCOMPARE(f->platform.messages,
             (QList<Message>{Links::openFailed(QStringLiteral("Woordorakelaar v1.0"), targets.at(0)),
                             Links::openFailed(QStringLiteral("Woordorakelaar v1.0"), targets.at(1))}));
}

void TestWindows::aboutKeysAndModality()
{
    start(3);
    bool closedByEnter = false;
    menuItem(QStringLiteral("mnu_info"), 0)->trigger();
    {
        const auto openedWindow = open<FrmAbout3D>();
        FrmAbout3D *about = openedWindow.get();
        QCOMPARE(QApplication::activeModalWidget(), about);
        QVERIFY(about->isModal());
        // F1 opens the help (here: its message, as there is no help file) and
        // the window stays open.
        QTest::keyClick(about->windowHandle(), Qt::Key_F1);
        QVERIFY(about->isVisible());
        QCOMPARE(f->platform.messages.size(), 1);
        QTest::keyClick(about->windowHandle(), Qt::Key_Return);
        closedByEnter = !about->isVisible();
    }
    QVERIFY(closedByEnter);
    // Unloaded when closed: nothing of it is left.
    QVERIFY(f->window->findChildren<FrmAbout3D *>().isEmpty());
}

void TestWindows::aboutHelpKeyWithModifiers_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt") << Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("Ctrl+Shift") << (Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("Ctrl+Alt+Shift") << (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
}

void TestWindows::aboutHelpKeyWithModifiers()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    start(3);
    bool stayedOpen = false;
    menuItem(QStringLiteral("mnu_info"), 0)->trigger();
    {
        const auto openedWindow = open<FrmAbout3D>();
        FrmAbout3D *about = openedWindow.get();
        QTest::keyClick(about->windowHandle(), Qt::Key_F1, modifiers);
        stayedOpen = about->isVisible();
        about->accept();
    }
    QVERIFY(stayedOpen);
    // No help file in the program folder: the help's message says so.
    QCOMPARE(f->platform.messages.size(), 1);
}

void TestWindows::aboutEscapeDoesNothing()
{
    start(3);
    bool stayedOpen = false;
    menuItem(QStringLiteral("mnu_info"), 0)->trigger();
    {
        const auto openedWindow = open<FrmAbout3D>();
        FrmAbout3D *about = openedWindow.get();
        QTest::keyClick(about->windowHandle(), Qt::Key_Escape);
        QTest::keyClick(about->findChild<QPushButton *>(QStringLiteral("Knp_About")), Qt::Key_Escape);
        stayedOpen = about->isVisible();
        about->accept();
    }
    QVERIFY(stayedOpen);
}

void TestWindows::aboutLinkOpensOnAClickOnly_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("releasedOver"); // where the button goes up
    QTest::addColumn<bool>("opens");
    QTest::newRow("Website, released on it") << QStringLiteral("Lbl_URL") << QStringLiteral("Lbl_URL") << true;
    QTest::newRow("Website, released on the picture") << QStringLiteral("Lbl_URL") << QString() << false;
    QTest::newRow("Website, released on E-mail") << QStringLiteral("Lbl_URL") << QStringLiteral("Lbl_Email") << false;
    QTest::newRow("E-mail, released on the button")
        << QStringLiteral("Lbl_Email") << QStringLiteral("Knp_About") << false;
    QTest::newRow("E-mail, released on it") << QStringLiteral("Lbl_Email") << QStringLiteral("Lbl_Email") << true;
}

void TestWindows::aboutLinkOpensOnAClickOnly()
{
    QFETCH(QString, link);
    QFETCH(QString, releasedOver);
    QFETCH(bool, opens);
    start(3);
    menuItem(QStringLiteral("mnu_info"), 0)->trigger();
    {
        const auto openedWindow = open<FrmAbout3D>();
        FrmAbout3D *about = openedWindow.get();
        auto *pressed = about->findChild<QLabel *>(link);
        QWidget *target = releasedOver.isEmpty() ? about : about->findChild<QWidget *>(releasedOver);
        const QPoint down = pressed->mapTo(about, pressed->rect().center());
        const QPoint up = releasedOver.isEmpty() ? QPoint(270, 60) : target->mapTo(about, target->rect().center());
        // Through the window, as the real mouse's events come: the pressed
        // label keeps the mouse until the button goes up.
        QTest::mousePress(about->windowHandle(), Qt::LeftButton, {}, down);
        QTest::mouseMove(about->windowHandle(), up);
        QTest::mouseRelease(about->windowHandle(), Qt::LeftButton, {}, up);
        about->accept();
    }
    QCOMPARE(f->platform.opened.size(), opens ? 1 : 0);
}

// The glossary's date is shown and read out as the file holds it, even where
// it looks like markup.
void TestWindows::aboutShowsTheDateAsStored()
{
    f->writeGlossary(Test::wod(Test::MainWindowFixture::numberedEntries(3), {}, "\"01/&lt;\""));
    QCOMPARE(f->start(), FrmHoofd::LoadOutcome::Show);
    f->window->show();
    QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    bool opened = false;
    QTest::keySequence(f->window->windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_I));
    {
        const auto openedWindow = open<FrmAbout3D>();
        FrmAbout3D *about = openedWindow.get();
        opened = true;
        auto *date = about->findChild<QLabel *>(QStringLiteral("Lbl_DatabaseDatum"));
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(date);
        QVERIFY(heard);
        QCOMPARE(heard->text(QAccessible::Name), QStringLiteral("Begrippenlijst laatst bijgewerkt op: 01/&lt;"));
        about->accept();
    }
    QVERIFY(opened);
}

// An outline is one pixel wide on all four sides, and its inside shows what
// lies under it.
void TestWindows::outlineShapeEdges()
{
    QWidget surface;
    surface.setFixedSize(40, 30);
    surface.setAutoFillBackground(true);
    QPalette white = surface.palette();
    white.setColor(QPalette::Window, Qt::white);
    surface.setPalette(white);
    const QColor grey(224, 224, 224);
    auto *shape = new OutlineShape(&surface);
    shape->setColour(grey);
    shape->setGeometry(5, 5, 20, 10);
    const QImage image = surface.grab().toImage();
    const QPoint edges[] = {{5, 5}, {24, 5}, {5, 14}, {24, 14}, {15, 5}, {15, 14}, {5, 10}, {24, 10}};
    for (const QPoint &at : edges)
        QVERIFY2(image.pixelColor(at) == grey, qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));
    const QPoint inside[] = {{6, 6}, {23, 13}, {15, 10}, {23, 10}, {15, 13}, {4, 4}, {25, 15}};
    for (const QPoint &at : inside)
        QVERIFY2(image.pixelColor(at) == QColor(Qt::white),
                 qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));
}

// Over the window's surface the links take the system's button-text colour,
// also where a theme gives it apart from the window's text colour.
void TestWindows::aboutLinksTakeTheButtonTextColour()
{
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
    QPalette theme = before;
    theme.setColor(QPalette::ButtonText, QColor(10, 20, 30));
    theme.setColor(QPalette::WindowText, QColor(40, 50, 60));
    QApplication::setPalette(theme);

    FrmAbout3D about(f->platform, f->fonts, AboutValues{QStringLiteral("Woordorakelaar v1.0"), 4, QString(), 0}, {});
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseMove(about.windowHandle(), QPoint(270, 60));
    QCOMPARE(colour(about.findChild<QLabel *>(QStringLiteral("Lbl_URL"))), QColor(10, 20, 30));
    QCOMPARE(colour(about.findChild<QLabel *>(QStringLiteral("Lbl_Email"))), QColor(10, 20, 30));
}

// The freeware notice, several lines long, wraps within its box and is seen
// whole.
void TestWindows::aboutNoticeFitsItsBox()
{
    const FrmAbout3D about(f->platform, f->fonts, AboutValues{QStringLiteral("Woordorakelaar v1.0"), 4, QString(), 0},
                           {});
    auto *notice = about.findChild<QLabel *>(QStringLiteral("Lbl_AboutWarning"));
    QVERIFY(notice->minimumSizeHint().width() <= notice->width());
    const int needed = notice->heightForWidth(notice->width());
    QVERIFY2(needed > notice->fontMetrics().height() && needed <= notice->height(),
             qPrintable(QString::number(needed)));
}

void TestWindows::countryCodesEnterInTheList_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("downs"); // Down presses in the list before the key
    QTest::newRow("Return, no row chosen") << int(Qt::Key_Return) << 0;
    QTest::newRow("Return, a row chosen") << int(Qt::Key_Return) << 10;
    QTest::newRow("keypad Enter, a row chosen") << int(Qt::Key_Enter) << 3;
}

void TestWindows::countryCodesEnterInTheList()
{
    QFETCH(int, key);
    QFETCH(int, downs);
    start(3);
    bool closed = false;
    menuItem(QStringLiteral("mnu_extra"), 0)->trigger();
    {
        const auto openedWindow = open<FrmLandenCodes>();
        FrmLandenCodes *codes = openedWindow.get();
        auto *list = codes->findChild<QListWidget *>(QStringLiteral("Lst_LandenCodes"));
        // From the button, which has the focus at first, to the list.
        QTest::keyClick(codes->windowHandle(), Qt::Key_Tab);
        QVERIFY(list->hasFocus());
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(codes->windowHandle(), Qt::Key_Down);
        QVERIFY(codes->isVisible());
        // The window marks no default button: Enter in the list does nothing.
        const int row = list->currentRow();
        QTest::keyClick(codes->windowHandle(), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCoreApplication::processEvents();
        QVERIFY(codes->isVisible());
        QVERIFY(list->hasFocus());
        QCOMPARE(list->currentRow(), row);
        // Back on the button, Enter presses it.
        QTest::keyClick(codes->windowHandle(), Qt::Key_Tab);
        QVERIFY(codes->findChild<QPushButton *>(QStringLiteral("Knp_Sluiten"))->hasFocus());
        QTest::keyClick(codes->windowHandle(), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!codes->isVisible(), 2000);
        closed = true;
    }
    QVERIFY(closed);
}

void TestWindows::countryCodeRows()
{
    const QStringList rows = CountryCodes::rows();
    QCOMPARE(rows.size(), 252);
    QCOMPARE(rows.first(), QStringLiteral("AD   Andorra"));
    QCOMPARE(rows.last(), QStringLiteral("NATO Nato field"));
    QCOMPARE(rows.indexOf(QStringLiteral("COM  US Commercial")), rows.indexOf(QStringLiteral("ZW   Zimbabwe")) + 1);
    QCOMPARE(rows.at(242).left(2), QStringLiteral("ZW"));
    for (const QString &row :
         {QStringLiteral("CI   Cote D'Ivoire (Ivory Coast)"), QStringLiteral("GS   S. Georgia and S. Sandwich Isls."),
          QStringLiteral("UK   United Kingdom"), QStringLiteral("ARPA Old style Arpanet"),
          QStringLiteral("ORG  Non-Profit Organization")})
        QVERIFY2(rows.contains(row), qPrintable(row));
    for (const QString &row : rows) {
        const QString code = row.left(5).trimmed();
        QVERIFY2(code.size() >= 2 && code.size() <= 4 && code == code.toUpper(), qPrintable(row));
        QCOMPARE(row.left(5), code.leftJustified(5, u' '));
        QVERIFY2(row.size() > 5 && row.at(5) != u' ', qPrintable(row));
    }
}

void TestWindows::countryCodesWindow()
{
    start(3);
    f->window->move(0, 0);
    for (int opening = 0; opening < 2; ++opening) {
        bool checked = false;
        menuItem(QStringLiteral("mnu_extra"), 0)->trigger();
        {
            const auto openedWindow = open<FrmLandenCodes>();
            FrmLandenCodes *codes = openedWindow.get();
            QCOMPARE(codes->windowTitle(), QStringLiteral("Landencodes"));
            // A title bar with the caption and no icon: not the main window's.
            QVERIFY(!f->window->windowIcon().isNull());
            QVERIFY(codes->windowIcon().isNull());
            QVERIFY(codes->windowHandle()->icon().isNull());
            // Centred on the screen, not on the main window (to within the
            // frame's edge, which is known only once the window shows).
            const QRect screen = codes->screen()->geometry();
            QVERIFY(qAbs(codes->frameGeometry().center().x() - screen.center().x()) <= 4);
            QVERIFY(qAbs(codes->frameGeometry().center().y() - screen.center().y()) <= 4);
            auto *list = codes->findChild<QListWidget *>(QStringLiteral("Lst_LandenCodes"));
            QCOMPARE(list->count(), 252); // not 504 on the second opening
            QVERIFY(list->selectedItems().isEmpty());
            QCOMPARE(list->item(0)->text(), QStringLiteral("AD   Andorra"));
            QVERIFY(QFontInfo(list->font()).fixedPitch());
            QVERIFY(list->font().bold());
            auto *close = codes->findChild<QPushButton *>(QStringLiteral("Knp_Sluiten"));
            QCOMPARE(QApplication::focusWidget(), close);
            QTest::keyClick(codes->windowHandle(), Qt::Key_Escape);
            QVERIFY(codes->isVisible()); // no cancel button: Escape does nothing
            QTest::keyClick(codes->windowHandle(), Qt::Key_Space);
            QTRY_VERIFY(!codes->isVisible());
            checked = true;
        }
        QVERIFY(checked);
    }
}

void TestWindows::shortcutLines()
{
    QCOMPARE(ShortcutKeys::helpText(),
             QStringLiteral(
                 "F1 = Help\r\nF3 = Zoeken && volgende zoeken.\r\nF5 = Vorig begrip in de begrippenlijst.\r\n"
                 "F6 = Volgend begrip in de begrippenlijst.\r\nF7 = Naar eerste begrip in de begrippenlijst.\r\n"
                 "F8 = Naar laatste begrip in de begrippenlijst.\r\nCTRL + F = Nieuwe zoekopdracht opgeven.\r\n"));
    QCOMPARE(ShortcutKeys::shownText(QStringLiteral("F3 = Zoeken && volgende zoeken.")),
             QStringLiteral("F3 = Zoeken & volgende zoeken."));
    QCOMPARE(ShortcutKeys::shownText(QStringLiteral("&Sluiten")), QStringLiteral("Sluiten"));
    QCOMPARE(ShortcutKeys::shownText(QStringLiteral("a &&& b")), QStringLiteral("a & b"));
}

void TestWindows::shortcutWindow()
{
    start(3);
    f->window->move(0, 0);
    for (int opening = 0; opening < 2; ++opening) {
        bool checked = false;
        menuItem(QStringLiteral("mnu_help"), 4)->trigger();
        {
            const auto openedWindow = open<FrmSneltoetsen>();
            FrmSneltoetsen *keys = openedWindow.get();
            QCOMPARE(keys->windowTitle(), QStringLiteral("Sneltoetsen"));
            const QRect screen = keys->screen()->geometry();
            QVERIFY(qAbs(keys->frameGeometry().center().x() - screen.center().x()) <= 4);
            QVERIFY(qAbs(keys->frameGeometry().center().y() - screen.center().y()) <= 4);
            QCOMPARE(keys->helpCaption(), ShortcutKeys::helpText()); // rebuilt, not appended to
            const QString shown = keys->findChild<QLabel *>(QStringLiteral("Lbl_Help"))->text();
            const QStringList lines = shown.split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 7);
            QCOMPARE(lines.at(1), QStringLiteral("F3 = Zoeken & volgende zoeken."));
            QVERIFY(!shown.contains(QStringLiteral("Alt+F4")));
            QTest::keyClick(keys->windowHandle(), Qt::Key_Escape);
            QTest::keyClick(keys->windowHandle(), Qt::Key_F1);
            QVERIFY(keys->isVisible());
            QTest::keyClick(keys->windowHandle(), Qt::Key_Return);
            checked = !keys->isVisible();
        }
        QVERIFY(checked);
    }
    QVERIFY(f->platform.messages.isEmpty());
}

void TestWindows::centerForm_data()
{
    QTest::addColumn<int>("widthLess"); // how much narrower than the screen
    QTest::addColumn<int>("heightLess");
    QTest::newRow("smaller") << 200 << 100;
    QTest::newRow("as large as the screen") << 0 << 0;
    QTest::newRow("wider and taller than the screen") << -300 << -40;
}

// The frame's middle on the screen's middle; a window larger than the screen
// gets negative edges.
void TestWindows::centerForm()
{
    QFETCH(int, widthLess);
    QFETCH(int, heightLess);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget form;
    form.setFixedSize(screen.width() - widthLess, screen.height() - heightLess);
    CenterForm(&form);
    QCOMPARE(form.pos(), screen.topLeft() + QPoint(widthLess / 2, heightLess / 2));
    QCOMPARE(form.size(), QSize(screen.width() - widthLess, screen.height() - heightLess));
}

// The real dialogs show each window modally over the main window, and the
// call returns when it is closed.
void TestWindows::realWindowsAreModalOverTheMainWindow()
{
    start(3);
    ModalDialogs dialogs(f->platform, f->fonts);
    dialogs.setOwner(f->window.get());
    QStringList seen;
    const auto closeWhenOpen = [&seen, this] {
        // Inside the window's own event loop, which shows it first.
        QTimer::singleShot(0, qApp, [&seen, this] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            QCOMPARE(modal->parentWidget(), f->window.get());
            seen.append(modal->objectName());
            modal->close();
        });
    };
    closeWhenOpen();
    dialogs.showAbout({QStringLiteral("Woordorakelaar v1.0"), 4, QStringLiteral("09/12/2026"), 3});
    closeWhenOpen();
    dialogs.showCountryCodes();
    closeWhenOpen();
    dialogs.showShortcutKeys();
    QCOMPARE(seen,
             (QStringList{QStringLiteral("FrmAbout3D"), QStringLiteral("FrmLandenCodes"),
                          QStringLiteral("FrmSneltoetsen")}));
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
