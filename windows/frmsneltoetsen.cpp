#include "windows/frmsneltoetsen.h"

#include "mainwindow/centerform.h"
#include "mainwindow/designfonts.h"
#include "windows/shortcutkeys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Woord {

FrmSneltoetsen::FrmSneltoetsen(QWidget *parent)
    : QDialog(parent)
{
    using DesignFonts::twips;
    setObjectName(u"FrmSneltoetsen"_s);
    setWindowTitle(u"Sneltoetsen"_s);
    setFont(DesignFonts::tahoma(8.25));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips(0, 0, 6720, 3015).size());

    auto *intro = new QLabel(u"Gebruik volgende toetscombinaties om vlugger te werken:"_s, this);
    intro->setObjectName(u"Label1"_s);
    intro->setGeometry(twips(120, 120, 6510, 270));
    intro->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    intro->setFont(DesignFonts::tahoma(8.25));

    Lbl_Help = new QLabel(u"Help"_s, this);
    Lbl_Help->setObjectName(u"Lbl_Help"_s);
    Lbl_Help->setAccessibleName(u"Lbl_Help"_s);
    Lbl_Help->setGeometry(twips(240, 525, 6255, 2130));
    Lbl_Help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Lbl_Help->setTextFormat(Qt::PlainText);
    Lbl_Help->setFont(DesignFonts::tahoma(12));

    auto *close = new QPushButton(u"&Sluiten"_s, this);
    close->setObjectName(u"Knp_FrmHelp_Sluiten"_s);
    close->setAccessibleName(u"Knp_FrmHelp_Sluiten"_s);
    close->setGeometry(twips(5310, 2565, 1305, 360));
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

void FrmSneltoetsen::keyPressEvent(QKeyEvent *event)
{
    // No key handling of its own: Escape closes nothing here.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace Woord
