// Every window against its layout table, the one the window is built from:
// each row's place, font, text alignment, colours and caption are applied,
// also under a theme whose system colours differ from the ones the windows
// set, and no named control of a dialog is left out of its table.

#include "tests/support/fakeplatform.h"
#include "tests/support/mainwindowfixture.h"
#include "ui/search/frmzoek.h"
#include "ui/widgets/designfonts.h"
#include "ui/widgets/designlayout.h"
#include "ui/windows/frmabout3d.h"
#include "ui/windows/frmlandencodes.h"
#include "ui/windows/frmsneltoetsen.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <memory>

using namespace Woord;
using namespace Woord::DesignLayout;

namespace {

const Window *const windows[] = {&mainWindow, &frmZoek, &frmLandenCodes, &frmSneltoetsen, &frmAbout3D};

const Window *windowNamed(const QString &name)
{
    for (const Window *window : windows) {
        if (name == QStringView(window->name))
            return window;
    }
    return nullptr;
}

// A theme whose system colours differ from every colour the windows set.
QPalette otherTheme()
{
    QPalette theme = QApplication::palette();
    theme.setColor(QPalette::WindowText, QColor(40, 50, 60));
    theme.setColor(QPalette::Text, QColor(70, 80, 90));
    theme.setColor(QPalette::Window, QColor(230, 220, 210));
    theme.setColor(QPalette::Base, QColor(250, 245, 235));
    theme.setColor(QPalette::ButtonText, QColor(10, 20, 30));
    return theme;
}

QString captionOf(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    return QStringLiteral("<no caption>");
}

} // namespace

class TestDesignLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowItself_data();
    void windowItself();
    void rows_data();
    void rows();
    void everyControlIsInTheTable_data();
    void everyControlIsInTheTable();
    void defaultButton_data();
    void defaultButton();

private:
    QWidget *make(const QString &window);

    QPalette m_before;
    std::unique_ptr<Test::MainWindowFixture> f;
    std::unique_ptr<QWidget> m_dialog;
};

void TestDesignLayout::init()
{
    m_before = QApplication::palette();
    QApplication::setPalette(otherTheme());
    f = std::make_unique<Test::MainWindowFixture>();
}

void TestDesignLayout::cleanup()
{
    m_dialog.reset();
    f.reset();
    QApplication::setPalette(m_before);
}

// The window named, as the program makes it, in the other theme.
QWidget *TestDesignLayout::make(const QString &window)
{
    const auto help = [] {};
    if (window == u"FrmHoofd") {
        f->make();
        return f->window.get();
    }
    if (window == u"FrmZoek")
        m_dialog = std::make_unique<FrmZoek>(f->fonts, help);
    else if (window == u"FrmLandenCodes")
        m_dialog = std::make_unique<FrmLandenCodes>(f->fonts);
    else if (window == u"FrmSneltoetsen")
        m_dialog = std::make_unique<FrmSneltoetsen>(f->fonts);
    else if (window == u"FrmAbout3D")
        m_dialog = std::make_unique<FrmAbout3D>(
            f->platform, f->fonts,
            AboutValues{QStringLiteral("Woordorakelaar v1.0"), 4, QStringLiteral("09/12/2026"), 1250}, help);
    return m_dialog.get();
}

void TestDesignLayout::windowItself_data()
{
    QTest::addColumn<QString>("window");
    for (const Window *window : windows)
        QTest::newRow(qPrintable(QString::fromUtf16(window->name))) << QString::fromUtf16(window->name);
}

