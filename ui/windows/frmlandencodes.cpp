#include "ui/windows/frmlandencodes.h"

#include "core/windows/countrycodes.h"
#include "ui/widgets/centerform.h"
#include "ui/widgets/designlayout.h"

#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Woord {

FrmLandenCodes::FrmLandenCodes(const DesignFonts &fonts, QWidget *parent)
    : DialogWithoutCancel(parent)
{
    Controls::fixedDialog(this, u"Landencodes"_s);
    // Its title bar has no icon: without one of its own, a window takes its
    // parent's.
    setWindowIcon(QIcon());
    auto *frame = Controls::named(new QGroupBox(this), u"Frame1"_s);
    Lst_LandenCodes = Controls::named(new QListWidget(frame), u"Lst_LandenCodes"_s);
    Lst_LandenCodes->setUniformItemSizes(true);
    Lst_LandenCodes->setAccessibleName(u"Landencodes"_s);
    auto *close = Controls::named(new QPushButton(this), u"Knp_Sluiten"_s);
    DesignLayout::apply(this, DesignLayout::frmLandenCodes, fonts);
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
