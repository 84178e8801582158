#include "ui/widgets/designlayout.h"

#include "ui/widgets/controls.h"
#include "ui/widgets/designfonts.h"
#include "ui/widgets/twips.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

#include <algorithm>
#include <array>

namespace Woord::DesignLayout {

namespace {

using A = Align;

constexpr Font tahoma(double points, bool bold = false)
{
    return {u"Tahoma", points, bold, false};
}
constexpr Font windowFont{};
constexpr Colour black = rgb(0, 0, 0);
constexpr Colour lightGrey = rgb(192, 192, 192);
constexpr Colour grey = rgb(128, 128, 128);
constexpr Colour orange = rgb(255, 128, 0);

// From front to back, as they lie over each other.
constexpr Control mainWindowControls[] = {
    {u"Frame1", -1, 2025, 6810, 5655, 555, windowFont, A::Own, own, own, nullptr},
    {u"Knp_EersteRecord", -1, 60, 165, 345, 315, {u"Arial", 12, true}, A::Own, own, own, u"<"},
    {u"HScroll_Record", -1, 405, 165, 4815, 315, windowFont, A::Own, own, own, nullptr},
    {u"Knp_LaatsteRecord", -1, 5220, 165, 345, 315, {u"Arial", 12, true}, A::Own, own, own, u">"},
    {u"List_Grid", -1, 100, 750, 3765, 5790, tahoma(9.75), A::Own, black, rgb(255, 255, 255), nullptr},
    {u"Lbl_Tip", 0, 8145, 7005, 1185, 195, windowFont, A::LeftTop, grey, own, u"F3 om te zoeken"},
    {u"Img_Tip", -1, 8580, 6735, 285, 270, windowFont, A::Own, own, own, nullptr},
    {u"Label3", -1, 8235, 60, 1320, 495, tahoma(20.25, true), A::CentredTop, own, lightGrey, u"Label3"},
    {u"Label2", -1, 150, 0, 1395, 495, tahoma(20.25, true), A::CentredTop, own, lightGrey, u"Label2"},
    {u"Lbl_Begrip", -1, 195, 60, 9330, 480, tahoma(20.25, true), A::CentredTop, own, lightGrey, u"*****"},
    {u"Lbl_Beschrijving", -1, 4065, 795, 5445, 5655, tahoma(9.75, true), A::LeftTop, own, own, u"*****"},
    {u"Lbl_StatusHelp", -1, 90, 7515, 9555, 240, tahoma(9), A::CentredTop, black, own, u"Help"},
    {u"Lbl_CurrRecord", -1, 120, 6555, 9435, 255, tahoma(9.75), A::CentredTop, black, own,
     u"Geen begrippenlijst geladen"},
    {u"Lbl_Beschrijving_Achtergrond", -1, 3945, 750, 5670, 5790, windowFont, A::Own, own, own, u""},
    {u"Shp_Tip", 0, 7965, 6675, 1575, 705, windowFont, A::Own, own, rgb(255, 255, 192), nullptr},
    {u"Shp_Tip", 1, 8010, 6705, 1575, 705, windowFont, A::Own, own, lightGrey, nullptr},
};

constexpr Line lines[] = {
    {u"Line5", true, 105, 0, 9600, 0},       {u"Line6", false, 105, 15, 9600, 15},
    {u"Line7", true, 105, 0, 105, 650},      {u"Line8", false, 120, 15, 120, 645},
    {u"Line9", true, 9600, 30, 9600, 680},   {u"Line10", false, 9585, 15, 9585, 670},
    {u"Line2", true, 105, 645, 9600, 645},   {u"Line1", false, 105, 660, 9600, 660},
    {u"Line3", true, 105, 7440, 9580, 7440}, {u"Line4", false, 105, 7455, 9580, 7455},
};

constexpr Font sansSerif{u"MS Sans Serif", 8.25, false, false};

constexpr Control frmZoekControls[] = {
    {u"Lbl_1", -1, 105, 75, 4515, 240, windowFont, A::CentredTop, own, own,
     u"Typ in het tekstvak naar &wat u wilt zoeken:"},
    {u"txtFindWhat", -1, 90, 315, 4530, 315, {u"MS Sans Serif", 8.25, true}, A::Own, own, own, u""},
    {u"cmdFindFirst", -1, 105, 765, 1425, 360, windowFont, A::Own, own, own, u"&Zoek eerste"},
    {u"cmdFindNext", -1, 1650, 765, 1425, 360, windowFont, A::Own, own, own, nullptr},
    {u"cmdCancel", -1, 3210, 765, 1425, 360, windowFont, A::Own, own, own, u"&Annuleren"},
};

constexpr Control frmLandenCodesControls[] = {
    {u"Frame1", -1, 60, -30, 6405, 6345, windowFont, A::Own, own, own, u""},
    {u"Lst_LandenCodes", -1, 120, 210, 6180, 6000, {u"Courier New", 12, true}, A::Own, own, own, nullptr},
    {u"Knp_Sluiten", -1, 2655, 6480, 1215, 375, windowFont, A::Own, own, own, u"&Sluiten"},
};

constexpr Control frmSneltoetsenControls[] = {
    {u"Label1", -1, 120, 120, 6510, 270, windowFont, A::CentredTop, own, own,
     u"Gebruik volgende toetscombinaties om vlugger te werken:"},
    {u"Lbl_Help", -1, 240, 525, 6255, 2130, tahoma(12), A::LeftTop, own, own, nullptr},
    {u"Knp_FrmHelp_Sluiten", -1, 5310, 2565, 1305, 360, windowFont, A::Own, own, own, u"&Sluiten"},
};

constexpr Font link{u"Tahoma", 8.25, true, true};

constexpr Control frmAbout3DControls[] = {
    {u"Knp_About", -1, 6570, 4650, 1290, 345, sansSerif, A::Own, own, own, u"&O.K."},
    {u"Shape2", -1, 4410, 3840, 3600, 690, windowFont, A::Own, rgb(224, 224, 224), own, nullptr},
    {u"Lbl_AantalBegrippenInDatabase", -1, 4995, 4245, 2745, 270, windowFont, A::CentredTop, orange, own, nullptr},
    {u"Lbl_DatabaseDatum", -1, 4515, 3900, 3420, 270, windowFont, A::CentredTop, orange, own, nullptr},
    {u"Shape1", -1, 0, 0, 8100, 5415, windowFont, A::Own, windowText, own, nullptr},
    {u"Lbl_AboutWarning", -1, 255, 3510, 3945, 990, windowFont, A::LeftTop, orange, own, nullptr},
    {u"Lbl_URL", -1, 4695, 3525, 900, 195, link, A::CentredTop, orange, own, u"Website"},
    {u"Lbl_Email", -1, 6765, 3525, 750, 195, link, A::CentredTop, orange, own, u"E-mail"},
    {u"Lbl_AboutKop", -1, 285, 4710, 6075, 270, windowFont, A::CentredTop, grey, own, nullptr},
};

QColor colourOf(const Colour &colour, const QWidget *widget)
{
    if (colour.kind == Colour::Kind::WindowText)
        return widget->palette().color(QPalette::WindowText);
    return QColor(colour.red, colour.green, colour.blue);
}

void applyFont(QWidget *widget, const Font &font, const DesignFonts &fonts)
{
    if (!font.family)
        return;
    QFont f = fonts.font(QString::fromUtf16(font.family), font.points, font.bold);
    f.setUnderline(font.underline);
    widget->setFont(f);
}

void applyCaption(QWidget *widget, const QString &caption)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(caption);
    else if (auto *box = qobject_cast<QLineEdit *>(widget))
        box->setText(caption);
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        frame->setTitle(caption);
}

} // namespace

