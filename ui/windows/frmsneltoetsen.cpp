#include "ui/windows/frmsneltoetsen.h"

#include "core/windows/shortcutkeys.h"
#include "ui/widgets/centerform.h"
#include "ui/widgets/designfonts.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Woord {

FrmSneltoetsen::FrmSneltoetsen(QWidget *parent)
    : DialogWithoutCancel(parent)
{
    using DesignFonts::twips;
    Controls::fixedDialog(this, u"FrmSneltoetsen"_s, u"Sneltoetsen"_s, twips(0, 0, 6720, 3015).size());
    setFont(DesignFonts::tahoma(8.25));

    auto *intro = Controls::named(new QLabel(u"Gebruik volgende toetscombinaties om vlugger te werken:"_s, this),
                                  u"Label1"_s, twips(120, 120, 6510, 270));
    intro->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Lbl_Help = Controls::named(new QLabel(u"Help"_s, this), u"Lbl_Help"_s, twips(240, 525, 6255, 2130));
    Lbl_Help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Lbl_Help->setTextFormat(Qt::PlainText);
    Lbl_Help->setFont(DesignFonts::tahoma(12));

    QPushButton *close = Controls::button(this, u"Knp_FrmHelp_Sluiten"_s, u"&Sluiten"_s, twips(5310, 2565, 1305, 360));
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
