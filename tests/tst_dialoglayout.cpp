#include "tests/support/fakeplatform.h"
#include "ui/search/frmzoek.h"
#include "ui/widgets/designfonts.h"
#include "ui/windows/frmabout3d.h"
#include "ui/windows/frmlandencodes.h"
#include "ui/windows/frmsneltoetsen.h"
#include "ui/windows/outlineshape.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace Woord;

namespace {

// One line of the table of the dialogs' places (tests/layout/dialog-places.txt).
struct Place {
    QString dialog;
    QString control; // empty for the dialog itself; "Holder/Name" inside another control
    QString className;
    QRect pixels;
    QString font; // "-" for none
    QString alignment; // "-" for none
    QString colour; // "-" for the window's own
    QString caption; // quoted text, "~" made on loading, "-" none
};

} // namespace

Q_DECLARE_METATYPE(Place)

namespace {

QList<Place> designedPlaces()
{
    QList<Place> places;
    QFile file(QStringLiteral(WOORD_SOURCE_DIR "/tests/layout/dialog-places.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the table of the dialogs' places");
    QString dialog;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList fields = line.split(u'|');
        for (QString &field : fields)
            field = field.trimmed();
        const QStringList numbers = fields.value(2).split(u' ', Qt::SkipEmptyParts);
        if (fields.size() != 7 || numbers.size() != 4)
            qFatal("a line of the table of the dialogs' places has not seven fields: %s", qPrintable(line));
        Place place;
        if (fields.at(0).startsWith(u'[')) {
            dialog = fields.at(0).mid(1, fields.at(0).size() - 2);
        } else {
            place.control = fields.at(0);
        }
        place.dialog = dialog;
        place.className = fields.at(1);
        place.pixels
            = QRect(numbers.at(0).toInt(), numbers.at(1).toInt(), numbers.at(2).toInt(), numbers.at(3).toInt());
        place.font = fields.at(3);
        place.alignment = fields.at(4);
        place.colour = fields.at(5);
        place.caption = fields.at(6);
        places.append(place);
    }
    return places;
}

// "Tahoma 8.25 bold underline": the family, its size in points and its styles.
struct FontStyle {
    QString family;
    double points = 0;
    bool bold = false;
    bool underline = false;
};

FontStyle fontStyle(const QString &text)
{
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    FontStyle style;
    while (!words.isEmpty() && (words.last() == u"bold" || words.last() == u"underline")) {
        (words.last() == u"bold" ? style.bold : style.underline) = true;
        words.removeLast();
    }
    style.points = words.takeLast().toDouble();
    style.family = words.join(u' ');
    return style;
}

Qt::Alignment alignment(const QString &text)
{
    Qt::Alignment result;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (word == u"left")
            result |= Qt::AlignLeft;
        else if (word == u"hcenter")
            result |= Qt::AlignHCenter;
        else if (word == u"top")
            result |= Qt::AlignTop;
        else
            qFatal("unknown alignment in the table of the dialogs' places: %s", qPrintable(word));
    }
    return result;
}

} // namespace

class TestDialogLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void places_data();
    void places();
    void everyControlIsInTheTable_data();
    void everyControlIsInTheTable();
    void defaultButton_data();
    void defaultButton();

private:
    std::unique_ptr<QDialog> make(const QString &dialog);
    Test::FakePlatform platform;
};

void TestDialogLayout::initTestCase()
{
    DesignFonts::install();
}

std::unique_ptr<QDialog> TestDialogLayout::make(const QString &dialog)
{
    if (dialog == u"FrmZoek")
        return std::make_unique<FrmZoek>([] {});
    if (dialog == u"FrmLandenCodes")
        return std::make_unique<FrmLandenCodes>();
    if (dialog == u"FrmSneltoetsen")
        return std::make_unique<FrmSneltoetsen>();
    if (dialog == u"FrmAbout3D")
        return std::make_unique<FrmAbout3D>(
            platform, AboutValues{QStringLiteral("Woordorakelaar v1.0"), 4, QStringLiteral("09/12/2026"), 1250}, [] {});
    qFatal("no dialog named %s", qPrintable(dialog));
}

void TestDialogLayout::places_data()
{
    QTest::addColumn<Place>("place");
    const QList<Place> places = designedPlaces();
    // Four dialogs and their controls, the About window's shapes included.
    QCOMPARE(places.size(), 24);
    for (const Place &place : places)
        QTest::newRow(qPrintable(place.dialog + u'/' + place.control)) << place;
}