const Window mainWindow{u"FrmHoofd", 9720, 7980, sansSerif, u"Woordorakelaar", mainWindowControls};
const std::span<const Line> mainWindowLines{lines};
const Window frmZoek{u"FrmZoek", 4740, 1245, sansSerif, nullptr, frmZoekControls};
const Window frmLandenCodes{u"FrmLandenCodes", 6525, 6975, tahoma(8.25), u"Landencodes", frmLandenCodesControls};
const Window frmSneltoetsen{u"FrmSneltoetsen", 6720, 3015, tahoma(8.25), u"Sneltoetsen", frmSneltoetsenControls};
const Window frmAbout3D{u"FrmAbout3D", 8100, 5370, tahoma(8.25), nullptr, frmAbout3DControls};

QRect Control::pixels() const
{
    return Twips::toPixels(left, top, width, height);
}

QSize Window::pixels() const
{
    return Twips::toPixels(0, 0, width, height).size();
}

QRect Line::pixels() const
{
    const int x = Twips::toPixels(x1);
    const int y = Twips::toPixels(y1);
    return QRect(x, y, std::max(1, Twips::toPixels(x2) - x), std::max(1, Twips::toPixels(y2) - y));
}

const Control *find(const Window &window, QStringView name, int index)
{
    const auto it = std::find_if(window.controls.begin(), window.controls.end(), [&](const Control &control) {
        return QStringView(control.name) == name && control.index == index;
    });
    return it == window.controls.end() ? nullptr : &*it;
}

QWidget *widgetFor(QWidget *root, const Control &control)
{
    for (QWidget *widget : root->findChildren<QWidget *>(QString::fromUtf16(control.name))) {
        if (control.index < 0 || widget->property("index").toInt() == control.index)
            return widget;
    }
    return nullptr;
}

void apply(QWidget *window, const Window &layout, const DesignFonts &fonts)
{
    window->setObjectName(QString::fromUtf16(layout.name));
    applyFont(window, layout.font, fonts);
    if (layout.title)
        window->setWindowTitle(QString::fromUtf16(layout.title));
    if (auto *main = qobject_cast<QMainWindow *>(window))
        main->centralWidget()->setFixedSize(layout.pixels());
    else
        window->setFixedSize(layout.pixels());

    for (const Control &control : layout.controls) {
        QWidget *widget = widgetFor(window, control);
        if (!widget)
            qFatal("the window %s has no control %s", qPrintable(window->objectName()),
                   qPrintable(QString::fromUtf16(control.name)));
        widget->setGeometry(control.pixels());
        applyFont(widget, control.font, fonts);
        auto *label = qobject_cast<QLabel *>(widget);
        if (label && control.align != Align::Own)
            label->setAlignment(control.align == Align::LeftTop ? Qt::AlignLeft | Qt::AlignTop
                                                                : Qt::AlignHCenter | Qt::AlignTop);
        auto *view = qobject_cast<QAbstractItemView *>(widget);
        if (control.text.kind != Colour::Kind::Own) {
            const QColor colour = colourOf(control.text, window);
            // A shape draws its outline in the colour it has as a property.
            if (widget->metaObject()->indexOfProperty("colour") >= 0)
                widget->setProperty("colour", colour);
            else
                Controls::setColour(widget, view ? QPalette::Text : QPalette::WindowText, colour);
        }
        if (control.background.kind != Colour::Kind::Own) {
            if (!view)
                widget->setAutoFillBackground(true);
            Controls::setColour(widget, view ? QPalette::Base : QPalette::Window, colourOf(control.background, window));
        }
        if (control.caption)
            applyCaption(widget, QString::fromUtf16(control.caption));
    }
}

} // namespace Woord::DesignLayout
