#include "ui/search/frmzoek.h"

#include "ui/widgets/centerform.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/designfonts.h"
#include "ui/widgets/helpkey.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Woord {

FrmZoek::FrmZoek(std::function<void()> helpRequested, QWidget *parent)
    : QDialog(parent)
{
    using DesignFonts::twips;
    Controls::fixedDialog(this, u"FrmZoek"_s, u"Zoeken"_s, twips(0, 0, 4740, 1245).size());
    setFont(DesignFonts::font(u"MS Sans Serif"_s, 8.25));

    auto *label = new QLabel(u"Typ in het tekstvak naar &wat u wilt zoeken:"_s, this);
    label->setObjectName(u"Lbl_1"_s);
    label->setGeometry(twips(105, 75, 4515, 240));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    txtFindWhat = Controls::named(new QLineEdit(this), u"txtFindWhat"_s, twips(90, 315, 4530, 315));
    txtFindWhat->setFont(DesignFonts::font(u"MS Sans Serif"_s, 8.25, true));
    label->setBuddy(txtFindWhat);

    cmdFindFirst = Controls::button(this, u"cmdFindFirst"_s, u"&Zoek eerste"_s, twips(105, 765, 1425, 360));
    cmdFindNext = Controls::button(this, u"cmdFindNext"_s, QString(), twips(1650, 765, 1425, 360));
    cmdCancel = Controls::button(this, u"cmdCancel"_s, u"&Annuleren"_s, twips(3210, 765, 1425, 360));
    cmdFindFirst->setDefault(true);

    QWidget::setTabOrder(txtFindWhat, cmdFindFirst);
    QWidget::setTabOrder(cmdFindFirst, cmdCancel);
    QWidget::setTabOrder(cmdCancel, cmdFindNext);
    QWidget::setTabOrder(cmdFindNext, txtFindWhat);
    txtFindWhat->setFocus();

    connect(cmdFindFirst, &QPushButton::clicked, this, &FrmZoek::cmdFindFirst_Click);
    connect(cmdFindNext, &QPushButton::clicked, this, &FrmZoek::cmdFindNext_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    addHelpKey(this, std::move(helpRequested));

    Form_Load();
}

void FrmZoek::Form_Load()
{
    cmdFindNext->setText(u"Zoek &volgende"_s);
    setWindowTitle(u"Zoeken - Typ tekst en druk op Enter"_s);
    CenterForm(this);
}

void FrmZoek::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Once shown, the window's frame is known: centre the whole of it.
    CenterForm(this);
}

void FrmZoek::cmdFindFirst_Click()
{
    SearchOK = true;
    SearchFromStart = true;
    FindWhat = txtFindWhat->text();
    accept();
}

void FrmZoek::cmdFindNext_Click()
{
    SearchOK = true;
    FindWhat = txtFindWhat->text();
    accept();
}

bool FrmZoek::GetSearchStr(bool &fromStart, QString &searchStr, const std::function<void()> &helpRequested)
{
    // Made afresh for every question, so the text box always starts empty.
    FrmZoek dialog(helpRequested);
    dialog.SearchOK = false;
    dialog.SearchFromStart = false;
    dialog.exec();
    if (dialog.SearchOK) {
        fromStart = dialog.SearchFromStart;
        searchStr = dialog.FindWhat;
    }
    return dialog.SearchOK;
}

} // namespace Woord
