// The main window's controls, made from back to front and laid out by its
// table (DesignLayout::mainWindow), its etched rules, its menus, and the
// watching of keys and mouse that the behaviour (frmhoofd.cpp) reacts to.

#include "ui/mainwindow/frmhoofd.h"

#include "core/mainwindow/statushelp.h"
#include "ui/mainwindow/termlistview.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/designlayout.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace Woord {

namespace {

QLabel *makeLabel(QWidget *parent, const QString &name, int index = -1)
{
    QLabel *label = Controls::named(new QLabel(parent), name, index);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A filled area with no outline: the tip box, its shadow and the etched lines.
QWidget *makeFill(QWidget *parent, const QString &name, int index = -1)
{
    auto *fill = Controls::named(new QWidget(parent), name, index);
    Accessibility::markDecoration(fill);
    return fill;
}

// What a screen reader says for a control: a short name where the control
// shows no text of its own, and its status line text as description.
void describe(QWidget *control, const QString &accessibleName = {})
{
    if (!accessibleName.isEmpty())
        control->setAccessibleName(accessibleName);
    control->setAccessibleDescription(StatusHelp::textFor(control->objectName()));
}

} // namespace

FrmHoofd::FrmHoofd(Platform &platform, AppState &state, const DesignFonts &fonts, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_model(state.glossary)
{
    QIcon icon(u":/woordorakelaar.ico"_s);
    icon.addFile(u":/woordorakelaar-64.png"_s); // for high-DPI title bars
    setWindowIcon(icon);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    createControls(fonts);
    createMenus();
    setTabOrder();
    watchMouse();
    watchKeys();
    // The window keeps the size it was laid out for: its client area below
    // the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Settled now, before start-up places the window: a window that is
    // resized while it is first shown is placed by its inner area instead of
    // its frame.
    ensurePolished();
    layout()->activate();
}

void FrmHoofd::createControls(const DesignFonts &fonts)
{
    auto *surface = m_surface = new QWidget(this);
    Accessibility::leaveOutDecorations(surface);
    surface->setObjectName(u"FrmHoofd_Oppervlak"_s);
    setCentralWidget(surface);

    // Created from back to front: a later control lies over an earlier one.
    createLines(surface);
    makeFill(surface, u"Shp_Tip"_s, 1);
    makeFill(surface, u"Shp_Tip"_s, 0);
    auto *background = makeLabel(surface, u"Lbl_Beschrijving_Achtergrond"_s);
    Accessibility::markDecoration(background);
    background->setFrameStyle(QFrame::Box | QFrame::Plain);
    background->setLineWidth(1);
    Lbl_CurrRecord = makeLabel(surface, u"Lbl_CurrRecord"_s);
    Lbl_CurrRecord->setToolTip(u" Huidig begrip in uw database "_s);
    Lbl_StatusHelp = makeLabel(surface, u"Lbl_StatusHelp"_s);
    Lbl_Beschrijving = makeLabel(surface, u"Lbl_Beschrijving"_s);
    Lbl_Begrip = makeLabel(surface, u"Lbl_Begrip"_s);
    // The term's shadow and highlight repeat its text: a screen reader
    // hears the term once.
    Label2 = makeLabel(surface, u"Label2"_s);
    Accessibility::markDecoration(Label2);
    Label3 = makeLabel(surface, u"Label3"_s);
    Accessibility::markDecoration(Label3);

    // The picture beside the tip says nothing the tip's text does not say.
    auto *tipImage = Controls::named(new QLabel(surface), u"Img_Tip"_s);
    Accessibility::markDecoration(tipImage);
    tipImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *tip = makeLabel(surface, u"Lbl_Tip"_s, 0);

    List_Grid = Controls::named(new TermListView(surface), u"List_Grid"_s);
    List_Grid->setModel(&m_model);

    auto *frame = Controls::named(new QGroupBox(surface), u"Frame1"_s);
    Knp_EersteRecord = Controls::named(new QPushButton(frame), u"Knp_EersteRecord"_s);
    HScroll_Record = Controls::named(new QScrollBar(Qt::Horizontal, frame), u"HScroll_Record"_s);
    Knp_LaatsteRecord = Controls::named(new QPushButton(frame), u"Knp_LaatsteRecord"_s);

    DesignLayout::apply(this, DesignLayout::mainWindow, fonts);

    // The description's box is the colour of a text field's background.
    background->setAutoFillBackground(true);
    Controls::setColour(background, QPalette::Window, palette().color(QPalette::Base));
    Label2->hide();
    Label3->hide();
    // The picture of 19 x 18 pixels, from its larger version on a high-DPI screen.
    QIcon tipPicture(u":/tip.gif"_s);
    tipPicture.addFile(u":/tip@2x.gif"_s);
    tipImage->setPixmap(tipPicture.pixmap(QSize(19, 18), tipImage->devicePixelRatioF()));
    for (QPushButton *button : {Knp_EersteRecord, Knp_LaatsteRecord})
        button->setAutoDefault(false);
    HScroll_Record->setRange(1, 1);
    HScroll_Record->setPageStep(10);
    HScroll_Record->setFocusPolicy(Qt::StrongFocus);
    // The display follows the thumb only when it is released.
    HScroll_Record->setTracking(false);
    HScroll_Record->setAccessibleName(u"Positie in de begrippenlijst"_s);
    describe(Lbl_CurrRecord);
    describe(tip);
    describe(List_Grid, u"Begrippen"_s);
    describe(Knp_EersteRecord, u"Eerste begrip"_s);
    describe(Knp_LaatsteRecord, u"Laatste begrip"_s);

    connect(List_Grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &FrmHoofd::List_Grid_Click);
    connect(HScroll_Record, &QScrollBar::valueChanged, this, &FrmHoofd::HScroll_Record_Change);
    connect(Knp_EersteRecord, &QPushButton::clicked, this, &FrmHoofd::FirstRecord);
    connect(Knp_LaatsteRecord, &QPushButton::clicked, this, &FrmHoofd::LastRecord);
}

// Ten one-pixel rules, a dark line with a white one beside it: a sunken frame
// around the term and a rule above the status line.
void FrmHoofd::createLines(QWidget *surface)
{
    for (const DesignLayout::Line &line : DesignLayout::mainWindowLines) {
        QWidget *fill = makeFill(surface, QString::fromUtf16(line.name));
        fill->setGeometry(line.pixels());
        fill->setAutoFillBackground(true);
        Controls::setColour(fill, QPalette::Window,
                            line.white ? QColor(255, 255, 255) : palette().color(QPalette::WindowText));
    }
}

void FrmHoofd::setTabOrder()
{
    // Labels, pictures, fills and the frame take no focus of their own.
    QWidget::setTabOrder(List_Grid, Knp_LaatsteRecord);
    QWidget::setTabOrder(Knp_LaatsteRecord, Knp_EersteRecord);
    QWidget::setTabOrder(Knp_EersteRecord, HScroll_Record);
    QWidget::setTabOrder(HScroll_Record, List_Grid);
    List_Grid->setFocus();
}

// One action a row of the menu table, named as the menu's control array
// with its index, and connected to its command.
void FrmHoofd::createMenus()
{
    QList<QMenu *> bars;
    for (const Menus::Menu &menu : Menus::menus) {
        QMenu *bar = menuBar()->addMenu(QString::fromUtf16(menu.caption));
        bar->setObjectName(QString::fromUtf16(menu.name));
        bars.append(bar);
    }
    for (const Menus::Item &item : Menus::items) {
        QMenu *bar = bars.at(item.menu);
        QAction *action = item.command == Menus::Command::Separator ? bar->addSeparator()
                                                                    : bar->addAction(QString::fromUtf16(item.caption));
        action->setObjectName(bar->objectName() + u"_kies"_s);
        action->setProperty("index", item.index);
        if (item.shortcut != 0)
            action->setShortcut(QKeySequence(QKeyCombination::fromCombined(item.shortcut)));
        if (item.command != Menus::Command::Separator)
            connect(action, &QAction::triggered, this, [this, command = item.command] { run(command); });
    }
}

void FrmHoofd::watchKeys()
{
    // The platform window is made when the window is first shown, after
    // start-up has placed it: a window placed before it exists is placed by
    // its outer frame, as the place was stored. Its keys are watched from then.
    if (windowHandle())
        windowHandle()->installEventFilter(this);
}

bool FrmHoofd::event(QEvent *event)
{
    if (event->type() == QEvent::WinIdChange)
        watchKeys();
    return QMainWindow::event(event);
}

void FrmHoofd::watchMouse()
{
    m_surface->setMouseTracking(true);
    m_surface->installEventFilter(this);
    for (QWidget *child : m_surface->findChildren<QWidget *>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
        // Lines and the tip's shapes take no mouse input: the window's own
        // surface lies under them.
        const bool decoration
            = child->objectName().startsWith(QLatin1String("Line")) || child->objectName() == QLatin1String("Shp_Tip");
        if (decoration)
            child->setAttribute(Qt::WA_TransparentForMouseEvents);
        else if (child->parentWidget() == m_surface)
            child->setAttribute(Qt::WA_NoMousePropagation);
    }
}

void FrmHoofd::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

} // namespace Woord