// Its client area of a fixed size, its font and its title before it loads.
void TestDesignLayout::windowItself()
{
    QFETCH(QString, window);
    const Window &layout = *windowNamed(window);
    QWidget *widget = make(window);
    QVERIFY(widget);
    QCOMPARE(widget->objectName(), window);
    QWidget *client = widget == f->window.get() ? f->window->centralWidget() : widget;
    QCOMPARE(client->size(), layout.pixels());
    QCOMPARE(client->minimumSize(), layout.pixels());
    QCOMPARE(client->maximumSize(), layout.pixels());
    QCOMPARE(widget->font().family(), f->fonts.family(QString::fromUtf16(layout.font.family)));
    QCOMPARE(widget->font().pointSizeF(), layout.font.points);
    if (layout.title)
        QCOMPARE(widget->windowTitle(), QString::fromUtf16(layout.title));
    if (widget != f->window.get())
        QVERIFY(!(widget->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void TestDesignLayout::rows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("row");
    for (const Window *window : windows) {
        for (int row = 0; row < int(window->controls.size()); ++row) {
            const Control &control = window->controls[row];
            QTest::addRow("%s/%s%s", qPrintable(QString::fromUtf16(window->name)),
                          qPrintable(QString::fromUtf16(control.name)),
                          control.index >= 0 ? qPrintable(QStringLiteral("(%1)").arg(control.index)) : "")
                << QString::fromUtf16(window->name) << row;
        }
    }
}

void TestDesignLayout::rows()
{
    QFETCH(QString, window);
    QFETCH(int, row);
    const Control &control = windowNamed(window)->controls[row];
    QWidget *root = make(window);
    QWidget *widget = widgetFor(root, control);
    QVERIFY2(widget, qPrintable(QString::fromUtf16(control.name)));

    // Its place; a one-line text wider than its box (the stand-in fonts run
    // wider) grows to both sides: whole, and centred where it was meant to be.
    const QRect place = control.pixels();
    auto *label = qobject_cast<QLabel *>(widget);
    if (label && !label->wordWrap() && label->width() > place.width()) {
        QCOMPARE(label->width(), label->fontMetrics().horizontalAdvance(label->text()) + 2);
        QVERIFY(qAbs(label->geometry().center().x() - place.center().x()) <= 1);
        QCOMPARE(label->y(), place.y());
        QCOMPARE(label->height(), place.height());
    } else {
        QCOMPARE(widget->geometry(), place);
    }

    // Its font: the family (or its look-alike where the system lacks it), or
    // the window's own. The look-alike is really there.
    if (control.font.family) {
        QCOMPARE(widget->font().family(), f->fonts.family(QString::fromUtf16(control.font.family)));
        QCOMPARE(widget->font().pointSizeF(), control.font.points);
        QCOMPARE(widget->font().bold(), control.font.bold);
        QCOMPARE(widget->font().underline(), control.font.underline);
        QVERIFY(QFontInfo(widget->font()).pointSizeF() > 0);
    } else {
        QCOMPARE(widget->font(), root->font());
    }

    if (control.align != Align::Own) {
        QVERIFY(label);
        QCOMPARE(label->alignment(),
                 control.align == Align::LeftTop ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignHCenter | Qt::AlignTop);
    }

    // Its colours, the same while the window is in the background.
    const auto expected = [root](const Colour &colour) {
        return colour.kind == Colour::Kind::WindowText ? root->palette().color(QPalette::WindowText)
                                                       : QColor(colour.red, colour.green, colour.blue);
    };
    const bool view = qobject_cast<QAbstractItemView *>(widget) != nullptr;
    if (control.text.kind != Colour::Kind::Own) {
        if (widget->metaObject()->indexOfProperty("colour") >= 0) {
            QCOMPARE(widget->property("colour").value<QColor>(), expected(control.text));
        } else {
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                QCOMPARE(widget->palette().color(group, view ? QPalette::Text : QPalette::WindowText),
                         expected(control.text));
        }
    }
    if (control.background.kind != Colour::Kind::Own) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            QCOMPARE(widget->palette().color(group, view ? QPalette::Base : QPalette::Window),
                     expected(control.background));
        if (!view)
            QVERIFY(widget->autoFillBackground());
    }

    if (control.caption)
        QCOMPARE(captionOf(widget), QString::fromUtf16(control.caption));
}

void TestDesignLayout::everyControlIsInTheTable_data()
{
    QTest::addColumn<QString>("window");
    for (const Window *window : {&frmZoek, &frmLandenCodes, &frmSneltoetsen, &frmAbout3D})
        QTest::newRow(qPrintable(QString::fromUtf16(window->name))) << QString::fromUtf16(window->name);
}

// No named control of a dialog is left out of its table, so a control that
// lost its name (and with it its row) is noticed too.
void TestDesignLayout::everyControlIsInTheTable()
{
    QFETCH(QString, window);
    QWidget *dialog = make(window);
    for (const QWidget *child : dialog->findChildren<QWidget *>()) {
        if (child->objectName().isEmpty() || child->objectName().startsWith(u"qt_"))
            continue;
        QVERIFY2(find(*windowNamed(window), child->objectName(), -1), qPrintable(child->objectName()));
    }
}

void TestDesignLayout::defaultButton_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("button");
    QTest::newRow("FrmZoek") << "FrmZoek"
                             << "cmdFindFirst";
    QTest::newRow("FrmLandenCodes") << "FrmLandenCodes"
                                    << "Knp_Sluiten";
    QTest::newRow("FrmSneltoetsen") << "FrmSneltoetsen"
                                    << "Knp_FrmHelp_Sluiten";
    QTest::newRow("FrmAbout3D") << "FrmAbout3D"
                                << "Knp_About";
}

// Once shown, the button Enter presses is drawn as the default and a screen
// reader hears it as the default; no other button of the dialog is.
void TestDesignLayout::defaultButton()
{
    QFETCH(QString, dialog);
    QFETCH(QString, button);
    QWidget *window = make(dialog);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    for (QPushButton *each : window->findChildren<QPushButton *>()) {
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(each);
        QVERIFY(heard);
        QCOMPARE(heard->state().defaultButton, each->objectName() == button);
    }
}

QTEST_MAIN(TestDesignLayout)
#include "tst_designlayout.moc"
