#include "ui/windows/frmsneltoetsen.h"

#include "core/windows/shortcutkeys.h"
#include "ui/widgets/centerform.h"
#include "ui/widgets/designlayout.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Woord {

FrmSneltoetsen::FrmSneltoetsen(const DesignFonts &fonts, QWidget *parent)
    : DialogWithoutCancel(parent)
{
    Controls::fixedDialog(this, u"Sneltoetsen"_s);
    Controls::named(new QLabel(this), u"Label1"_s);
    Lbl_Help = Controls::named(new QLabel(u"Help"_s, this), u"Lbl_Help"_s);
    Lbl_Help->setTextFormat(Qt::PlainText);
    auto *close = Controls::named(new QPushButton(this), u"Knp_FrmHelp_Sluiten"_s);
    DesignLayout::apply(this, DesignLayout::frmSneltoetsen, fonts);
    close->setDefault(true);
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    Form_Load();
}

void FrmSneltoetsen::Form_Load()
{
    m_caption = ShortcutKeys::helpText();
    QString shown = ShortcutKeys::shownText(m_caption);
    Lbl_Help->setText(shown.replace(u"\r\n"_s, u"\n"_s));
    CenterForm(this);
}

} // namespace Woord
