// What a screen reader is told about every window, read through the same
// accessible interfaces the desktop's accessibility bridge reads. (Headless,
// the toolkit sends no accessibility events; tests/e2e follows those over the
// real bridge.)

#include "core/links/links.h"
#include "tests/support/mainwindowfixture.h"
#include "ui/platform/qtplatform.h"
#include "ui/search/frmzoek.h"
#include "ui/windows/frmabout3d.h"
#include "ui/windows/frmlandencodes.h"
#include "ui/windows/frmsneltoetsen.h"

#include <QAccessible>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

#include <functional>

using namespace Woord;
using namespace Qt::StringLiterals;
using Woord::Test::MainWindowFixture;

namespace {

QAccessibleInterface *accessibleOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QAccessibleInterface *node)
{
    return node->text(QAccessible::Name);
}

QString descriptionOf(QAccessibleInterface *node)
{
    return node->text(QAccessible::Description);
}

// Every node under `node`; of a list's items only the first five and the last.
void walk(QAccessibleInterface *node, const std::function<void(QAccessibleInterface *)> &visit, int depth = 0)
{
    QVERIFY2(depth < 20, "the accessible tree is deeper than any window");
    visit(node);
    const int count = node->childCount();
    const bool list = node->role() == QAccessible::List;
    for (int i = 0; i < count; ++i) {
        if (list && i >= 5 && i != count - 1)
            continue;
        QAccessibleInterface *child = node->child(i);
        QVERIFY2(child, qPrintable(u"child %1 of '%2' is missing"_s.arg(i).arg(nameOf(node))));
        walk(child, visit, depth + 1);
    }
}

QList<QAccessibleInterface *> childrenOf(QAccessibleInterface *node)
{
    QList<QAccessibleInterface *> children;
    for (int i = 0; i < node->childCount(); ++i)
        children.append(node->child(i));
    return children;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mainWindowControls_data();
    void mainWindowControls();
    void recordLabelsFollowTheTerm_data();
    void recordLabelsFollowTheTerm();
    void textsAreReadAsShown();
    void emptyGlossary();
    void decorationsAreLeftOut();
    void termIsHeardOnce();

    void termListIsAList_data();
    void termListIsAList();
    void listSelectionFollowsNavigation();
    void scrollBarValue();

    void secondaryWindows_data();
    void secondaryWindows();
    void searchTextBoxIsLabelled();
    void noDesignNames_data();
    void noDesignNames();
    void messageBoxHasNoDesignNames();

private:
    void start(int entries, int record);
    QAccessibleInterface *control(const QString &name) const { return accessibleOf(f->control<QWidget>(name)); }
    std::unique_ptr<QWidget> makeWindow(const QString &name);
    void expectNoDesignNames(QWidget *window);

    std::unique_ptr<MainWindowFixture> f;
};

void TestAccessibility::init()
{
    f = std::make_unique<MainWindowFixture>();
}

void TestAccessibility::cleanup()
{
    f.reset();
}

void TestAccessibility::start(int entries, int record)
{
    QVERIFY(f->startShown(entries));
    f->state.CurrRecord = record;
    f->window->ShowRecord();
    f->window->SyncListIndex();
}

