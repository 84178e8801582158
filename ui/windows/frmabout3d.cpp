#include "ui/windows/frmabout3d.h"

#include "core/links/links.h"
#include "core/windows/abouttexts.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/centerform.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/designlayout.h"
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

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text = {}, const QString &toolTip = {})
{
    QLabel *label = Controls::named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setToolTip(toolTip);
    label->setMouseTracking(true);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QLabel *makeLink(QWidget *parent, const QString &name, const QString &toolTip)
{
    QLabel *link = makeLabel(parent, name, {}, toolTip);
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

FrmAbout3D::FrmAbout3D(Platform &platform, const DesignFonts &fonts, const AboutValues &values,
                       std::function<void()> helpRequested, QWidget *parent)
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
    Accessibility::leaveOutDecorations(this);
    setMouseTracking(true);

    // Created from back to front.
    Controls::named(new OutlineShape(this), u"Shape1"_s);
    Controls::named(new OutlineShape(this), u"Shape2"_s);
    Lbl_AboutKop = makeLabel(this, u"Lbl_AboutKop"_s, u"..."_s);
    Lbl_Email = makeLink(this, u"Lbl_Email"_s, u" Hebt u een vraag betreffende Woordorakelaar? "_s);
    Lbl_URL = makeLink(this, u"Lbl_URL"_s, u" Is er een nieuwe versie of update beschikbaar? "_s);
    makeLabel(this, u"Lbl_AboutWarning"_s, AboutTexts::freewareNotice());
    Lbl_DatabaseDatum = makeLabel(this, u"Lbl_DatabaseDatum"_s, u"Datum begrippenlijst:"_s,
                                  u" Begrippenlijst laatst bijgewerkt op ... "_s);
    Lbl_AantalBegrippenInDatabase = makeLabel(this, u"Lbl_AantalBegrippenInDatabase"_s, u"begrippen in de lijst"_s,
                                              u" Hoeveel begrippen in de lijst? "_s);
    auto *button = Controls::named(new QPushButton(this), u"Knp_About"_s);
    DesignLayout::apply(this, DesignLayout::frmAbout3D, fonts);

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
