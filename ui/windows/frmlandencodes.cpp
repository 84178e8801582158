#include "ui/windows/frmlandencodes.h"

#include "core/windows/countrycodes.h"
#include "ui/widgets/centerform.h"
#include "ui/widgets/designfonts.h"

#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Woord {

FrmLandenCodes::FrmLandenCodes(QWidget *parent)
    : DialogWithoutCancel(parent)
{
    using DesignFonts::twips;
    Controls::fixedDialog(this, u"FrmLandenCodes"_s, u"Landencodes"_s, twips(0, 0, 6525, 6975).size());
    setFont(DesignFonts::tahoma(8.25));
    // Its title bar has no icon: without one of its own, a window takes its
    // parent's.
    setWindowIcon(QIcon());

    auto *frame = new QGroupBox(this);
    frame->setObjectName(u"Frame1"_s);
    frame->setGeometry(twips(60, -30, 6405, 6345));
    Lst_LandenCodes = Controls::named(new QListWidget(frame), u"Lst_LandenCodes"_s, twips(120, 210, 6180, 6000));
    Lst_LandenCodes->setFont(DesignFonts::font(u"Courier New"_s, 12, true));
    Lst_LandenCodes->setUniformItemSizes(true);
    Lst_LandenCodes->setAccessibleName(u"Landencodes"_s);

    QPushButton *close = Controls::button(this, u"Knp_Sluiten"_s, u"&Sluiten"_s, twips(2655, 6480, 1215, 375));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    QWidget::setTabOrder(close, Lst_LandenCodes);
    close->setFocus();
    Form_Load();
}

// The window marks no default button: Enter presses the button where it has
// the focus, and elsewhere (in the list) does nothing. A dialog would press
// the button that had the focus last.
void FrmLandenCodes::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPushButton *>(focusWidget())) {
        event->accept();
        return;
    }
    DialogWithoutCancel::keyPressEvent(event);
}

void FrmLandenCodes::Form_Load()
{
    Lst_LandenCodes->clear();
    Lst_LandenCodes->addItems(CountryCodes::rows());
    Lst_LandenCodes->setCurrentRow(-1);
    CenterForm(this);
}

} // namespace Woord