void TestAccessibility::mainWindowControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("List_Grid") << u"List_Grid"_s << QAccessible::List << u"Begrippen"_s
                               << u"Volledig alfabetisch overzicht van alle begrippen"_s;
    QTest::newRow("HScroll_Record") << u"HScroll_Record"_s << QAccessible::ScrollBar
                                    << u"Positie in de begrippenlijst"_s << QString();
    QTest::newRow("Knp_EersteRecord") << u"Knp_EersteRecord"_s << QAccessible::Button << u"Eerste begrip"_s
                                      << u"Naar het eerste begrip in de begrippenlijst gaan."_s;
    QTest::newRow("Knp_LaatsteRecord") << u"Knp_LaatsteRecord"_s << QAccessible::Button << u"Laatste begrip"_s
                                       << u"Naar het laatste begrip in de begrippenlijst gaan"_s;
    QTest::newRow("Lbl_Begrip") << u"Lbl_Begrip"_s << QAccessible::StaticText << u"Begrip 0019"_s
                                << u"Een Begrip 0019 waarvan u de verklaring hieronder kan lezen"_s;
    QTest::newRow("Lbl_Beschrijving") << u"Lbl_Beschrijving"_s << QAccessible::StaticText
                                      << u"Beschrijving van begrip 19"_s << u"De verklaring van het Begrip 0019"_s;
    QTest::newRow("Lbl_CurrRecord") << u"Lbl_CurrRecord"_s << QAccessible::StaticText << u"19 van 30"_s
                                    << u"Doorloop de begrippenlijst d.m.v. scrollen. Klik op de pijltjes"_s;
    QTest::newRow("Lbl_Tip") << u"Lbl_Tip"_s << QAccessible::StaticText << u"F3 om te zoeken"_s
                             << u"Druk op F3 om te zoeken naar een woord in de lijst"_s;
    QTest::newRow("Lbl_StatusHelp") << u"Lbl_StatusHelp"_s << QAccessible::StaticText << u"Woordorakelaar v1.0"_s
                                    << QString();
    QTest::newRow("FrmHoofd") << u"FrmHoofd"_s << QAccessible::Window << u"Woordorakelaar v1.0"_s << QString();
}

void TestAccessibility::mainWindowControls()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, description);

    start(30, 19);
    QAccessibleInterface *node = control == u"FrmHoofd"_s ? accessibleOf(f->window.get()) : this->control(control);
    QVERIFY(node && node->isValid());
    QCOMPARE(node->role(), role);
    QCOMPARE(nameOf(node), name);
    QCOMPARE(descriptionOf(node), description);
    QVERIFY(!node->state().invisible);
}

void TestAccessibility::recordLabelsFollowTheTerm_data()
{
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("expected");

    QTest::newRow("F6") << u"F6"_s << 20;
    QTest::newRow("F8") << u"F8"_s << 30;
    QTest::newRow("> button") << u"Knp_LaatsteRecord"_s << 30;
    QTest::newRow("list row") << u"List_Grid"_s << 4;
    QTest::newRow("scroll bar") << u"HScroll_Record"_s << 25;
}

void TestAccessibility::recordLabelsFollowTheTerm()
{
    QFETCH(QString, move);
    QFETCH(int, expected);

    start(30, 19);
    if (move == u"F6"_s)
        QTest::keyClick(f->window->windowHandle(), Qt::Key_F6);
    else if (move == u"F8"_s)
        QTest::keyClick(f->window->windowHandle(), Qt::Key_F8);
    else if (move == u"Knp_LaatsteRecord"_s)
        QTest::mouseClick(f->control<QPushButton>(move), Qt::LeftButton);
    else if (move == u"List_Grid"_s) {
        auto *list = f->control<QListView>(move);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(3, 0)).center());
    } else
        f->control<QScrollBar>(move)->setValue(expected);

    QCOMPARE(f->state.CurrRecord, expected);
    const QString term = u"Begrip %1"_s.arg(expected, 4, 10, QLatin1Char('0'));
    QCOMPARE(nameOf(control(u"Lbl_Begrip"_s)), term);
    QCOMPARE(descriptionOf(control(u"Lbl_Begrip"_s)),
             u"Een %1 waarvan u de verklaring hieronder kan lezen"_s.arg(term));
    QCOMPARE(nameOf(control(u"Lbl_Beschrijving"_s)), u"Beschrijving van begrip %1"_s.arg(expected));
    QCOMPARE(descriptionOf(control(u"Lbl_Beschrijving"_s)), u"De verklaring van het %1"_s.arg(term));
    QCOMPARE(nameOf(control(u"Lbl_CurrRecord"_s)), u"%1 van 30"_s.arg(expected));
}

