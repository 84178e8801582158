#include "windows/frmlandencodes.h"

#include "mainwindow/centerform.h"
#include "mainwindow/designfonts.h"
#include "windows/countrycodes.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Woord {

FrmLandenCodes::FrmLandenCodes(QWidget *parent)
    : QDialog(parent)
{
    using DesignFonts::twips;
    setObjectName(u"FrmLandenCodes"_s);
    setWindowTitle(u"Landencodes"_s);
    setFont(DesignFonts::tahoma(8.25));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips(0, 0, 6525, 6975).size());

    auto *frame = new QGroupBox(this);
    frame->setObjectName(u"Frame1"_s);
    frame->setGeometry(twips(60, -30, 6405, 6345));
    Lst_LandenCodes = new QListWidget(frame);
    Lst_LandenCodes->setObjectName(u"Lst_LandenCodes"_s);
    Lst_LandenCodes->setAccessibleName(u"Lst_LandenCodes"_s);
    Lst_LandenCodes->setGeometry(twips(120, 210, 6180, 6000));
    Lst_LandenCodes->setFont(DesignFonts::font(u"Courier New"_s, 12, true));
    Lst_LandenCodes->setUniformItemSizes(true);

    auto *close = new QPushButton(u"&Sluiten"_s, this);
    close->setObjectName(u"Knp_Sluiten"_s);
    close->setAccessibleName(u"Knp_Sluiten"_s);
    close->setGeometry(twips(2655, 6480, 1215, 375));
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

void FrmLandenCodes::keyPressEvent(QKeyEvent *event)
{
    // The window has no cancel button, so Escape closes nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace Woord
