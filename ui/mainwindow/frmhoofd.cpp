// The main window's controls, places, fonts and colours. Places and sizes are
// given in twips, as the window was laid out, and turned into pixels.

#include "ui/mainwindow/frmhoofd.h"

#include "core/mainwindow/statushelp.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/designfonts.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace Woord {

namespace {

using DesignFonts::tahoma;
using DesignFonts::twips;

const QColor lightGrey(192, 192, 192);
const QColor grey(128, 128, 128);

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &place, const QFont &font)
{
    QLabel *label = Controls::named(new QLabel(text, parent), name, place);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

void setOpaque(QWidget *widget, const QColor &background)
{
    widget->setAutoFillBackground(true);
    Controls::setColour(widget, QPalette::Window, background);
}

// A filled area with no outline: the tip box, its shadow and the etched lines.
QWidget *makeFill(QWidget *parent, const QString &name, const QRect &place, const QColor &colour)
{
    auto *fill = new QWidget(parent);
    Accessibility::markDecoration(fill);
    fill->setObjectName(name);
    fill->setGeometry(place);
    setOpaque(fill, colour);
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

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    QPushButton *button = Controls::button(parent, name, text, place);
    button->setFont(DesignFonts::font(u"Arial"_s, 12, true));
    button->setAutoDefault(false);
    return button;
}

} // namespace