void TestAccessibility::textsAreReadAsShown()
{
    // Labels show their texts as plain text: "&" and markup are read as
    // they stand, not taken for an access key or for formatting.
    f->writeGlossary(Test::wod({{u"Copy & paste"_s, u"Ctrl+C & Ctrl+V, <b>niet</b> vet"_s}}));
    QCOMPARE(f->start(), FrmHoofd::LoadOutcome::Show);
    f->window->show();
    QCOMPARE(nameOf(control(u"Lbl_Begrip"_s)), u"Copy & paste"_s);
    QCOMPARE(descriptionOf(control(u"Lbl_Begrip"_s)),
             u"Een Copy & paste waarvan u de verklaring hieronder kan lezen"_s);
    QCOMPARE(nameOf(control(u"Lbl_Beschrijving"_s)), u"Ctrl+C & Ctrl+V, <b>niet</b> vet"_s);
    QCOMPARE(nameOf(control(u"List_Grid"_s)->child(0)), u"Copy & paste"_s);
}

void TestAccessibility::emptyGlossary()
{
    f->writeGlossary(Test::wod({}));
    QCOMPARE(f->start(), FrmHoofd::LoadOutcome::Show);
    f->window->show();
    for (const QString &label : {u"Lbl_Begrip"_s, u"Lbl_Beschrijving"_s}) {
        QCOMPARE(nameOf(control(label)), QString());
        // No term, so no "<Begrip>" read out either.
        QCOMPARE(descriptionOf(control(label)), QString());
    }
    QCOMPARE(control(u"List_Grid"_s)->childCount(), 0);
    QCOMPARE(nameOf(control(u"Lbl_CurrRecord"_s)), f->control<QLabel>(u"Lbl_CurrRecord"_s)->text());
    expectNoDesignNames(f->window.get());
}

void TestAccessibility::decorationsAreLeftOut()
{
    start(30, 19);
    QAccessibleInterface *surface = accessibleOf(f->window->centralWidget());
    QCOMPARE(surface->role(), QAccessible::Client);
    const QList<QAccessibleInterface *> children = childrenOf(surface);

    QStringList shown;
    for (int i = 0; i < children.size(); ++i) {
        QAccessibleInterface *child = children.at(i);
        QVERIFY(child && child->object());
        QCOMPARE(surface->indexOfChild(child), i);
        QCOMPARE(child->parent(), surface);
        shown.append(child->object()->objectName());
    }
    // Past either end of the shown children there is none.
    QCOMPARE(surface->child(static_cast<int>(children.size())), nullptr);
    QCOMPARE(surface->child(-1), nullptr);
    shown.sort();
    QCOMPARE(shown,
             QStringList({u"Frame1"_s, u"Lbl_Begrip"_s, u"Lbl_Beschrijving"_s, u"Lbl_CurrRecord"_s, u"Lbl_StatusHelp"_s,
                          u"Lbl_Tip"_s, u"List_Grid"_s}));

    // Asked for directly (as an event names them), they are invisible and silent.
    QStringList decorations{u"Label2"_s, u"Label3"_s, u"Lbl_Beschrijving_Achtergrond"_s, u"Img_Tip"_s};
    for (int line = 1; line <= 10; ++line)
        decorations.append(u"Line%1"_s.arg(line));
    QList<QWidget *> widgets;
    for (const QString &name : decorations)
        widgets.append(f->control<QWidget>(name));
    widgets.append(f->window->centralWidget()->findChildren<QWidget *>(u"Shp_Tip"_s));
    QCOMPARE(widgets.size(), 16);
    for (QWidget *widget : widgets) {
        QAccessibleInterface *node = accessibleOf(widget);
        QVERIFY2(node->state().invisible, qPrintable(widget->objectName()));
        QVERIFY2(!node->state().focusable, qPrintable(widget->objectName()));
        QCOMPARE(nameOf(node), QString());
        QCOMPARE(descriptionOf(node), QString());
        QCOMPARE(surface->indexOfChild(node), -1);
    }
    // The shown companions still carry the term; only the bridge's view changed.
    QVERIFY(f->control<QLabel>(u"Label2"_s)->isVisible());
    QCOMPARE(f->control<QLabel>(u"Label2"_s)->text(), u"Begrip 0019"_s);

    // What lies under a point is what is heard there: over the term, the term.
    const QPoint overTerm = f->control<QWidget>(u"Lbl_Begrip"_s)->mapToGlobal(QPoint(5, 5));
    QAccessibleInterface *hit = surface->childAt(overTerm.x(), overTerm.y());
    QVERIFY(hit);
    QCOMPARE(hit->object(), f->control<QWidget>(u"Lbl_Begrip"_s));

    // The About window's shapes likewise.
    auto about = makeWindow(u"FrmAbout3D"_s);
    QAccessibleInterface *dialog = accessibleOf(about.get());
    QCOMPARE(dialog->role(), QAccessible::Dialog);
    QCOMPARE(nameOf(dialog), u"Woordorakelaar v1.0"_s);
    for (QAccessibleInterface *child : childrenOf(dialog)) {
        QVERIFY(!child->object()->objectName().startsWith(u"Shape"_s));
        QCOMPARE(dialog->indexOfChild(child), childrenOf(dialog).indexOf(child));
    }
    QCOMPARE(dialog->childCount(), 7);
    QVERIFY(accessibleOf(about->findChild<QWidget *>(u"Shape1"_s))->state().invisible);
}

