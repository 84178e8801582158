#include "ui/windows/frmabout3d.h"

#include "core/links/links.h"
#include "core/windows/abouttexts.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/centerform.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/designfonts.h"
#include "ui/widgets/helpkey.h"
#include "ui/windows/outlineshape.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <utility>

using namespace Qt::StringLiterals;

namespace Woord {

namespace {

const QColor orange(255, 128, 0);

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &place,
                  const QString &toolTip = {})
{
    QLabel *label = Controls::named(new QLabel(text, parent), name, place);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setToolTip(toolTip);
    label->setMouseTracking(true);
    label->setAttribute(Qt::WA_NoMousePropagation);
    Controls::setColour(label, QPalette::WindowText, orange);
    return label;
}

QLabel *makeLink(QWidget *parent, const QString &name, const QString &text, const QRect &place, const QString &toolTip)
{
    QLabel *link = makeLabel(parent, name, text, place, toolTip);
    QFont font = DesignFonts::tahoma(8.25, true);
    font.setUnderline(true);
    link->setFont(font);
    // The pointer's hot spot, (13, 5), is in pixels of the small picture.
    if (link->devicePixelRatioF() > 1) {
        QPixmap large(u":/link@2x.png"_s);
        large.setDevicePixelRatio(2);
        link->setCursor(QCursor(large, 13, 5));
    } else {
        link->setCursor(QCursor(QPixmap(u":/link.cur"_s), 13, 5));
    }
    return link;
}

// A one-line label whose text is wider than its box (the stand-in fonts run
// wider than the ones the window was laid out for) grows to both sides, so
// its text stays whole and centred where it was meant to be.
void fitOneLine(QLabel *label)
{
    label->setWordWrap(false);
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    if (needed > label->width()) {
        const int grow = needed - label->width();
        label->setGeometry(label->x() - grow / 2, label->y(), needed, label->height());
    }
}

} // namespace

FrmAbout3D::FrmAbout3D(Platform &platform, const AboutValues &values, std::function<void()> helpRequested,
                       QWidget *parent)
    : Controls::DialogWithoutCancel(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_platform(platform)
    , m_values(values)
{
    // On a high-DPI screen the picture drawn at twice the size.
    if (devicePixelRatioF() > 1) {
        m_picture.load(u":/about@2x.png"_s);
        m_picture.setDevicePixelRatio(2);
    } else {
        m_picture.load(u":/about.bmp"_s);
    }
    using DesignFonts::twips;
    Accessibility::leaveOutDecorations(this);
    setObjectName(u"FrmAbout3D"_s);
    setFont(DesignFonts::tahoma(8.25));
    setFixedSize(twips(0, 0, 8100, 5370).size());
    setMouseTracking(true);

    // Created from back to front.
    auto *edge = new OutlineShape(palette().color(QPalette::WindowText), this);
    edge->setObjectName(u"Shape1"_s);
    edge->setGeometry(twips(0, 0, 8100, 5415));
    auto *frame = new OutlineShape(QColor(224, 224, 224), this);
    frame->setObjectName(u"Shape2"_s);
    frame->setGeometry(twips(4410, 3840, 3600, 690));

    Lbl_AboutKop = makeLabel(this, u"Lbl_AboutKop"_s, u"..."_s, twips(285, 4710, 6075, 270));
    Controls::setColour(Lbl_AboutKop, QPalette::WindowText, QColor(128, 128, 128));

    Lbl_Email = makeLink(this, u"Lbl_Email"_s, u"E-mail"_s, twips(6765, 3525, 750, 195),
                         u" Hebt u een vraag betreffende Woordorakelaar? "_s);
    Lbl_URL = makeLink(this, u"Lbl_URL"_s, u"Website"_s, twips(4695, 3525, 900, 195),
                       u" Is er een nieuwe versie of update beschikbaar? "_s);
    auto *warning = makeLabel(this, u"Lbl_AboutWarning"_s, AboutTexts::freewareNotice(), twips(255, 3510, 3945, 990));
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Lbl_DatabaseDatum = makeLabel(this, u"Lbl_DatabaseDatum"_s, u"Datum begrippenlijst:"_s,
                                  twips(4515, 3900, 3420, 270), u" Begrippenlijst laatst bijgewerkt op ... "_s);
    Lbl_AantalBegrippenInDatabase = makeLabel(this, u"Lbl_AantalBegrippenInDatabase"_s, u"begrippen in de lijst"_s,
                                              twips(4995, 4245, 2745, 270), u" Hoeveel begrippen in de lijst? "_s);

    QPushButton *button = Controls::button(this, u"Knp_About"_s, u"&O.K."_s, twips(6570, 4650, 1290, 345));
    button->setFont(DesignFonts::font(u"MS Sans Serif"_s, 8.25));
    button->setToolTip(u" Sluit dit venster "_s);
    button->setDefault(true);
    button->setMouseTracking(true);
    button->setAttribute(Qt::WA_NoMousePropagation);
    button->setFocus();
    connect(button, &QPushButton::clicked, this, &QDialog::accept);

    for (QLabel *link : {Lbl_URL, Lbl_Email})
        link->installEventFilter(this);
    installEventFilter(this);

    // F1 opens the help; the window stays open.
    addHelpKey(this, std::move(helpRequested));

    Form_Load();
}

void FrmAbout3D::Form_Load()
{
    setWindowTitle(m_values.ProgrammaTitel);
    Lbl_AboutKop->setText(AboutTexts::heading(m_values.ProgrammaTitel, m_values.revision));
    Lbl_DatabaseDatum->setText(AboutTexts::dateLine(m_values.DatabaseDatum));
    Lbl_AantalBegrippenInDatabase->setText(AboutTexts::countLine(m_values.AantalBegrippen));
    for (QLabel *line : {Lbl_AboutKop, Lbl_DatabaseDatum, Lbl_AantalBegrippenInDatabase})
        fitOneLine(line);
    CenterForm(this);
}

void FrmAbout3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.drawPixmap(0, 0, m_picture);
}

bool FrmAbout3D::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && !static_cast<QMouseEvent *>(event)->buttons()) {
        if (watched == this)
            Form_MouseMove();
        else if (watched == Lbl_URL || watched == Lbl_Email)
            setLinkColour(static_cast<QLabel *>(watched), QColor(0, 0, 255));
    } else if (event->type() == QEvent::MouseButtonPress
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        m_pressedLink = watched == Lbl_URL || watched == Lbl_Email ? static_cast<QLabel *>(watched) : nullptr;
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        // A link opens on a click: the button went down and up on it. The
        // pressed label keeps the mouse, so a release elsewhere comes to it
        // with a place outside it.
        QLabel *pressed = std::exchange(m_pressedLink, nullptr);
        const bool onIt = watched == pressed && pressed
            && pressed->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint());
        QString target;
        if (onIt && pressed == Lbl_URL)
            target = Links::siteHome();
        else if (onIt && pressed == Lbl_Email)
            target = Links::mailTarget(m_values.ProgrammaTitel, m_values.revision);
        if (!target.isEmpty() && !m_platform.openWithShell(target))
            m_platform.showMessage(Links::openFailed(m_values.ProgrammaTitel, target));
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAbout3D::Form_MouseMove()
{
    const QColor buttonText = palette().color(QPalette::ButtonText);
    setLinkColour(Lbl_URL, buttonText);
    setLinkColour(Lbl_Email, buttonText);
}

void FrmAbout3D::setLinkColour(QLabel *link, const QColor &colour)
{
    Controls::setColour(link, QPalette::WindowText, colour);
}

} // namespace Woord