FrmHoofd::FrmHoofd(Platform &platform, AppState &state, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_state(state)
    , m_model(state.glossary)
{
    setObjectName(u"FrmHoofd"_s);
    setWindowTitle(u"Woordorakelaar"_s);
    QIcon icon(u":/woordorakelaar.ico"_s);
    icon.addFile(u":/woordorakelaar-64.png"_s); // for high-DPI title bars
    setWindowIcon(icon);
    setFont(DesignFonts::font(u"MS Sans Serif"_s, 8.25));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    createControls();
    createMenus();
    setTabOrder();
    watchMouse();
    watchKeys();
    // The window keeps the size it was laid out for: 9720 x 7980 twips of
    // client area below the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Settled now, before start-up places the window: a window that is
    // resized while it is first shown is placed by its inner area instead of
    // its frame.
    ensurePolished();
    layout()->activate();
}

void FrmHoofd::createControls()
{
    auto *surface = m_surface = new QWidget(this);
    Accessibility::leaveOutDecorations(surface);
    surface->setObjectName(u"FrmHoofd_Oppervlak"_s);
    surface->setFixedSize(twips(0, 0, 9720, 7980).size());
    setCentralWidget(surface);

    // Created from back to front: a later control lies over an earlier one.
    createLines(surface);
    auto *tipShadow = makeFill(surface, u"Shp_Tip"_s, twips(8010, 6705, 1575, 705), lightGrey);
    tipShadow->setProperty("index", 1);
    auto *tipBox = makeFill(surface, u"Shp_Tip"_s, twips(7965, 6675, 1575, 705), QColor(255, 255, 192));
    tipBox->setProperty("index", 0);

    auto *background
        = makeLabel(surface, u"Lbl_Beschrijving_Achtergrond"_s, QString(), twips(3945, 750, 5670, 5790), font());
    Accessibility::markDecoration(background);
    background->setFrameStyle(QFrame::Box | QFrame::Plain);
    background->setLineWidth(1);
    setOpaque(background, palette().color(QPalette::Base));

    Lbl_CurrRecord = makeLabel(surface, u"Lbl_CurrRecord"_s, u"Geen begrippenlijst geladen"_s,
                               twips(120, 6555, 9435, 255), tahoma(9.75));
    Lbl_CurrRecord->setToolTip(u" Huidig begrip in uw database "_s);
    describe(Lbl_CurrRecord);
    Controls::setColour(Lbl_CurrRecord, QPalette::WindowText, Qt::black);

    Lbl_StatusHelp = makeLabel(surface, u"Lbl_StatusHelp"_s, u"Help"_s, twips(90, 7515, 9555, 240), tahoma(9));
    Controls::setColour(Lbl_StatusHelp, QPalette::WindowText, Qt::black);

    Lbl_Beschrijving
        = makeLabel(surface, u"Lbl_Beschrijving"_s, u"*****"_s, twips(4065, 795, 5445, 5655), tahoma(9.75, true));
    Lbl_Beschrijving->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Lbl_Begrip = makeLabel(surface, u"Lbl_Begrip"_s, u"*****"_s, twips(195, 60, 9330, 480), tahoma(20.25, true));
    setOpaque(Lbl_Begrip, lightGrey);
    // The term's shadow and highlight repeat its text: a screen reader
    // hears the term once.
    Label2 = makeLabel(surface, u"Label2"_s, u"Label2"_s, twips(150, 0, 1395, 495), tahoma(20.25, true));
    Accessibility::markDecoration(Label2);
    setOpaque(Label2, lightGrey);
    Label2->hide();
    Label3 = makeLabel(surface, u"Label3"_s, u"Label3"_s, twips(8235, 60, 1320, 495), tahoma(20.25, true));
    Accessibility::markDecoration(Label3);
    setOpaque(Label3, lightGrey);
    Label3->hide();

    // The picture beside the tip says nothing the tip's text does not say.
    auto *tipImage = new QLabel(surface);
    Accessibility::markDecoration(tipImage);
    tipImage->setObjectName(u"Img_Tip"_s);
    tipImage->setGeometry(twips(8580, 6735, 285, 270));
    // The picture of 19 x 18 pixels, from its larger version on a high-DPI screen.
    QIcon tipPicture(u":/tip.gif"_s);
    tipPicture.addFile(u":/tip@2x.gif"_s);
    tipImage->setPixmap(tipPicture.pixmap(QSize(19, 18), tipImage->devicePixelRatioF()));
    tipImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *tip = makeLabel(surface, u"Lbl_Tip"_s, u"F3 om te zoeken"_s, twips(8145, 7005, 1185, 195), font());
    tip->setProperty("index", 0);
    tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Controls::setColour(tip, QPalette::WindowText, grey);
    describe(tip);

    List_Grid = Controls::named(new TermListView(surface), u"List_Grid"_s, twips(100, 750, 3765, 5790));
    List_Grid->setFont(tahoma(9.75));
    Controls::setColour(List_Grid, QPalette::Base, Qt::white);
    Controls::setColour(List_Grid, QPalette::Text, Qt::black);
    List_Grid->setModel(&m_model);
    describe(List_Grid, u"Begrippen"_s);
    connect(List_Grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &FrmHoofd::List_Grid_Click);

    auto *frame = new QGroupBox(surface);
    frame->setObjectName(u"Frame1"_s);
    frame->setGeometry(twips(2025, 6810, 5655, 555));
    Knp_EersteRecord = makeButton(frame, u"Knp_EersteRecord"_s, u"<"_s, twips(60, 165, 345, 315));
    HScroll_Record
        = Controls::named(new QScrollBar(Qt::Horizontal, frame), u"HScroll_Record"_s, twips(405, 165, 4815, 315));
    HScroll_Record->setRange(1, 1);
    HScroll_Record->setPageStep(10);
    HScroll_Record->setFocusPolicy(Qt::StrongFocus);
    // The display follows the thumb only when it is released.
    HScroll_Record->setTracking(false);
    HScroll_Record->setAccessibleName(u"Positie in de begrippenlijst"_s);
    Knp_LaatsteRecord = makeButton(frame, u"Knp_LaatsteRecord"_s, u">"_s, twips(5220, 165, 345, 315));
    describe(Knp_EersteRecord, u"Eerste begrip"_s);
    describe(Knp_LaatsteRecord, u"Laatste begrip"_s);

    connect(HScroll_Record, &QScrollBar::valueChanged, this, &FrmHoofd::HScroll_Record_Change);
    connect(Knp_EersteRecord, &QPushButton::clicked, this, &FrmHoofd::FirstRecord);
    connect(Knp_LaatsteRecord, &QPushButton::clicked, this, &FrmHoofd::LastRecord);
}

// Ten one-pixel rules, a dark line with a white one beside it: a sunken frame
// around the term and a rule above the status line.
void FrmHoofd::createLines(QWidget *surface)
{
    const QColor white(255, 255, 255);
    const QColor text = palette().color(QPalette::WindowText);
    const struct {
        const char *name;
        bool white;
        int x1, y1, x2, y2;
    } lines[] = {
        {"Line5", true, 105, 0, 9600, 0},       {"Line6", false, 105, 15, 9600, 15},
        {"Line7", true, 105, 0, 105, 650},      {"Line8", false, 120, 15, 120, 645},
        {"Line9", true, 9600, 30, 9600, 680},   {"Line10", false, 9585, 15, 9585, 670},
        {"Line2", true, 105, 645, 9600, 645},   {"Line1", false, 105, 660, 9600, 660},
        {"Line3", true, 105, 7440, 9580, 7440}, {"Line4", false, 105, 7455, 9580, 7455},
    };
    for (const auto &line : lines) {
        const int x = DesignFonts::twipsToPixels(line.x1);
        const int y = DesignFonts::twipsToPixels(line.y1);
        const int width = std::max(1, DesignFonts::twipsToPixels(line.x2) - x);
        const int height = std::max(1, DesignFonts::twipsToPixels(line.y2) - y);
        makeFill(surface, QString::fromLatin1(line.name), QRect(x, y, width, height), line.white ? white : text);
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

void FrmHoofd::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

} // namespace Woord