void TestAccessibility::termIsHeardOnce()
{
    start(30, 19);
    // Outside the list (which names every term), one node says the term.
    int heard = 0;
    walk(accessibleOf(f->window.get()), [&heard](QAccessibleInterface *node) {
        if (node->role() != QAccessible::ListItem && nameOf(node) == u"Begrip 0019"_s)
            ++heard;
    });
    QCOMPARE(heard, 1);
}

void TestAccessibility::termListIsAList_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("record");

    QTest::newRow("30 terms") << 30 << 19;
    QTest::newRow("one term") << 1 << 1;
    QTest::newRow("32767 terms, the last shown") << 32767 << 32767;
}

void TestAccessibility::termListIsAList()
{
    QFETCH(int, entries);
    QFETCH(int, record);

    start(entries, record);
    QAccessibleInterface *list = control(u"List_Grid"_s);
    QCOMPARE(list->role(), QAccessible::List);
    // One item per term: no header row or column, no cells besides.
    QCOMPARE(list->childCount(), entries);
    QVERIFY(list->tableInterface());
    QCOMPARE(list->tableInterface()->rowCount(), entries);
    QCOMPARE(list->tableInterface()->columnCount(), 1);
    QCOMPARE(list->tableInterface()->selectedCellCount(), 1);

    for (int row : {0, record - 2, record - 1, record, entries - 1}) {
        if (row < 0 || row >= entries)
            continue;
        QAccessibleInterface *item = list->child(row);
        QVERIFY(item);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(nameOf(item), u"Begrip %1"_s.arg(row + 1, 4, 10, QLatin1Char('0')));
        QCOMPARE(item->state().selected, row == record - 1);
        QCOMPARE(list->indexOfChild(item), row);
    }
    const QList<QAccessibleInterface *> selected = list->tableInterface()->selectedCells();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(nameOf(selected.first()), u"Begrip %1"_s.arg(record, 4, 10, QLatin1Char('0')));
}

void TestAccessibility::listSelectionFollowsNavigation()
{
    start(30, 19);
    QAccessibleInterface *list = control(u"List_Grid"_s);
    const auto selectedName = [list] {
        const QList<QAccessibleInterface *> cells = list->tableInterface()->selectedCells();
        return cells.size() == 1 ? nameOf(cells.first()) : u"%1 selected"_s.arg(cells.size());
    };
    QCOMPARE(selectedName(), u"Begrip 0019"_s);
    QTest::keyClick(f->window->windowHandle(), Qt::Key_F5);
    QCOMPARE(selectedName(), u"Begrip 0018"_s);
    QVERIFY(!list->child(18)->state().selected);
    QVERIFY(list->child(17)->state().selected);
    QTest::keyClick(f->window->windowHandle(), Qt::Key_F7);
    QCOMPARE(selectedName(), u"Begrip 0001"_s);
    f->control<QWidget>(u"List_Grid"_s)->setFocus();
    QTest::keyClick(f->control<QWidget>(u"List_Grid"_s), Qt::Key_End);
    QCOMPARE(selectedName(), u"Begrip 0030"_s);
    QTest::mouseClick(f->control<QPushButton>(u"Knp_EersteRecord"_s), Qt::LeftButton);
    QCOMPARE(selectedName(), u"Begrip 0001"_s);
}