void TestDialogLayout::places()
{
    QFETCH(Place, place);
    const std::unique_ptr<QDialog> dialog = make(place.dialog);
    QWidget *control = dialog.get();
    if (!place.control.isEmpty()) {
        // Each step of the name is a child of the one before.
        for (const QString &name : place.control.split(u'/')) {
            control = control->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
            QVERIFY2(control, qPrintable(name));
        }
    }
    QVERIFY2(control->inherits(qPrintable(place.className)), control->metaObject()->className());

    if (control == dialog.get()) {
        // A dialog of a fixed size: its client area as laid out, neither
        // smaller nor larger, without minimise and maximise buttons.
        QCOMPARE(dialog->size(), place.pixels.size());
        QCOMPARE(dialog->minimumSize(), place.pixels.size());
        QCOMPARE(dialog->maximumSize(), place.pixels.size());
        QVERIFY(!(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    } else if (auto *label = qobject_cast<QLabel *>(control);
               label && !label->wordWrap() && label->width() > place.pixels.width()) {
        // A one-line text wider than its box (the stand-in fonts run wider)
        // grows to both sides: whole, and centred where it was meant to be.
        QCOMPARE(label->width(), label->fontMetrics().horizontalAdvance(label->text()) + 2);
        QVERIFY2(qAbs(label->geometry().center().x() - place.pixels.center().x()) <= 1,
                 qPrintable(QStringLiteral("%1 against %2").arg(label->x()).arg(place.pixels.x())));
        QCOMPARE(label->y(), place.pixels.y());
        QCOMPARE(label->height(), place.pixels.height());
    } else {
        QCOMPARE(control->geometry(), place.pixels);
    }

    if (place.font != u"-") {
        const FontStyle style = fontStyle(place.font);
        // The family, or its look-alike where the system lacks it.
        QCOMPARE(control->font().family(), DesignFonts::family(style.family));
        QCOMPARE(control->font().pointSizeF(), style.points);
        QCOMPARE(control->font().bold(), style.bold);
        QCOMPARE(control->font().underline(), style.underline);
    }

    if (place.alignment != u"-") {
        auto *label = qobject_cast<QLabel *>(control);
        QVERIFY(label);
        QCOMPARE(label->alignment(), alignment(place.alignment));
    }

    if (place.colour != u"-") {
        QColor expected;
        if (place.colour == u"window-text") {
            expected = dialog->palette().color(QPalette::WindowText);
        } else {
            const QStringList rgb = place.colour.split(u' ', Qt::SkipEmptyParts);
            expected = QColor(rgb.at(0).toInt(), rgb.at(1).toInt(), rgb.at(2).toInt());
        }
        if (auto *shape = qobject_cast<OutlineShape *>(control)) {
            QCOMPARE(shape->colour(), expected);
        } else {
            // Also while the dialog is in the background.
            QCOMPARE(control->palette().color(QPalette::Active, QPalette::WindowText), expected);
            QCOMPARE(control->palette().color(QPalette::Inactive, QPalette::WindowText), expected);
        }
    }

    if (place.caption.startsWith(u'"')) {
        const QString caption = place.caption.mid(1, place.caption.size() - 2);
        if (control == dialog.get())
            QCOMPARE(dialog->windowTitle(), caption);
        else if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), caption);
        else if (auto *button = qobject_cast<QPushButton *>(control))
            QCOMPARE(button->text(), caption);
        else if (auto *box = qobject_cast<QLineEdit *>(control))
            QCOMPARE(box->text(), caption);
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            QCOMPARE(frame->title(), caption);
        else
            QFAIL("a caption for a control that shows none");
    }
}

void TestDialogLayout::everyControlIsInTheTable_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("controls");
    QMap<QString, QStringList> byDialog;
    for (const Place &place : designedPlaces())
        if (!place.control.isEmpty())
            byDialog[place.dialog].append(place.control.section(u'/', -1));
    for (auto it = byDialog.cbegin(); it != byDialog.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

// No named control of a dialog is left out of its table, so a control that
// lost its name (and with it its place in the table) is noticed too.
void TestDialogLayout::everyControlIsInTheTable()
{
    QFETCH(QString, dialog);
    QFETCH(QStringList, controls);
    const std::unique_ptr<QDialog> window = make(dialog);
    QStringList named;
    for (const QWidget *child : window->findChildren<QWidget *>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(u"qt_"))
            named.append(child->objectName());
    named.sort();
    controls.sort();
    QCOMPARE(named, controls);
}

void TestDialogLayout::defaultButton_data()
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
void TestDialogLayout::defaultButton()
{
    QFETCH(QString, dialog);
    QFETCH(QString, button);
    const std::unique_ptr<QDialog> window = make(dialog);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (QPushButton *each : window->findChildren<QPushButton *>()) {
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(each);
        QVERIFY(heard);
        QCOMPARE(heard->state().defaultButton, each->objectName() == button);
    }
}

QTEST_MAIN(TestDialogLayout)
#include "tst_dialoglayout.moc"
