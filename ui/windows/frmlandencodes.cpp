#include "windows/frmlandencodes.h"

#include "widgets/centerform.h"
#include "widgets/designfonts.h"
#include "windows/countrycodes.h"

#include <QGroupBox>
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

    auto *frame = new QGroupBox(this);
    frame->setObjectName(u"Frame1"_s);
    frame->setGeometry(twips(60, -30, 6405, 6345));
    Lst_LandenCodes = Controls::named(new QListWidget(frame), u"Lst_LandenCodes"_s, twips(120, 210, 6180, 6000));
    Lst_LandenCodes->setFont(DesignFonts::font(u"Courier New"_s, 12, true));
    Lst_LandenCodes->setUniformItemSizes(true);
    Lst_LandenCodes->setAccessibleName(u"Landencodes"_s);

    QPushButton *close = Controls::button(this, u"Knp_Sluiten"_s, u"&Sluiten"_s, twips(2655, 6480, 1215, 375));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    QWidget::setTabOrder(close, Lst_LandenCodes);
    close->setFocus();
    Form_Load();
}

void FrmLandenCodes::Form_Load()
{
    Lst_LandenCodes->clear();
    Lst_LandenCodes->addItems(CountryCodes::rows());
    Lst_LandenCodes->setCurrentRow(-1);
    CenterForm(this);
}

} // namespace Woord