void TestAccessibility::scrollBarValue()
{
    start(1250, 500);
    QAccessibleInterface *scroll = control(u"HScroll_Record"_s);
    QAccessibleValueInterface *value = scroll->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toInt(), 500);
    QCOMPARE(value->minimumValue().toInt(), 1);
    QCOMPARE(value->maximumValue().toInt(), 1250);

    QTest::keyClick(f->window->windowHandle(), Qt::Key_F8);
    QCOMPARE(value->currentValue().toInt(), 1250);
    f->window->FirstRecord();
    QCOMPARE(value->currentValue().toInt(), 1);

    // Set through the interface, as an assistive tool may, the display follows.
    value->setCurrentValue(42);
    QCOMPARE(f->state.CurrRecord, 42);
    QCOMPARE(nameOf(control(u"Lbl_Begrip"_s)), u"Begrip 0042"_s);
}

std::unique_ptr<QWidget> TestAccessibility::makeWindow(const QString &name)
{
    std::unique_ptr<QWidget> window;
    if (name == u"FrmZoek"_s)
        window = std::make_unique<FrmZoek>(f->fonts, std::function<void()>{});
    else if (name == u"FrmAbout3D"_s)
        window = std::make_unique<FrmAbout3D>(f->platform, f->fonts,
                                              AboutValues{f->state.ProgrammaTitel, f->platform.facts.revision,
                                                          f->state.glossary.DatabaseDatum(),
                                                          f->state.glossary.AantalBegrippen()},
                                              std::function<void()>{});
    else if (name == u"FrmLandenCodes"_s)
        window = std::make_unique<FrmLandenCodes>(f->fonts);
    else if (name == u"FrmSneltoetsen"_s)
        window = std::make_unique<FrmSneltoetsen>(f->fonts);
    if (window) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("%s was not shown", qPrintable(name));
    }
    return window;
}

void TestAccessibility::secondaryWindows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");

    const QString find = u"Typ in het tekstvak naar wat u wilt zoeken:"_s;
    QTest::newRow("search window") << u"FrmZoek"_s << QString() << QAccessible::Dialog
                                   << u"Zoeken - Typ tekst en druk op Enter"_s;
    QTest::newRow("search label") << u"FrmZoek"_s << u"Lbl_1"_s << QAccessible::StaticText << find;
    QTest::newRow("search text box") << u"FrmZoek"_s << u"txtFindWhat"_s << QAccessible::EditableText << find;
    QTest::newRow("find first") << u"FrmZoek"_s << u"cmdFindFirst"_s << QAccessible::Button << u"Zoek eerste"_s;
    QTest::newRow("find next") << u"FrmZoek"_s << u"cmdFindNext"_s << QAccessible::Button << u"Zoek volgende"_s;
    QTest::newRow("cancel") << u"FrmZoek"_s << u"cmdCancel"_s << QAccessible::Button << u"Annuleren"_s;
    QTest::newRow("about button") << u"FrmAbout3D"_s << u"Knp_About"_s << QAccessible::Button << u"O.K."_s;
    QTest::newRow("site link") << u"FrmAbout3D"_s << u"Lbl_URL"_s << QAccessible::StaticText << u"Website"_s;
    QTest::newRow("mail link") << u"FrmAbout3D"_s << u"Lbl_Email"_s << QAccessible::StaticText << u"E-mail"_s;
    QTest::newRow("glossary count") << u"FrmAbout3D"_s << u"Lbl_AantalBegrippenInDatabase"_s << QAccessible::StaticText
                                    << u"30 begrippen in de lijst"_s;
    QTest::newRow("country codes window")
        << u"FrmLandenCodes"_s << QString() << QAccessible::Dialog << u"Landencodes"_s;
    QTest::newRow("country codes list") << u"FrmLandenCodes"_s << u"Lst_LandenCodes"_s << QAccessible::List
                                        << u"Landencodes"_s;
    QTest::newRow("country codes close") << u"FrmLandenCodes"_s << u"Knp_Sluiten"_s << QAccessible::Button
                                         << u"Sluiten"_s;
    QTest::newRow("shortcut keys window")
        << u"FrmSneltoetsen"_s << QString() << QAccessible::Dialog << u"Sneltoetsen"_s;
    QTest::newRow("shortcut keys intro") << u"FrmSneltoetsen"_s << u"Label1"_s << QAccessible::StaticText
                                         << u"Gebruik volgende toetscombinaties om vlugger te werken:"_s;
    QTest::newRow("shortcut keys close") << u"FrmSneltoetsen"_s << u"Knp_FrmHelp_Sluiten"_s << QAccessible::Button
                                         << u"Sluiten"_s;
}

