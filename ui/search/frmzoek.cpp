#include "ui/search/frmzoek.h"

#include "ui/widgets/centerform.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/designlayout.h"
#include "ui/widgets/helpkey.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Woord {

FrmZoek::FrmZoek(const DesignFonts &fonts, std::function<void()> helpRequested, QWidget *parent)
    : QDialog(parent)
{
    Controls::fixedDialog(this, u"Zoeken"_s);
    auto *label = Controls::named(new QLabel(this), u"Lbl_1"_s);
    txtFindWhat = Controls::named(new QLineEdit(this), u"txtFindWhat"_s);
    label->setBuddy(txtFindWhat);
    auto *cmdFindFirst = Controls::named(new QPushButton(this), u"cmdFindFirst"_s);
    cmdFindNext = Controls::named(new QPushButton(this), u"cmdFindNext"_s);
    auto *cmdCancel = Controls::named(new QPushButton(this), u"cmdCancel"_s);
    DesignLayout::apply(this, DesignLayout::frmZoek, fonts);
    cmdFindFirst->setDefault(true);

    QWidget::setTabOrder(txtFindWhat, cmdFindFirst);
    QWidget::setTabOrder(cmdFindFirst, cmdCancel);
    QWidget::setTabOrder(cmdCancel, cmdFindNext);
    QWidget::setTabOrder(cmdFindNext, txtFindWhat);
    txtFindWhat->setFocus();

    connect(cmdFindFirst, &QPushButton::clicked, this, [this] { find(true); });
    connect(cmdFindNext, &QPushButton::clicked, this, [this] { find(false); });
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

void FrmZoek::find(bool fromStart)
{
    m_request = SearchRequest{fromStart, txtFindWhat->text()};
    accept();
}

} // namespace Woord