void TestAccessibility::secondaryWindows()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);

    start(30, 1);
    auto shown = makeWindow(window);
    QWidget *widget = control.isEmpty() ? shown.get() : shown->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *node = accessibleOf(widget);
    QCOMPARE(node->role(), role);
    QCOMPARE(nameOf(node), name);
    QVERIFY(!node->state().invisible);
}

void TestAccessibility::searchTextBoxIsLabelled()
{
    auto dialog = makeWindow(u"FrmZoek"_s);
    QAccessibleInterface *box = accessibleOf(dialog->findChild<QWidget *>(u"txtFindWhat"_s));
    const auto labels = box->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->object(), dialog->findChild<QLabel *>(u"Lbl_1"_s));
    // The country codes have one list and its items are the rows as shown.
    auto codes = makeWindow(u"FrmLandenCodes"_s);
    QAccessibleInterface *list = accessibleOf(codes->findChild<QWidget *>(u"Lst_LandenCodes"_s));
    QCOMPARE(list->childCount(), 252);
    QCOMPARE(nameOf(list->child(0)), u"AD   Andorra"_s);
    QCOMPARE(nameOf(list->child(251)), u"NATO Nato field"_s);
}

void TestAccessibility::noDesignNames_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"FrmHoofd", "FrmZoek", "FrmAbout3D", "FrmLandenCodes", "FrmSneltoetsen"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestAccessibility::noDesignNames()
{
    QFETCH(QString, window);
    start(30, 19);
    if (window == u"FrmHoofd"_s) {
        expectNoDesignNames(f->window.get());
        return;
    }
    auto shown = makeWindow(window);
    expectNoDesignNames(shown.get());
}

void TestAccessibility::messageBoxHasNoDesignNames()
{
    start(30, 19);
    QtPlatform platform;
    bool seen = false;
    // Inside the message box's own event loop, which shows it first.
    QTimer::singleShot(0, qApp, [this, &seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(accessibleOf(box)->role(), QAccessible::AlertMessage);
        expectNoDesignNames(box);
        seen = true;
        box->accept();
    });
    platform.showMessage(Links::glossaryInformation(f->state.glossary.DatabaseDatum(), 30));
    QVERIFY(seen);
}

// No node of the window's accessible tree, menus included, is named or
// described by a design name: neither by any object name in the window nor by
// anything shaped like one.
void TestAccessibility::expectNoDesignNames(QWidget *window)
{
    static const QRegularExpression shapedLikeOne(
        uR"(\b(?:(?:Lbl|Knp|List|Lst|HScroll|Img|Shp|mnu)_\w*|(?:txt|cmd|Frm)[A-Z]\w*|(?:Label|Line|Frame|Shape)\d+)\b)"_s);
    QList<QObject *> objects = window->findChildren<QObject *>();
    objects.append(window);
    QStringList objectNames;
    for (const QObject *object : std::as_const(objects))
        if (!object->objectName().isEmpty())
            objectNames.append(object->objectName());
    QVERIFY(objectNames.size() > 2);

    int nodes = 0;
    walk(accessibleOf(window), [&](QAccessibleInterface *node) {
        ++nodes;
        QVERIFY(node->isValid());
        for (const QString &text : {nameOf(node), descriptionOf(node)}) {
            const QRegularExpressionMatch match = shapedLikeOne.match(text);
            QVERIFY2(!match.hasMatch(), qPrintable(u"'%1' is read out"_s.arg(text)));
            for (const QString &objectName : std::as_const(objectNames))
                QVERIFY2(!text.contains(objectName), qPrintable(u"'%1' is read out"_s.arg(text)));
        }
    });
    QVERIFY(nodes >= 4);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
